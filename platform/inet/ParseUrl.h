#pragma once
// Taking a URL apart into the pieces a connection and a request need.

#include "platform/core/CString.h"
#include "platform/inet/InternetTypes.h"

// Splits "scheme://[user[:password]@]host[:port][/path][?query][#fragment]" into its service
// (AFX_INET_SERVICE_HTTP, _HTTPS, _FTP, _FILE, else _UNK), server, object (path and query,
// "/" when there is none; the fragment is dropped) and port (the scheme's own when none is
// given). FALSE when the text has no scheme or host or its port is not a number.
BOOL AfxParseURL(LPCTSTR pstrURL, DWORD& dwServiceType, CString& strServer, CString& strObject,
                 INTERNET_PORT& nPort);
