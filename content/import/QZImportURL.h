#pragma once
// The address of a page of a retrieved site, taken apart: scheme, host, port and a normal
// path. Two addresses name the same place when these are equal; the path holds no "." or ".."
// segments and no escaped letters, digits or "-._~".

#include "platform/core/CString.h"
#include "platform/inet/InternetTypes.h"

struct QZImportURL {
    CString scheme; // "http" or "https"
    CString host;   // in lower case
    INTERNET_PORT port = 0;
    CString path; // from "/", without query or fragment

    // Takes an http or https URL apart; FALSE for another scheme or a URL that is not one.
    BOOL Parse(const CString& url);
    // "host" or "host:port" (the port only when it is not the scheme's own).
    CString Server() const;
    // scheme://server/path
    CString Format() const;
    // The path's directory, up to its last "/" and without it.
    CString Directory() const;
    // Same scheme, host and port.
    bool SameSite(const QZImportURL& other) const;
};

// The path with "%xx" escapes of letters, digits and "-._~" written as those characters, and
// its "." and ".." segments removed.
CString NormaliseURLPath(const CString& path);
