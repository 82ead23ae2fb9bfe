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

constexpr INTERNET_PORT INTERNET_DEFAULT_HTTP_PORT = 80;
constexpr INTERNET_PORT INTERNET_DEFAULT_HTTPS_PORT = 443;

// Request flags: fetch from the origin server, past any cache; keep the connection; do not
// follow redirections.
constexpr DWORD INTERNET_FLAG_RELOAD = 0x80000000;
constexpr DWORD INTERNET_FLAG_EXISTING_CONNECT = 0x20000000;
constexpr DWORD INTERNET_FLAG_NO_AUTO_REDIRECT = 0x00200000;
// The request goes over TLS (https).
constexpr DWORD INTERNET_FLAG_SECURE = 0x00800000;

// Options of a session, in milliseconds: the wait for a connection, and the longest wait for
// the answer to move at all.
constexpr DWORD INTERNET_OPTION_CONNECT_TIMEOUT = 2;
constexpr DWORD INTERNET_OPTION_RECEIVE_TIMEOUT = 6;

// What a session's status callback is told while a request waits for its answer.
constexpr DWORD INTERNET_STATUS_RECEIVING_RESPONSE = 40;

// What CHttpFile::QueryInfo reads of an answer: the Location header.
constexpr DWORD HTTP_QUERY_LOCATION = 33;

// How a request header is added: only when the request has none of that name, or always.
constexpr DWORD HTTP_ADDREQ_FLAG_ADD_IF_NEW = 0x10000000;
constexpr DWORD HTTP_ADDREQ_FLAG_ADD = 0x20000000;

constexpr DWORD HTTP_STATUS_OK = 200;

// The services a URL can name.
constexpr DWORD AFX_INET_SERVICE_FTP = 1;
constexpr DWORD AFX_INET_SERVICE_HTTP = 3;
constexpr DWORD AFX_INET_SERVICE_UNK = 0x1000;
constexpr DWORD AFX_INET_SERVICE_FILE = AFX_INET_SERVICE_UNK + 1;
constexpr DWORD AFX_INET_SERVICE_HTTPS = AFX_INET_SERVICE_UNK + 8;
