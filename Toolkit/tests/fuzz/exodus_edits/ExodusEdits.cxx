// Applying edit programs to the netCDF model of an Exodus II file. Operands
// pick among what the model has by remainder, so every input is a program.
#include "ExodusEdits.h"

const char* const ExodusEditWords[] = { "elem_type",
                                        "title",
                                        "version",
                                        "api_version",
                                        "floating_point_word_size",
                                        "file_size",
                                        "int64_status",
                                        "maximum_name_length",
                                        "name",
                                        "TRI3",
                                        "QUAD4",
                                        "HEX8",
                                        "TETRA",
                                        "WEDGE",
                                        "PYRAMID",
                                        "BAR2",
                                        "SPHERE",
                                        "SHELL4",
                                        "NSIDED",
                                        "NFACED",
                                        "NULL",
                                        "",
                                        "circle" };
const size_t ExodusEditWordCount = sizeof(ExodusEditWords) / sizeof(ExodusEditWords[0]);

ExodusMeshToWrite ExodusEditBaseMesh()
{
  ExodusMeshToWrite mesh = TwoBlockMesh();
  ExodusBlockToWrite empty;
  empty.id = 30;
  empty.elementType = "NULL";
  mesh.blocks.push_back(empty);
  return mesh;
}

namespace
{
const nc_type classicTypes[] = { NC_BYTE, NC_CHAR, NC_SHORT, NC_INT, NC_FLOAT, NC_DOUBLE };

// Up to 2032: long enough to overrun any fixed buffer of the library, short
// enough that an overrun stays within the stack, where the sanitizer reports
// it and the fuzzer keeps the input.
size_t Length(uint8_t value)
{
  return value < 128 ? value : (value - 128u) * 16u;
}

// The values repeated, or cut, to count values of size bytes.
std::string Resized(const std::string& values, size_t count, size_t size)
{
  std::string resized;
  resized.reserve(count * size);
  while (resized.size() < count * size)
  {
    resized += values.empty() ? std::string(size, 'A') : values;
  }
  resized.resize(count * size);
  return resized;
}

std::vector<NetCDFAttribute>* Owner(NetCDFModel& model, uint8_t owner)
{
  size_t choice = owner % (model.variables.size() + 1);
  return choice == 0 ? &model.attributes : &model.variables[choice - 1].attributes;
}

NetCDFAttribute* Attribute(NetCDFModel& model, uint8_t owner, uint8_t attribute)
{
  std::vector<NetCDFAttribute>* list = Owner(model, owner);
  return list->empty() ? nullptr : &(*list)[attribute % list->size()];
}

void Retype(std::string& values, nc_type& type, nc_type to)
{
  size_t count = values.size() / NetCDFTypeSize(type);
  values = Resized(values, count, NetCDFTypeSize(to));
  type = to;
}

void SetVariableValue(NetCDFVariable& variable, uint8_t index, uint8_t value)
{
  size_t size = NetCDFTypeSize(variable.type);
  size_t count = variable.values.size() / size;
  if (count == 0)
  {
    return;
  }
  size_t at = (index % count) * size;
  auto number = static_cast<int8_t>(value);
  std::string bytes(size, '\0');
  if (variable.type == NC_FLOAT || variable.type == NC_DOUBLE)
  {
    float f = number;
    double d = number;
    bytes.assign(size == 4 ? reinterpret_cast<char*>(&f) : reinterpret_cast<char*>(&d), size);
  }
  else
  {
    long long n = number;
    bytes.assign(reinterpret_cast<char*>(&n), size);  // little-endian: the low bytes
  }
  variable.values.replace(at, size, bytes);
}

void Apply(NetCDFModel& model, uint8_t edit, uint8_t a, uint8_t b, uint8_t c)
{
  size_t variables = model.variables.size(), dimensions = model.dimensions.size();
  NetCDFAttribute* attribute = Attribute(model, a, b);
  switch (edit % ExodusEditCount)
  {
    case ResizeAttribute:
      if (attribute)
      {
        size_t size = NetCDFTypeSize(attribute->type);
        attribute->values = Resized(attribute->values, Length(c), size);
      }
      break;
    case RetypeAttribute:
      if (attribute)
      {
        Retype(attribute->values, attribute->type, classicTypes[c % 6]);
      }
      break;
    case SetAttributeText:
      if (attribute)
      {
        *attribute = NetCDFText(attribute->name, ExodusEditWords[c % ExodusEditWordCount]);
      }
      break;
    case AddAttribute:
      Owner(model, a)->push_back(
        NetCDFText(ExodusEditWords[b % ExodusEditWordCount], Resized("", Length(c), 1)));
      break;
    case DropAttribute:
      if (attribute)
      {
        std::vector<NetCDFAttribute>* list = Owner(model, a);
        list->erase(list->begin() + (attribute - list->data()));
      }
      break;
    case ResizeDimension:
      if (dimensions > 0)
      {
        model.dimensions[a % dimensions].length = b | static_cast<size_t>(c) << 8;
      }
      break;
    case RetypeVariable:
      if (variables > 0)
      {
        NetCDFVariable& variable = model.variables[a % variables];
        Retype(variable.values, variable.type, classicTypes[b % 6]);
      }
      break;
    case SetValue:
      if (variables > 0)
      {
        SetVariableValue(model.variables[a % variables], b, c);
      }
      break;
    case SwapVariableNames:
      if (variables > 0)
      {
        std::swap(model.variables[a % variables].name, model.variables[b % variables].name);
      }
      break;
    case SwapDimensionNames:
      if (dimensions > 0)
      {
        std::swap(model.dimensions[a % dimensions].name, model.dimensions[b % dimensions].name);
      }
      break;
    case SetVariableDimension:
      if (variables > 0 && !model.variables[a % variables].dimensions.empty())
      {
        std::vector<int>& shape = model.variables[a % variables].dimensions;
        shape[b % shape.size()] = static_cast<int>(c % dimensions);
      }
      break;
  }
}
}

std::string EncodeExodusEdit(ExodusEdit edit, uint8_t first, uint8_t second, uint8_t third)
{
  return { static_cast<char>(edit),
           static_cast<char>(first),
           static_cast<char>(second),
           static_cast<char>(third) };
}

void ApplyExodusEdits(const uint8_t* data, size_t size, NetCDFModel& model)
{
  if (size == 0)
  {
    return;
  }
  model.createMode = NC_CLOBBER | (data[0] % 2 ? NC_64BIT_OFFSET : 0);
  for (size_t at = 1; at + 4 <= size; at += 4)
  {
    Apply(model, data[at], data[at + 1], data[at + 2], data[at + 3]);
  }
}
