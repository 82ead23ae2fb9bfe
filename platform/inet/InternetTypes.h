#pragma once
// The constants of the internet calls the system makes, with the original's numbers.

#include "platform/core/Types.h"

using INTERNET_PORT = WORD;
using DWORD_PTR = uintptr_t;

constexpr INTERNET_PORT INTERNET_INVALID_PORT_NUMBER = 0;
constexpr INTERNET_PORT INTERNET_DEFAULT_FTP_PORT = 21;

// Access types of a session: the system's configured access is the only one used.
constexpr DWORD INTERNET_OPEN_TYPE_PRECONFIG = 0;
constexpr DWORD PRE_CONFIG_INTERNET_ACCESS = INTERNET_OPEN_TYPE_PRECONFIG;

// How a remote file is opened and transferred.
constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;
constexpr DWORD FTP_TRANSFER_TYPE_ASCII = 0x00000001;
constexpr DWORD FTP_TRANSFER_TYPE_BINARY = 0x00000002;
