// Addresses and paths of imported sites: URLs taken apart and put together, the local names a
// retrieved URL may have, and local paths in the name table's one form.
#include "content/import/QZImportPaths.h"
#include "content/import/QZImportURL.h"

#include <gtest/gtest.h>

namespace {

TEST(ImportURLTest, URLsAreTakenApartIntoANormalForm) {
    struct Case {
        const char* url;
        const char* formatted; // "" when the URL is refused
        const char* server;
    } cases[] = {
        {"http://Example.COM/a/b.html", "http://example.com/a/b.html", "example.com"},
        {"http://h:80/x", "http://h/x", "h"},
        {"http://h:8080", "http://h:8080/", "h:8080"},
        {"https://h/a/", "https://h/a/", "h"},
        {"https://h:80/a", "https://h:80/a", "h:80"},
        {"http://h/a/./b/../c.html?q=1#f", "http://h/a/c.html", "h"},
        {"http://h/a/%2e%2e/%7Euser/%41%2f", "http://h/~user/A%2f", "h"},
        {"http://h/../../x", "http://h/x", "h"},
        {"http://h/a//b", "http://h/a//b", "h"},
        {"ftp://h/a.html", "", ""},
        {"h/a.html", "", ""},
        {"http://h:port/a", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        QZImportURL url;
        BOOL parsed = url.Parse(c.url);
        EXPECT_EQ(parsed != FALSE, *c.formatted != '\0');
        if (parsed) {
            EXPECT_EQ(url.Format().str(), c.formatted);
            EXPECT_EQ(url.Server().str(), c.server);
        }
    }
}

TEST(ImportURLTest, ADirectoryIsThePathUpToItsLastSlash) {
    QZImportURL url;
    ASSERT_TRUE(url.Parse("http://h/a/b/c.html"));
    EXPECT_EQ(url.Directory().str(), "/a/b");
    ASSERT_TRUE(url.Parse("http://h/"));
    EXPECT_EQ(url.Directory().str(), "");
}

TEST(ImportPathsTest, OnlySafeSegmentsMakeALocalName) {
    struct Case {
        const char* relative;
        const char* segments; // joined with "|"; "" when refused
    } cases[] = {
        {"index.html", "index.html"},
        {"sub/x/q.html", "sub|x|q.html"},
        {"my%20page.html", "my page.html"},
        {"a//b.html", ""},
        {"./a.html", ""},
        {"%2e%2e/a.html", ""},
        {"a/..%2f..%2fb.html", ""},
        {"a%5cb.html", ""},
        {"c%3ad.html", ""},
        {"c:d.html", ""},
        {"n%00.html", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.relative);
        std::vector<CString> segments;
        BOOL safe = SafeLocalSegments(c.relative, segments);
        std::string joined;
        for (const CString& segment : segments)
            joined += (joined.empty() ? "" : "|") + segment.str();
        EXPECT_EQ(safe != FALSE, *c.segments != '\0');
        if (safe) {
            EXPECT_EQ(joined, c.segments);
        }
    }
}

TEST(ImportPathsTest, LocalPathsAreLexicallyNormal) {
    EXPECT_EQ(NormaliseLocalPath("/site/sub/../pics/./a.gif").str(), "/site/pics/a.gif");
    EXPECT_EQ(NormaliseLocalPath("/site//sub/").str(), "/site/sub");
    EXPECT_EQ(NormaliseLocalPath("/../x").str(), "/x");
    EXPECT_EQ(NormaliseLocalPath("/").str(), "/");
}

} // namespace
