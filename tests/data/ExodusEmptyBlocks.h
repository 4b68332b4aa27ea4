// Writes Exodus II files of many element blocks without elements over many
// nodes: the shape that once made the reader's work grow with blocks times
// nodes. Written through NetCDFModel, from a one-block file of the Exodus II
// library, so that a million blocks take seconds rather than the library's
// block-by-block definitions.
#ifndef ZEB_EXODUS_EMPTY_BLOCKS_H
#define ZEB_EXODUS_EMPTY_BLOCKS_H

#include <cstddef>
#include <string>

// A 64-bit-offset file of `nodes` nodes at the origin and `blocks` empty
// blocks with ids 1, 2, 3, ... On failure gives false and a one-line reason.
bool WriteExodusEmptyBlocks(const std::string& path,
                            size_t nodes,
                            size_t blocks,
                            std::string& reason);

#endif
