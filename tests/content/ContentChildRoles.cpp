// The role a second copy of this test program plays (see tests/support/ChildProcess.h): a
// program copy that may log its user in and then holds objects loaded for editing.
#include "content/QZCurrentUsers.h"
#include "tests/content/ContentKinds.h"
#include "tests/db/SiteDatabaseFixture.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FixedClock.h"

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Opens the site database of MQ_CHILD_DB as the user of MQ_CHILD_USER, logs in at start-up
// when MQ_CHILD_LOGIN is 1 (the clock standing at MQ_CHILD_TIME), loads the objects of
// MQ_CHILD_KEYS ("type:id;type:id", DbID 5) for editing and writes to "claimed" in MQ_CHILD_DIR
// one digit for each, 1 when it came editable. Then it ends at once without letting go of
// anything (MQ_CHILD_DIE=1, as a program that crashed) or waits for "release" and ends cleanly.
void HoldRole() {
    std::string time = ChildSetting("TIME");
    FixedClock clock(time.empty() ? std::time(nullptr) : std::atoll(time.c_str()));
    CVantrel3App& app = TestApp();
    app.m_VantrelDb.SetDatabasePath(ChildSetting("DB").c_str());
    ASSERT_EQ(app.m_VantrelDb.OpenDatabase(0), 1);
    app.GetUserKey() = QZKeyCombo(CString(ChildSetting("USER").c_str()));
    if (ChildSetting("LOGIN") == "1")
        QZCurrentUsers(&app.m_VantrelDb).LogInAtStartup(app.GetUserKey());

    std::vector<std::unique_ptr<QZVantrelBase>> held;
    std::string editable;
    std::stringstream keys(ChildSetting("KEYS"));
    for (std::string item; std::getline(keys, item, ';');) {
        if (item.empty())
            continue;
        size_t colon = item.find(':');
        auto type = static_cast<SHORT>(std::stoi(item.substr(0, colon)));
        QZKeyCombo key(5, std::stoi(item.substr(colon + 1)), type);
        held.push_back(ContentKindOf(type).load(key, TRUE));
        editable += held.back()->m_bEditable ? "1" : "0";
    }
    std::string dir = ChildSetting("DIR");
    WriteFileAtomically(dir + "/claimed", editable);
    if (ChildSetting("DIE") == "1")
        _exit(0);
    WaitForFile(dir + "/release");
    held.clear();
    app.m_VantrelDb.Close();
}

MQ_CHILD_ROLE("hold", HoldRole);

} // namespace
