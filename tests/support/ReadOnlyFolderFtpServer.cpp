#include "tests/support/ReadOnlyFolderFtpServer.h"

namespace {

const char* const kScript = R"(
import logging, sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import ThreadedFTPServer
logging.disable(logging.CRITICAL)
authorizer = DummyAuthorizer()
authorizer.add_user(sys.argv[2], sys.argv[3], sys.argv[1], perm="elradfmwMT")
authorizer.override_perm(sys.argv[2], sys.argv[4], perm="elr", recursive=True)
handler = type("Handler", (FTPHandler,), {"authorizer": authorizer, "auth_failed_timeout": 0})
server = ThreadedFTPServer(("127.0.0.1", 0), handler)
print(server.address[1], flush=True)
server.serve_forever()
)";

} // namespace

ReadOnlyFolderFtpServer::ReadOnlyFolderFtpServer(const std::string& root, const std::string& user,
                                                 const std::string& password,
                                                 const std::string& readOnly)
    : LocalTestServer(kScript, {root, user, password, readOnly}) {}
