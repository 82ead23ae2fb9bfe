// The roles a second copy of this test program plays (see ChildProcess.h). Started without a
// role, the test does nothing.
#include "tests/db/ChildProcess.h"
#include "tests/db/SiteDatabaseFixture.h"
#include "tests/db/TestAuthorRowSet.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

std::string Setting(const char* name) {
    const char* value = std::getenv((std::string("MQ_CHILD_") + name).c_str());
    return value != nullptr ? value : "";
}

// Opens the object of MQ_CHILD_KEY with a claim as the user of MQ_CHILD_USER, writes the open
// result to "claimed" in MQ_CHILD_DIR, then either ends at once without releasing anything
// (MQ_CHILD_DIE=1, as a program that crashed) or waits for "release" and ends cleanly.
void ClaimRole() {
    CVantrel3App& app = TestApp();
    app.m_VantrelDb.SetDatabasePath(Setting("DB").c_str());
    ASSERT_EQ(app.m_VantrelDb.OpenDatabase(0), 1);
    app.GetUserKey() = QZKeyCombo(CString(Setting("USER").c_str()));
    auto set = std::make_unique<TestAuthorRowSet>(&app.m_VantrelDb);
    int result = set->OpenByKey(QZKeyCombo(CString(Setting("KEY").c_str())),
                                "MQ_GetAuthorByDbID_AuthorID", 1);
    std::string dir = Setting("DIR");
    WriteFileAtomically(dir + "/claimed", std::to_string(result));
    if (Setting("DIE") == "1")
        _exit(0);
    WaitForFile(dir + "/release");
    set.reset();
    app.m_VantrelDb.Close();
}

TEST(ChildRole, Run) {
    std::string role = Setting("ROLE");
    if (role == "claim")
        ClaimRole();
    else
        EXPECT_TRUE(role.empty()) << "unknown role " << role;
}

} // namespace
