// The edit programs of the structure-aware Exodus fuzz target: each input is
// a format byte and a list of 4-byte edits (operation, then three operands)
// applied to the netCDF model of a valid Exodus II file, so that the fuzzer
// mutates dimensions, attributes, types, lengths and values of a file that
// the netCDF library then writes, instead of the file's bytes.
#ifndef ZEB_EXODUS_EDITS_H
#define ZEB_EXODUS_EDITS_H

#include <ExodusMeshWriter.h>
#include <NetCDFModel.h>

#include <cstdint>
#include <string>

enum ExodusEdit : uint8_t
{
  // Attribute operands: owner (0 the file, n variable n - 1), attribute, value.
  ResizeAttribute,       // to value values, or (value - 128) * 16 from 128 up
  RetypeAttribute,       // to the value-th netCDF classic type
  SetAttributeText,      // to the value-th word of ExodusEditWords
  AddAttribute,          // named by the attribute-th word, value as for resizing
  DropAttribute,         // value unused
  ResizeDimension,       // dimension, low byte, high byte of the new length
  RetypeVariable,        // variable, type, unused
  SetValue,              // variable, index, value (as a signed byte)
  SwapVariableNames,     // variable, variable, unused
  SwapDimensionNames,    // dimension, dimension, unused
  SetVariableDimension,  // variable, which of its dimensions, dimension
  ExodusEditCount
};

// The texts edits put in place: element types and the attribute names the
// Exodus II library reads.
extern const char* const ExodusEditWords[];
extern const size_t ExodusEditWordCount;

// The mesh the edits start from: two tetrahedra sharing a face (block 10), a
// triangle (block 20) and a block without elements (block 30), written as a
// netCDF classic file.
ExodusMeshToWrite ExodusEditBaseMesh();

// The edit as input bytes.
std::string EncodeExodusEdit(ExodusEdit edit, uint8_t first, uint8_t second, uint8_t third);

// Applies the input's edits to model: the first byte picks classic (even) or
// 64-bit-offset (odd) files, every following 4 bytes are one edit.
void ApplyExodusEdits(const uint8_t* data, size_t size, NetCDFModel& model);

#endif
