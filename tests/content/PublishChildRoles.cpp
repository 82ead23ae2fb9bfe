// Roles that a second copy of this test program plays while a production run goes on (see
// tests/support/ChildProcess.h): another user who changes an object, and another program that
// has a database file open.
#include "content/commands/RegisterContentCommands.h"
#include "template/expressions/QZTemplateExprContext.h"
#include "tests/content/ContentKinds.h"
#include "tests/db/SiteDatabaseFixture.h"
#include "tests/support/ChildProcess.h"

#include <string>

namespace {

// Opens the site database of MQ_CHILD_DB as user 5:101, loads object 5:MQ_CHILD_ID of type
// MQ_CHILD_TYPE for editing, renames it MQ_CHILD_NAME and saves it.
void EditRole() {
    QZTemplateExprContext::Register();
    RegisterContentCommands();
    CVantrel3App& app = TestApp();
    app.m_VantrelDb.SetDatabasePath(ChildSetting("DB").c_str());
    ASSERT_EQ(app.m_VantrelDb.OpenDatabase(0), 1);
    app.GetUserKey() = QZKeyCombo(5, 101);
    auto type = static_cast<SHORT>(std::stoi(ChildSetting("TYPE")));
    auto object =
        ContentKindOf(type).load(QZKeyCombo(5, std::stoi(ChildSetting("ID")), type), TRUE);
    ASSERT_TRUE(object->m_bEditable);
    object->SetName(ChildSetting("NAME").c_str());
    ASSERT_EQ(object->Save(), 1);
    object.reset();
    app.m_VantrelDb.Close();
}

// Opens the database file MQ_CHILD_DB, writes "opened" in MQ_CHILD_DIR and keeps the file open
// until "release" appears there.
void OpenRole() {
    CDaoDatabase db;
    db.Open(ChildSetting("DB").c_str());
    std::string dir = ChildSetting("DIR");
    WriteFileAtomically(dir + "/opened", "1");
    WaitForFile(dir + "/release");
    db.Close();
}

MQ_CHILD_ROLE("edit", EditRole);
MQ_CHILD_ROLE("open", OpenRole);

} // namespace
