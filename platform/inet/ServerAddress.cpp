#include "platform/inet/ServerAddress.h"

#include <cstdlib>

void SplitServerAddress(const CString& server, INTERNET_PORT defaultPort, CString& host,
                        INTERNET_PORT& port) {
    host = server;
    port = defaultPort;
    int colon = server.ReverseFind(':');
    if (colon <= 0 || server.Find(':') != colon)
        return;
    int given = std::atoi(server.Mid(colon + 1));
    if (given > 0 && given < 65536) {
        host = server.Left(colon);
        port = static_cast<INTERNET_PORT>(given);
    }
}
