#include "platform/inet/CurlLibrary.h"

#include <curl/curl.h>

void InitCurlLibraryOnce() {
    static const bool initialised = [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        return true;
    }();
    (void)initialised;
}
