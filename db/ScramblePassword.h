#pragma once
// The reversible scrambling of the production FTP password as the Services table stores it.

#include "platform/core/CString.h"

// Reverses the characters and maps each byte: the low five bits mirrored, bits 5 and 6 swapped,
// bit 7 dropped. For seven-bit text the function is its own inverse.
CString ScramblePassword(CString text);
