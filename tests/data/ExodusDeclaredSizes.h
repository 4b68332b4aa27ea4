// Writes small Exodus II files that declare far more nodes or elements than
// they hold: the netCDF header of a mesh of the declared sizes, with no node
// coordinates and no connectivity written. A netCDF-4 file stays small as it
// is (HDF5 stores nothing for data never written); a classic or 64-bit-offset
// file, whose header places every value, is cut to its first bytes, as a
// damaged download would be.
#ifndef ZEB_EXODUS_DECLARED_SIZES_H
#define ZEB_EXODUS_DECLARED_SIZES_H

#include "ExodusMeshWriter.h"

#include <cstdint>
#include <string>

// One element block (id 1, HEX8) of `elements` elements, when there are any,
// over `nodes` nodes. A classic-family file is cut to classicBytes bytes.
bool WriteExodusDeclaringSizes(const std::string& path,
                               ExodusFileFormat format,
                               int64_t nodes,
                               int64_t elements,
                               int64_t classicBytes,
                               std::string& reason);

#endif
