#include "content/QZLocalPath.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(QZLocalPath, JoinAddsOneSlashBetweenNonEmptyParts) {
    struct Case {
        const char* path;
        const char* part;
        const char* joined;
    } cases[] = {
        {"site", "news", "site/news"},
        {"", "news", "news"},
        {"site", "", "site"},
        {"", "", ""},
        {"C:\\web", "site", "C:\\web/site"},
        {"C:\\web\\", "site", "C:\\web\\site"},
        {"~/web/", "site", "~/web/site"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JoinLocalPath(c.path, c.part).str(), c.joined) << c.path << " + " << c.part;
}

TEST(QZLocalPath, FileUrlIsTheAbsoluteNativePath) {
    const char* previous = std::getenv("MARQUILL_ROOT");
    std::string saved = previous != nullptr ? previous : "";
    setenv("MARQUILL_ROOT", "/srv/mq", 1);
    EXPECT_EQ(LocalFileUrl("C:\\web/site/a.gif").str(), "file:///srv/mq/web/site/a.gif");
    EXPECT_EQ(LocalFileUrl("~/web/a.gif").str(), "file:///srv/mq/web/a.gif");
    EXPECT_EQ(LocalFileUrl("/var/www/a.gif").str(), "file:///var/www/a.gif");
    EXPECT_EQ(LocalFileUrl("site/a.gif").str(), "file:///site/a.gif");
    previous != nullptr ? setenv("MARQUILL_ROOT", saved.c_str(), 1) : unsetenv("MARQUILL_ROOT");
}

} // namespace
