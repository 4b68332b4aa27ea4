// Checks, with the netCDF library underneath the Exodus II library, that the
// variables an Exodus II read call fills have the shape of the buffer the
// reader gives it. The Exodus II calls read a whole variable into the
// caller's buffer without comparing its size with the counts they report, so
// a file whose variables disagree with its counts would make them write past
// the buffer.
#ifndef ZEB_EXODUS_II_SHAPES_H
#define ZEB_EXODUS_II_SHAPES_H

#include "zebExodusIILibrary.h"

#include <cstdint>

// The node coordinates: "coordx", "coordy" and "coordz" each hold one value
// per node, and the older combined "coord" one per dimension and node. A
// file with nodes has "coordx" or "coord"; another variable the file lacks
// is left for the Exodus II library to report.
bool zebExodusIICoordinatesFit(const zebExodusIIFunctions& ex,
                               int exoid,
                               int64_t dimensions,
                               int64_t nodes);

// The element block ids ("eb_prop1"): one per block.
bool zebExodusIIBlockIdsFit(const zebExodusIIFunctions& ex, int exoid, int64_t blocks);

// The connectivity of the block at 0-based position `block` in file order:
// elements by nodesPerElement values; its "elem_type" attribute is text that
// fits the library's type buffer.
bool zebExodusIIConnectivityFits(const zebExodusIIFunctions& ex,
                                 int exoid,
                                 int64_t block,
                                 int64_t elements,
                                 int64_t nodesPerElement);

#endif
