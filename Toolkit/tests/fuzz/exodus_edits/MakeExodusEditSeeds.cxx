// Writes the seed corpus of the structure-aware Exodus fuzz target: the
// valid mesh in both formats and one edit of each kind on the parts of the
// file the reader depends on.
//
//   MakeExodusEditSeeds <corpus directory>
#include "ExodusEdits.h"

#include <cstdio>
#include <fstream>

namespace
{
NetCDFModel model;

// 1 + the position of the variable (an attribute owner), as an operand.
uint8_t Variable(const char* name)
{
  for (size_t v = 0; v < model.variables.size(); ++v)
  {
    if (model.variables[v].name == name)
    {
      return static_cast<uint8_t>(v);
    }
  }
  fprintf(stderr, "the mesh has no variable %s\n", name);
  exit(1);
}

uint8_t Owner(const char* variable)
{
  return static_cast<uint8_t>(Variable(variable) + 1);
}

uint8_t Dimension(const char* name)
{
  for (size_t d = 0; d < model.dimensions.size(); ++d)
  {
    if (model.dimensions[d].name == name)
    {
      return static_cast<uint8_t>(d);
    }
  }
  fprintf(stderr, "the mesh has no dimension %s\n", name);
  exit(1);
}

uint8_t AttributeOf(const std::vector<NetCDFAttribute>& list, const char* name)
{
  for (size_t a = 0; a < list.size(); ++a)
  {
    if (list[a].name == name)
    {
      return static_cast<uint8_t>(a);
    }
  }
  fprintf(stderr, "the mesh has no attribute %s\n", name);
  exit(1);
}

uint8_t Word(const char* word)
{
  for (size_t w = 0; w < ExodusEditWordCount; ++w)
  {
    if (std::string(ExodusEditWords[w]) == word)
    {
      return static_cast<uint8_t>(w);
    }
  }
  fprintf(stderr, "no edit word %s\n", word);
  exit(1);
}
}

int main(int argc, char* argv[])
{
  if (argc != 2)
  {
    fprintf(stderr, "Usage: %s corpus_directory\n", argv[0]);
    return 1;
  }
  std::string base = std::string(argv[1]) + "/base.exo", reason;
  if (!WriteExodusMesh(base, ExodusEditBaseMesh(), ExodusFileFormat::NetCDFClassic, reason) ||
      !ReadNetCDFModel(base, model, reason))
  {
    fprintf(stderr, "%s\n", reason.c_str());
    return 1;
  }
  remove(base.c_str());
  uint8_t elemType = AttributeOf(model.variables[Variable("connect2")].attributes, "elem_type");
  uint8_t title = AttributeOf(model.attributes, "title");
  const struct
  {
    const char* name;
    std::string program;
  } seeds[] = {
    { "valid-classic", std::string(1, '\0') },
    { "valid-64bit", std::string(1, '\1') },
    { "nsided-block",
      '\0' + EncodeExodusEdit(SetAttributeText, Owner("connect2"), elemType, Word("NSIDED")) },
    { "longer-element-type",
      '\0' + EncodeExodusEdit(ResizeAttribute, Owner("connect2"), elemType, 16) },
    { "numeric-element-type",
      '\0' + EncodeExodusEdit(RetypeAttribute, Owner("connect2"), elemType, 3) },
    { "no-element-type", '\0' + EncodeExodusEdit(DropAttribute, Owner("connect2"), elemType, 0) },
    { "longer-title", '\0' + EncodeExodusEdit(ResizeAttribute, 0, title, 60) },
    { "version-as-text", '\0' + EncodeExodusEdit(AddAttribute, 0, Word("version"), 2) },
    { "more-nodes", '\1' + EncodeExodusEdit(ResizeDimension, Dimension("num_nodes"), 200, 0) },
    { "node-out-of-range", '\0' + EncodeExodusEdit(SetValue, Variable("connect1"), 3, 7) },
    { "repeated-block-id", '\0' + EncodeExodusEdit(SetValue, Variable("eb_prop1"), 1, 10) },
    { "float-coordinates", '\0' + EncodeExodusEdit(RetypeVariable, Variable("coord"), 4, 0) },
    { "swapped-connectivity",
      '\0' + EncodeExodusEdit(SwapVariableNames, Variable("connect1"), Variable("connect2"), 0) },
    { "swapped-block-sizes",
      '\0' + EncodeExodusEdit(
               SwapDimensionNames, Dimension("num_el_in_blk1"), Dimension("num_el_in_blk2"), 0) },
    { "connectivity-reshaped",
      '\0' + EncodeExodusEdit(
               SetVariableDimension, Variable("connect1"), 0, Dimension("num_el_in_blk2")) },
  };
  for (const auto& seed : seeds)
  {
    std::ofstream file(std::string(argv[1]) + "/" + seed.name, std::ios::binary);
    file << seed.program;
    if (!file.flush())
    {
      fprintf(stderr, "cannot write %s\n", seed.name);
      return 1;
    }
  }
  return 0;
}
