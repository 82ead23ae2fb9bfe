#pragma once
// Reading and writing one variable of a setup program's table, bounded by the table's own
// sizes: names are compared within the name width (an entry without its NUL there matches
// nothing), and nothing is read or written outside an entry or beyond the 256-byte buffers of
// the export. A table whose count exceeds its capacity, with more than 65,535 entries or
// without an area is not touched at all.

#include "setupext/SetupVariableTable.h"

#include <cstddef>

// The export's buffers: a value of at most 255 bytes and its NUL.
constexpr size_t kSetupValueBufferSize = 256;
// Entries are numbered with 16 bits.
constexpr uint32_t kMostSetupVariables = 65535;

// True when the table can be read and written at all.
bool IsUsableSetupTable(const SetupVariableTable* table);

// Puts the value of the variable `name` (without percent signs) into `buffer`; an empty string
// when the table has no such variable, is not usable, or the value has no closing NUL within
// its entry or is longer than 255 bytes. The first of two equal names counts.
void GetSetupVariable(const SetupVariableTable* table, const char* name,
                      char (&buffer)[kSetupValueBufferSize]);

// Replaces the value of the variable `name`, or appends the variable when the table has none
// and has room. Nothing is written when the value (with its NUL) does not fit its entry or the
// 256-byte buffer, or when an appended name (with its percent signs and NUL) does not fit its
// entry: a cut value would name something else. FALSE when nothing was written.
bool SetSetupVariable(SetupVariableTable* table, const char* name, const char* value);
