// The role a second copy of this test program plays for the tree tests: another user who
// holds one object open for editing until told to let go.
#include "content/CreateVantrelObject.h"
#include "content/QZAttributes.h"
#include "tests/db/SiteDatabaseFixture.h"
#include "tests/support/ChildProcess.h"

#include <memory>
#include <string>

namespace {

// Opens the site database of MQ_CHILD_DB as user 5:200, loads the object of MQ_CHILD_TYPE and
// MQ_CHILD_ID (DbID 5) with a claim, writes "claimed" in MQ_CHILD_DIR and waits for "release".
void HoldObjectRole() {
    CVantrel3App& app = TestApp();
    app.m_VantrelDb.SetDatabasePath(ChildSetting("DB").c_str());
    ASSERT_EQ(app.m_VantrelDb.OpenDatabase(0), 1);
    app.GetUserKey().SetKey(5, 200);
    QZKeyCombo key(5, std::stoi(ChildSetting("ID")),
                   static_cast<SHORT>(std::stoi(ChildSetting("TYPE"))));
    std::unique_ptr<QZVantrelBase> held(key.m_ObjectType == OBJ_STYLE ? new QZAttributes(key, TRUE)
                                                                      : CreateVantrelObject(key));
    ASSERT_NE(held, nullptr);
    std::string dir = ChildSetting("DIR");
    WriteFileAtomically(dir + "/claimed", held->m_bEditable ? "1" : "0");
    WaitForFile(dir + "/release");
    held.reset();
    app.m_VantrelDb.Close();
}

MQ_CHILD_ROLE("tree-hold", HoldObjectRole);

} // namespace
