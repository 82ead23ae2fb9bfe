#include "platform/core/Paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        const char* old = std::getenv(name);
        m_had = old != nullptr;
        if (old)
            m_old = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { m_had ? setenv(m_name, m_old.c_str(), 1) : unsetenv(m_name); }

private:
    const char* m_name;
    bool m_had = false;
    std::string m_old;
};

} // namespace

TEST(Paths, WindowsPathsMapUnderTheDriveRoot) {
    ScopedEnv root("MARQUILL_ROOT", "/srv/mq");
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"C:\\Marquill\\mq.mdb", "/srv/mq/Marquill/mq.mdb"},
        {"c:\\", "/srv/mq/"},
        {"D:Publish.mdb", "/srv/mq/Publish.mdb"},
        {"\\SYSTEM\\MQ.MDB", "/SYSTEM/MQ.MDB"},
        {"sub\\dir\\file.html", "sub/dir/file.html"},
        {"/home/user/site/mq.mdb", "/home/user/site/mq.mdb"},
        {"~/web\\site", "/srv/mq/web/site"},
        {"~", "/srv/mq"},
        {"~user/web", "~user/web"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(MapWindowsPath(c.in), c.out) << c.in;
}

TEST(Paths, DriveRootFallsBackToHomeWithoutOverride) {
    ScopedEnv root("MARQUILL_ROOT", nullptr);
    ScopedEnv home("HOME", "/home/tester");
    EXPECT_STREQ(MapWindowsPath("C:\\Marquill\\mq.mdb"), "/home/tester/Marquill/mq.mdb");
}

// Mapping a mapped path again must give it back unchanged, whatever the root holds, so a path
// that passes two entry points can never be turned into another.
TEST(Paths, AMappedPathMapsToItself) {
    const char* roots[] = {"/srv/mq", "/srv/odd\\name", "relative\\root", "/", "C:\\x"};
    const char* paths[] = {
        "C:\\Marquill\\mq.mdb", "c:",         "D:Publish.mdb", "\\SYSTEM\\MQ.MDB",
        "sub\\dir\\f.html",     "/home/a\\b", "rel/a",         ""};
    for (const char* r : roots) {
        ScopedEnv root("MARQUILL_ROOT", r);
        for (const char* p : paths) {
            CString once = MapWindowsPath(p);
            EXPECT_STREQ(MapWindowsPath(once), once) << r << " " << p;
        }
        EXPECT_EQ(GetDriveRootFolder()[0], '/') << r;
    }
    // A native root with parts joined the stored way.
    EXPECT_STREQ(MapWindowsPath("/srv/dev\\shop\\page.html"), "/srv/dev/shop/page.html");
}

TEST(Paths, ProgramDirectoryIsTheExecutablesFolder) {
    CString dir = GetProgramDirectory();
    EXPECT_FALSE(dir.IsEmpty());
    EXPECT_NE(dir[dir.GetLength() - 1], '/');
}
