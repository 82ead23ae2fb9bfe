#pragma once
// What one retrieval of a remote site may take: URLs in a run, bytes of a file, bytes of a
// page's text scanned for links, and the waits for a connection and for data. Tests lower them.

#include "platform/core/Types.h"

struct QZRetrievalLimits {
    LONG maxURLs = 2000;
    long long maxFileBytes = 64LL * 1024 * 1024;
    long long maxScanBytes = 8LL * 1024 * 1024;
    DWORD connectTimeoutMs = 15000;
    DWORD idleTimeoutMs = 30000;
    // Redirections followed for one URL.
    int maxRedirections = 5;

    // The limits every retrieval uses; SetRetrievalLimits replaces them and returns the old.
    static const QZRetrievalLimits& Current();
};

QZRetrievalLimits SetRetrievalLimits(const QZRetrievalLimits& limits);
