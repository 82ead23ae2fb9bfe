// Taking URLs apart into service, server, object and port.
#include "platform/inet/ParseUrl.h"

#include <gtest/gtest.h>

namespace {

struct UrlCase {
    const char* url;
    BOOL parsed;
    DWORD service;
    const char* server;
    const char* object;
    INTERNET_PORT port;
};

TEST(AfxParseURL, SplitsServiceServerObjectAndPort) {
    const UrlCase cases[] = {
        {"http://www.site.com/dir/page.html", TRUE, AFX_INET_SERVICE_HTTP, "www.site.com",
         "/dir/page.html", 80},
        {"HTTP://Site.com", TRUE, AFX_INET_SERVICE_HTTP, "Site.com", "/", 80},
        {"http://127.0.0.1:8080/a b.htm?x=1&y=2#top", TRUE, AFX_INET_SERVICE_HTTP, "127.0.0.1",
         "/a b.htm?x=1&y=2", 8080},
        {"http://host?q", TRUE, AFX_INET_SERVICE_HTTP, "host", "/?q", 80},
        {"  http://user:pw@host/p  ", TRUE, AFX_INET_SERVICE_HTTP, "host", "/p", 80},
        {"https://host/", TRUE, AFX_INET_SERVICE_HTTPS, "host", "/", 443},
        {"ftp://host:2121/pub/f.zip", TRUE, AFX_INET_SERVICE_FTP, "host", "/pub/f.zip", 2121},
        {"gopher://host/x", TRUE, AFX_INET_SERVICE_UNK, "host", "/x", 0},
        {"www.site.com/page.html", FALSE, AFX_INET_SERVICE_UNK, "", "", 0},
        {"http:///page.html", FALSE, AFX_INET_SERVICE_HTTP, "", "", 80},
        {"http://host:port/page.html", FALSE, AFX_INET_SERVICE_HTTP, "", "", 80},
        {"http://host:70000/", FALSE, AFX_INET_SERVICE_HTTP, "", "", 80},
        {"", FALSE, AFX_INET_SERVICE_UNK, "", "", 0},
    };
    for (const UrlCase& c : cases) {
        DWORD service = 99;
        CString server = "old";
        CString object = "old";
        INTERNET_PORT port = 1;
        EXPECT_EQ(AfxParseURL(c.url, service, server, object, port), c.parsed) << c.url;
        EXPECT_EQ(service, c.service) << c.url;
        if (c.parsed) {
            EXPECT_EQ(server.str(), c.server) << c.url;
            EXPECT_EQ(object.str(), c.object) << c.url;
            EXPECT_EQ(port, c.port) << c.url;
        }
    }
}

} // namespace
