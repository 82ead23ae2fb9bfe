#pragma once
// A server as the system's settings name it: "host" or "host:port".

#include "platform/core/CString.h"
#include "platform/inet/InternetTypes.h"

// Splits "host:port" into its host and port; a server without a valid port keeps the
// default port given (and its whole text as host).
void SplitServerAddress(const CString& server, INTERNET_PORT defaultPort, CString& host,
                        INTERNET_PORT& port);
