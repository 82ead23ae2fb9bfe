#pragma once
// The fixed-size types and small constants that the system's code is written in. The system's
// `long` is 32 bits wide; on Linux `long` is 64, so `LONG` and friends are spelled out here.

#include <cstddef>
#include <cstdint>

using BOOL = int;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = unsigned int;
using LONG = int32_t;
using ULONG = uint32_t;
using SHORT = int16_t;
using TCHAR = char;
using LPTSTR = char*;
using LPCTSTR = const char*;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using INT_PTR = intptr_t;
using UINT_PTR = uintptr_t;
using DATE = double;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// An opaque place in a list or map, as the collections hand it out.
struct MQPositionTag;
using POSITION = MQPositionTag*;

#ifndef BEFORE_START_POSITION
#define BEFORE_START_POSITION (reinterpret_cast<POSITION>(-1L))
#endif

#define _T(x) x
