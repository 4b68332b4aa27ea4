// Reading the mesh of an Exodus II file with the Exodus II library, and its
// element blocks with netCDF underneath it, checking that what the file says
// fits together.
#include "zebExodusIIMesh.h"
#include "zebExodusIILibrary.h"
#include "zebExodusIIShapes.h"
#include "zebNetCDFHeader.h"

#include <zebUnstructuredGrid.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <set>

const char* const zebExodusIINotEnoughMemory = "not enough memory to read the file";

namespace
{
// What a file's declared sizes must fit in. A netCDF classic-family file
// holds every value of its variables, at least 4 bytes each, so its size
// bounds them; a netCDF-4 (HDF5) file may hold them compressed, or not at
// all until written, so only the memory the reader may take bounds them.
struct SizeBounds
{
  bool Classic;
  uint64_t FileBytes;
  uint64_t MemoryBytes;
  uint64_t DeclaredFileBytes = 0;
  uint64_t DeclaredMemoryBytes = 0;
};

// Memory the reader and its output take for each node (its coordinates,
// its point in a block's grid, its ids), each value of connectivity and
// each element, with room to spare.
const uint64_t memoryPerNode = 96;
const uint64_t memoryPerConnectivityValue = 24;
const uint64_t memoryPerElement = 48;
const uint64_t memoryPerBlock = 4096;

// The memory this process may take: physical memory, or less when its
// address space is limited.
uint64_t MemoryBytes()
{
  long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
  uint64_t bytes = pages > 0 && pageSize > 0
                     ? static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize)
                     : UINT64_MAX;
  struct rlimit limit;
  if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
  {
    bytes = std::min(bytes, static_cast<uint64_t>(limit.rlim_cur));
  }
  return bytes;
}

// count * each, or UINT64_MAX when that does not fit.
uint64_t Times(int64_t count, uint64_t each)
{
  uint64_t n = static_cast<uint64_t>(std::max<int64_t>(count, 0));
  return each != 0 && n > UINT64_MAX / each ? UINT64_MAX : n * each;
}

// Adds a declared size to the totals; false, with reason set to "<what>
// declares <what is declared>, more than ...", when the file or memory
// cannot hold the totals.
bool Declare(SizeBounds& bounds,
             const std::string& who,
             const std::string& declared,
             uint64_t fileBytes,
             uint64_t memoryBytes,
             std::string& reason)
{
  bounds.DeclaredFileBytes = std::min(UINT64_MAX - fileBytes, bounds.DeclaredFileBytes) + fileBytes;
  bounds.DeclaredMemoryBytes =
    std::min(UINT64_MAX - memoryBytes, bounds.DeclaredMemoryBytes) + memoryBytes;
  if (bounds.Classic && bounds.DeclaredFileBytes > bounds.FileBytes)
  {
    reason = who + " declares " + declared + ", more than its " + std::to_string(bounds.FileBytes) +
             " bytes can hold";
    return false;
  }
  if (bounds.DeclaredMemoryBytes > bounds.MemoryBytes)
  {
    reason = who + " declares " + declared + ", more than memory can hold (" +
             std::to_string(bounds.MemoryBytes >> 20) + " MiB)";
    return false;
  }
  return true;
}
}

int zebExodusIICellType(const std::string& elementType)
{
  std::string prefix;
  for (size_t i = 0; i < elementType.size() && i < 3; ++i)
  {
    prefix += static_cast<char>(toupper(static_cast<unsigned char>(elementType[i])));
  }
  static const struct
  {
    const char* prefix;
    int type;
  } types[] = { { "HEX", ZEB_HEXAHEDRON }, { "TET", ZEB_TETRA },  { "WED", ZEB_WEDGE },
                { "PYR", ZEB_PYRAMID },    { "QUA", ZEB_QUAD },   { "SHE", ZEB_QUAD },
                { "TRI", ZEB_TRIANGLE },   { "BAR", ZEB_LINE },   { "BEA", ZEB_LINE },
                { "TRU", ZEB_LINE },       { "SPH", ZEB_VERTEX }, { "CIR", ZEB_VERTEX } };
  for (const auto& known : types)
  {
    if (prefix == known.prefix)
    {
      return known.type;
    }
  }
  return ZEB_EMPTY_CELL;
}

// The points of a cell of the given type before any mid-side node.
static int64_t CornersOf(int cellType)
{
  switch (cellType)
  {
    case ZEB_VERTEX:
      return 1;
    case ZEB_LINE:
      return 2;
    case ZEB_TRIANGLE:
      return 3;
    case ZEB_QUAD:
    case ZEB_TETRA:
      return 4;
    case ZEB_PYRAMID:
      return 5;
    case ZEB_WEDGE:
      return 6;
    default:
      return 8;
  }
}

// Whether elements of nodes each can be of the element type: as many as the
// type's name ends in ("TETRA10"), else at least the corners of its kind.
static bool NodesFitType(const std::string& elementType, int cellType, int64_t nodes)
{
  size_t end = elementType.find_last_not_of(" \t");
  end = end == std::string::npos ? 0 : end + 1;
  size_t start = end;
  while (start > 0 && isdigit(static_cast<unsigned char>(elementType[start - 1])))
  {
    --start;
  }
  if (start == end)
  {
    return nodes >= CornersOf(cellType);
  }
  int64_t named = 0;
  for (size_t i = start; i < end && named <= nodes; ++i)
  {
    named = 10 * named + (elementType[i] - '0');
  }
  return named == nodes;
}

static bool ReadCoordinates(const zebExodusIIFunctions& ex,
                            int exoid,
                            int64_t dimensions,
                            zebExodusIIMesh& mesh)
{
  if (!zebExodusIICoordinatesFit(ex, exoid, dimensions, mesh.NumberOfNodes))
  {
    return false;
  }
  size_t nodes = static_cast<size_t>(mesh.NumberOfNodes);
  mesh.X.assign(nodes, 0.0);
  mesh.Y.assign(nodes, 0.0);
  mesh.Z.assign(nodes, 0.0);
  if (nodes == 0)
  {
    return true;
  }
  return ex.GetCoord(exoid,
                     mesh.X.data(),
                     dimensions > 1 ? mesh.Y.data() : nullptr,
                     dimensions > 2 ? mesh.Z.data() : nullptr) >= 0;
}

// The length of the dimension called name; false when the file has none.
static bool DimensionLength(const zebExodusIIFunctions& ex,
                            int exoid,
                            const std::string& name,
                            int64_t& length)
{
  int dimid = -1;
  size_t value = 0;
  if (ex.InqDimid(exoid, name.c_str(), &dimid) != NC_NOERR ||
      ex.InqDimlen(exoid, dimid, &value) != NC_NOERR || value > INT64_MAX)
  {
    return false;
  }
  length = static_cast<int64_t>(value);
  return true;
}

// The sizes and element type of the block at the given 0-based position, where
// the library keeps them for block n = position + 1: the dimensions
// "num_el_in_blk<n>" and "num_nod_per_el<n>" and the attribute "elem_type" of
// "connect<n>"; a block whose state is 0 has no elements. Read with netCDF by
// position, because the library's calls find a block by searching the ids on
// every call, which makes a file of many blocks take time in blocks squared.
static bool ReadBlockSizes(const zebExodusIIFunctions& ex,
                           int exoid,
                           int64_t position,
                           int state,
                           zebExodusIIElementBlock& block,
                           std::string& reason)
{
  std::string n = std::to_string(position + 1);
  if (state == 0)
  {
    block.ElementType = "NULL";
    return true;
  }
  if (!DimensionLength(ex, exoid, "num_el_in_blk" + n, block.NumberOfElements) ||
      !DimensionLength(ex, exoid, "num_nod_per_el" + n, block.NodesPerElement) ||
      (block.NodesPerElement > 0 && block.NumberOfElements > INT64_MAX / block.NodesPerElement))
  {
    reason = "cannot read the sizes of element block " + std::to_string(block.Id);
    return false;
  }
  // Zeroed, so that the text ends within the buffer; its length is checked
  // first.
  char type[MAX_STR_LENGTH + 1];
  memset(type, 0, sizeof(type));
  int varid = -1;
  if (!zebExodusIIElementTypeFits(ex, exoid, position, reason))
  {
    return false;
  }
  // A block without connectivity or type is of no kind the reader reads.
  if (ex.InqVarid(exoid, ("connect" + n).c_str(), &varid) == NC_NOERR &&
      ex.GetAttText(exoid, varid, "elem_type", type) != NC_NOERR)
  {
    memset(type, 0, sizeof(type));
  }
  block.ElementType = type;
  return true;
}

// Reads the block at the given position in file order.
static bool ReadBlock(const zebExodusIIFunctions& ex,
                      int exoid,
                      int64_t nodes,
                      int64_t position,
                      int state,
                      SizeBounds& bounds,
                      zebExodusIIElementBlock& block,
                      std::string& reason)
{
  std::string name = "element block " + std::to_string(block.Id);
  if (!ReadBlockSizes(ex, exoid, position, state, block, reason))
  {
    return false;
  }
  block.CellType = zebExodusIICellType(block.ElementType);
  block.Skipped = block.NumberOfElements > 0 &&
                  (block.CellType == ZEB_EMPTY_CELL ||
                   !NodesFitType(block.ElementType, block.CellType, block.NodesPerElement));
  if (block.Skipped)
  {
    return true;
  }
  int64_t values = block.NumberOfElements * block.NodesPerElement;
  if (!Declare(bounds,
               name,
               std::to_string(block.NumberOfElements) + " elements of " +
                 std::to_string(block.NodesPerElement) + " nodes",
               // Its connectivity values, 4 bytes or more each; a block of
               // elements without nodes may have no more than the file has
               // words.
               Times(std::max(values, block.NumberOfElements), 4),
               Times(values, memoryPerConnectivityValue) +
                 Times(block.NumberOfElements, memoryPerElement),
               reason))
  {
    return false;
  }
  if (block.NumberOfElements * block.NodesPerElement > 0 &&
      !zebExodusIIConnectivityFits(
        ex, exoid, position, block.NumberOfElements, block.NodesPerElement))
  {
    reason = "the connectivity of " + name + " does not match its sizes";
    return false;
  }
  block.Connectivity.resize(static_cast<size_t>(block.NumberOfElements * block.NodesPerElement));
  if (block.Connectivity.empty())
  {
    return true;
  }
  int varid = -1;
  static_assert(sizeof(long long) == sizeof(int64_t), "connectivity values are read as long long");
  if (ex.InqVarid(exoid, ("connect" + std::to_string(position + 1)).c_str(), &varid) != NC_NOERR ||
      ex.GetVarLonglong(exoid, varid, reinterpret_cast<long long*>(block.Connectivity.data())) !=
        NC_NOERR)
  {
    reason = "cannot read the connectivity of " + name;
    return false;
  }
  for (int64_t node : block.Connectivity)
  {
    if (node < 1 || node > nodes)
    {
      reason = name + " uses node " + std::to_string(node) + ", outside the node list 1.." +
               std::to_string(nodes);
      return false;
    }
  }
  return true;
}

static bool ReadMesh(const zebExodusIIFunctions& ex,
                     int exoid,
                     SizeBounds& bounds,
                     zebExodusIIMesh& mesh,
                     std::string& reason)
{
  ex.SetInt64Status(exoid, EX_ALL_INT64_API);
  char title[MAX_LINE_LENGTH + 1] = "";
  int64_t dimensions = 0, elements = 0, blocks = 0, nodeSets = 0, sideSets = 0;
  if (ex.GetInit(
        exoid, title, &dimensions, &mesh.NumberOfNodes, &elements, &blocks, &nodeSets, &sideSets) <
        0 ||
      mesh.NumberOfNodes < 0 || blocks < 0)
  {
    reason = "cannot read the mesh sizes";
    return false;
  }
  // Every node has at least one coordinate in the file.
  if (!Declare(
        bounds,
        "the file",
        std::to_string(mesh.NumberOfNodes) + " nodes",
        Times(mesh.NumberOfNodes, 4 * static_cast<uint64_t>(std::max<int64_t>(dimensions, 1))),
        Times(mesh.NumberOfNodes, memoryPerNode),
        reason) ||
      !Declare(bounds,
               "the file",
               std::to_string(blocks) + " element blocks",
               Times(blocks, 4),
               Times(blocks, memoryPerBlock),
               reason))
  {
    return false;
  }
  if (!ReadCoordinates(ex, exoid, dimensions, mesh))
  {
    reason = "cannot read the node coordinates";
    return false;
  }
  if (!zebExodusIIBlockIdsFit(ex, exoid, blocks))
  {
    reason = "cannot read the element block ids";
    return false;
  }
  std::vector<int64_t> ids(static_cast<size_t>(blocks));
  if (blocks > 0 && ex.GetIds(exoid, EX_ELEM_BLOCK, ids.data()) < 0)
  {
    reason = "cannot read the element block ids";
    return false;
  }
  // Blocks are known by their ids: a file that repeats one is refused.
  if (std::set<int64_t>(ids.begin(), ids.end()).size() != ids.size())
  {
    reason = "the element block ids repeat";
    return false;
  }
  // Each block's state, 0 for a block without elements; a file without
  // states has no such block.
  std::vector<int> states(ids.size(), 1);
  int statesId = -1;
  if (blocks > 0 && ex.InqVarid(exoid, "eb_status", &statesId) == NC_NOERR &&
      ex.GetVarInt(exoid, statesId, states.data()) != NC_NOERR)
  {
    reason = "cannot read the element block states";
    return false;
  }
  mesh.Blocks.resize(ids.size());
  for (size_t b = 0; b < ids.size(); ++b)
  {
    mesh.Blocks[b].Id = ids[b];
    if (!ReadBlock(ex,
                   exoid,
                   mesh.NumberOfNodes,
                   static_cast<int64_t>(b),
                   states[b],
                   bounds,
                   mesh.Blocks[b],
                   reason))
    {
      return false;
    }
  }
  return true;
}

// Whether the library may be given the file: its netCDF header, if it has
// one, fits in it. The first mebibyte holds the header of every mesh file.
// Sets classic for a netCDF classic-family file and fileBytes to its size.
static bool HeaderFits(FILE* file, bool& classic, uint64_t& fileBytes)
{
  // Read in pieces, so that a small file takes little memory.
  std::string start;
  char piece[16384];
  size_t got = 0;
  while (start.size() < (1 << 20) && (got = fread(piece, 1, sizeof(piece), file)) > 0)
  {
    start.append(piece, got);
  }
  classic = start.compare(0, 3, "CDF") == 0;
  fileBytes = UINT64_MAX;
  if (ferror(file) || fseeko(file, 0, SEEK_END) != 0)
  {
    return true;
  }
  off_t size = ftello(file);
  if (size >= 0)
  {
    fileBytes = static_cast<uint64_t>(size);
  }
  return size < 0 || zebNetCDFHeaderFits(start, static_cast<uint64_t>(size));
}

// Whether the attributes that the library copies when it opens the file and
// reads its sizes fit its buffers; looked at with netCDF alone.
static bool GlobalAttributesFit(const zebExodusIIFunctions& ex,
                                const char* path,
                                std::string& reason)
{
  int ncid = -1;
  if (ex.NcOpen(path, NC_NOWRITE, &ncid) != NC_NOERR)
  {
    reason = "not an Exodus II file";
    return false;
  }
  bool fit = zebExodusIIGlobalAttributesFit(ex, ncid, reason);
  ex.NcClose(ncid);
  return fit;
}

bool zebReadExodusIIMesh(const char* path, zebExodusIIMesh& mesh, std::string& reason)
{
  FILE* file = fopen(path, "rb");
  if (!file)
  {
    reason = strerror(errno);
    return false;
  }
  SizeBounds bounds = { false, 0, MemoryBytes() };
  bool headerFits = HeaderFits(file, bounds.Classic, bounds.FileBytes);
  fclose(file);
  if (!headerFits)
  {
    reason = "not an Exodus II file: its netCDF header needs more than the file holds";
    return false;
  }
  const zebExodusIIFunctions* ex = zebLoadExodusIILibrary(reason);
  if (!ex || !GlobalAttributesFit(*ex, path, reason))
  {
    return false;
  }

  // The reader reports failures itself, in one line.
  ex->Opts(EX_DEFAULT);
  int computeWordSize = sizeof(double);
  int fileWordSize = 0;
  float version = 0;
  int exoid =
    ex->OpenInt(path, EX_READ, &computeWordSize, &fileWordSize, &version, EX_API_VERS_NODOT);
  if (exoid < 0)
  {
    reason = "not an Exodus II file";
    return false;
  }
  bool read = false;
  try
  {
    read = ReadMesh(*ex, exoid, bounds, mesh, reason);
  }
  catch (const std::bad_alloc&)
  {
    mesh = zebExodusIIMesh();
    reason = zebExodusIINotEnoughMemory;
  }
  ex->Close(exoid);
  return read;
}
