// Checks, with the netCDF library underneath the Exodus II library, that the
// variables and attributes a read call copies have the size of the buffer
// they are copied into. The Exodus II calls, and netCDF's whole-variable and
// attribute reads, copy all the file holds into the caller's buffer, or into
// a fixed-size buffer of their own, without comparing its size with the
// counts they report or the buffer, so a file whose sizes disagree would make
// them write past the buffer.
#ifndef ZEB_EXODUS_II_SHAPES_H
#define ZEB_EXODUS_II_SHAPES_H

#include "zebExodusIILibrary.h"

#include <cstdint>
#include <string>

// The global attributes that opening a file and reading its sizes copy: the
// title, text of at most MAX_LINE_LENGTH characters, and the numbers that
// ex_open reads into one value each. ncid is the file opened with netCDF
// alone. False with a one-line reason.
bool zebExodusIIGlobalAttributesFit(const zebExodusIIFunctions& ex, int ncid, std::string& reason);

// The element type attribute ("elem_type") of the block at 0-based position
// `block` in file order, when it has one: text of at most MAX_STR_LENGTH
// characters. False with a one-line reason.
bool zebExodusIIElementTypeFits(const zebExodusIIFunctions& ex,
                                int exoid,
                                int64_t block,
                                std::string& reason);

// The node coordinates: "coordx", "coordy" and "coordz" each hold one value
// per node, and the older combined "coord" one per dimension and node. A
// file with nodes has "coordx" or "coord"; another variable the file lacks
// is left for the Exodus II library to report.
bool zebExodusIICoordinatesFit(const zebExodusIIFunctions& ex,
                               int exoid,
                               int64_t dimensions,
                               int64_t nodes);

// The element block ids ("eb_prop1") and states ("eb_status", which the
// library reads to find a block by its id): one per block.
bool zebExodusIIBlockIdsFit(const zebExodusIIFunctions& ex, int exoid, int64_t blocks);

// The connectivity of the block at 0-based position `block` in file order:
// elements by nodesPerElement values.
bool zebExodusIIConnectivityFits(const zebExodusIIFunctions& ex,
                                 int exoid,
                                 int64_t block,
                                 int64_t elements,
                                 int64_t nodesPerElement);

#endif
