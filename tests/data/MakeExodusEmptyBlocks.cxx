// Writes an Exodus II file of many empty element blocks over many nodes, for
// the reader's benchmark (bench/run.sh).
//
//   MakeExodusEmptyBlocks <nodes> <blocks> <file>
#include "ExodusEmptyBlocks.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
  if (argc != 4)
  {
    fprintf(stderr, "Usage: %s nodes blocks file\n", argv[0]);
    return 1;
  }
  std::string reason;
  if (!WriteExodusEmptyBlocks(
        argv[3], strtoul(argv[1], nullptr, 10), strtoul(argv[2], nullptr, 10), reason))
  {
    fprintf(stderr, "%s\n", reason.c_str());
    return 1;
  }
  return 0;
}
