#pragma once
// An FTP server on 127.0.0.1 like FtpTestServer whose user may list and read one folder of
// its home but not write there (the tests run with every right on the disk, so the refusal
// has to come from the server).

#include "tests/support/LocalTestServer.h"

class ReadOnlyFolderFtpServer : public LocalTestServer {
public:
    // `readOnly` is the full path of a folder inside `root`.
    ReadOnlyFolderFtpServer(const std::string& root, const std::string& user,
                            const std::string& password, const std::string& readOnly);
};
