#include "tests/shell/TreeFixture.h"

#include "content/commands/RegisterContentCommands.h"
#include "db/QZRecordsetCaches.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoTableDef.h"
#include "res/Resources.h"
#include "template/expressions/QZTemplateExprContext.h"

#include <cstdlib>
#include <filesystem>

BOOL FakeTreeActions::ActivateOpenDocument(const QZKeyCombo& key, SHORT type) {
    return openEditors.count({type, key.m_KeyID}) > 0;
}

void FakeTreeActions::OpenObject(const QZKeyCombo& key) {
    opened.push_back(std::to_string(key.m_ObjectType) + "@" + key.FormatFull().str());
}

void FakeTreeActions::RefreshObjectTree(SHORT type, const QZKeyCombo& key) {
    refreshed.push_back(std::to_string(type) + "@" + key.FormatFull().str());
    if (bar != nullptr)
        bar->RefreshObjectTree(type, key);
}

void FakeTreeActions::SendMainCommand(UINT command) {
    commands.push_back(command);
    CVantrel3App& app = *GetVantrel3App();
    sectionAtCommand.push_back(app.GetCurrentSectionKey().FormatFull().str());
}

void TreeTest::SetUp() {
    ShellSiteTest::SetUp();
    RegisterStringTable();
    const char* previous = std::getenv("MARQUILL_ROOT");
    m_hadRoot = previous != nullptr;
    m_savedRoot = m_hadRoot ? previous : "";
    setenv("MARQUILL_ROOT", m_dir.path().c_str(), 1);
    QZTemplateExprContext::Register();
    RegisterContentCommands();
    CVantrel3App& app = TestApp();
    app.GetCurrentServiceKey() = QZKeyCombo(5, 1, OBJ_SERVICE);
    app.GetCurrentSectionKey() = QZKeyCombo(5, 10, OBJ_SECTION);
    app.m_bAddComments = TRUE;
    app.m_bConfirmDeletes = TRUE;
    app.m_bVerboseMessages = FALSE;
    m_actions.bar = &m_bar;
    m_bar.SetCurrentSiteKey(QZKeyCombo(5, 1, OBJ_SERVICE));
    MakePeopleFile();
    const char* rows[] = {"20, 'People', 'People', 1", "21, 'No Params', 'NoParams', 0",
                          "22, 'One Param', 'OneParam', 0", "23, 'Two Params', 'TwoParams', 0"};
    for (const char* row : rows)
        Insert("Query",
               "DbID, QueryID, QueryName, SQLName, QueryType, DatabaseName, ServiceDbID, "
               "ServiceID, Deleted",
               {std::string("5, ") + row + ", 'C:\\data\\people.mdb', 5, 1, 0"});
}

void TreeTest::TearDown() {
    ClearRecordsetCaches();
    m_hadRoot ? setenv("MARQUILL_ROOT", m_savedRoot.c_str(), 1) : unsetenv("MARQUILL_ROOT");
    ShellSiteTest::TearDown();
}

namespace {

void AddField(CDaoTableDef& table, const char* name, short type, LONG size) {
    CDaoFieldInfo info;
    info.m_strName = name;
    info.m_nType = type;
    info.m_lSize = size;
    info.m_lAttributes = dbUpdatableField;
    info.m_bRequired = FALSE;
    info.m_bAllowZeroLength = TRUE;
    info.m_lCollatingOrder = dbSortGeneral;
    table.CreateField(info);
}

void Store(CDaoDatabase& db, const char* name, const char* sql) {
    CDaoQueryDef query(&db);
    query.Create(name, sql);
    query.Append();
}

} // namespace

void TreeTest::MakePeopleFile() {
    std::filesystem::create_directories(UnderRoot("data"));
    CDaoDatabase db;
    db.Create(UnderRoot("data/people.mdb").c_str());
    {
        CDaoTableDef people(&db);
        people.Create("People");
        AddField(people, "Name", dbText, 299);
        AddField(people, "Bio", dbMemo, 0);
        AddField(people, "Age", dbLong, 4);
        people.Append();
    }
    Store(db, "NoParams", "SELECT Name FROM People;");
    Store(db, "OneParam", "PARAMETERS who Text; SELECT Name, Bio FROM People WHERE Name = [who];");
    Store(db, "TwoParams",
          "PARAMETERS who Text, age Long; SELECT Name FROM People WHERE Name = [who] AND "
          "Age = [age];");
    db.Close();
}

QZTreeItem* TreeTest::Select(QZTreeModel& tree, SHORT type, LONG id) {
    tree.SelectKey(QZKeyCombo(5, id, type));
    QZTreeItem* item = tree.GetSelectedItem();
    EXPECT_NE(item, nullptr) << "no item of " << type << "@5:" << id;
    return item;
}

namespace {
void AddLabels(const QZTreeItem& parent, const std::string& indent,
               std::vector<std::string>& labels) {
    for (const auto& child : parent.m_children) {
        labels.push_back(indent + child->m_label.str());
        AddLabels(*child, indent + "  ", labels);
    }
}
} // namespace

std::vector<std::string> TreeTest::Labels(const QZTreeModel& tree) {
    std::vector<std::string> labels;
    AddLabels(tree.Root(), "", labels);
    return labels;
}

long TreeTest::Claims(SHORT type, LONG id) {
    return Count("SELECT * FROM Semaphor WHERE ObjDbID = 5 AND ObjKeyID = " + std::to_string(id) +
                 " AND ObjTypeID = " + std::to_string(type));
}

std::string TreeTest::UnderRoot(const std::string& relative) const {
    return (m_dir.path() / relative).string();
}
