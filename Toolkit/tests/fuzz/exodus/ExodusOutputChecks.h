// What the Exodus fuzz targets check in the reader's output.
#ifndef ZEB_EXODUS_OUTPUT_CHECKS_H
#define ZEB_EXODUS_OUTPUT_CHECKS_H

class zebMultiBlockDataSet;

// The output is either empty (a file the reader cannot read) or one block
// set of grids whose element ids count up within a grid and on from grid to
// grid (skipped blocks leave gaps), whose node ids are 1-based and whose
// cells use the grid's points. Ends the run on a failed check.
void checkExodusOutput(zebMultiBlockDataSet* output);

// Reads the file with implicit element and node ids, as exodus_tests does,
// and checks the output.
void readAndCheckExodusFile(const char* path);

#endif
