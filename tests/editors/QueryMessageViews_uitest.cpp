// The query and e-mail message forms in their editors on the fixture site: each field loaded,
// changed and saved within its limit; a query without a production database takes the
// development one; the query or table chosen from a real SQLite data file.

#include "editors/QZMessageForm.h"
#include "editors/QZQueryForm.h"
#include "res/AdEventViewIds.h"
#include "res/Resource.h"
#include "tests/editors/AttributeFormFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/DialogScript.h"
#include "tests/support/FileChooserScript.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>

#include <fstream>

namespace {

using Boxes = std::vector<std::string>;

// A field of a form: its edit, its column and the most characters it takes.
struct TextField {
    UINT id;
    const char* column;
    int limit;
};

// A plain SQLite data file, as another program makes one: a table of products and a view.
std::string MakeDataFile(const TempDir& dir) {
    const std::string path = dir.file("shop.db");
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE Products (ID INTEGER PRIMARY KEY, Name TEXT);"
                 "CREATE TABLE Orders (ID INTEGER PRIMARY KEY, Product INTEGER);",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return path;
}

} // namespace

class QueryMessageViewsTest : public AttributeFormTest {
protected:
    // Each field shown as stored, an unchanged store marking nothing, one character over the
    // limit refused with the row unchanged, the limit itself stored.
    template <class Form>
    void CheckTextFields(SHORT type, const char* formClass, const std::vector<TextField>& fields) {
        const EditorKind& kind = KindOf(type);
        for (const TextField& field : fields) {
            SCOPED_TRACE(field.column);
            ASSERT_NE(OpenForm<Form>(type, 9, formClass), nullptr);
            EXPECT_EQ(TextOf(field.id), Column(kind, 9, field.column));
            EXPECT_FALSE(StoreMarks());
            m_boxes.Clear();
            const std::string before = Column(kind, 9, field.column);
            Type(field.id, std::string(field.limit + 1, 'x'));
            EXPECT_FALSE(m_form->SaveToObject());
            EXPECT_EQ(m_boxes.texts(), Boxes{"Please enter no more than " +
                                             std::to_string(field.limit) + " characters."});
            EXPECT_EQ(Column(kind, 9, field.column), before);
            Type(field.id, std::string(field.limit, 'x'));
            EXPECT_TRUE(StoreMarks());
            ActiveDocument()->SaveObject();
            EXPECT_EQ(Column(kind, 9, field.column), std::string(field.limit, 'x'));
            CloseAll();
        }
    }
    QZQueryForm* OpenQuery() { return OpenForm<QZQueryForm>(OBJ_QUERY, 9, "QZQueryForm"); }
    std::string QueryColumn(const char* column) { return Column(KindOf(OBJ_QUERY), 9, column); }

    TempDir m_dir;
};

TEST_F(QueryMessageViewsTest, MessageHeadersLoadChangeAndSaveWithinTheirLimits) {
    AddKindRow(KindOf(OBJ_MESSAGE), 9, "Welcome",
               "ServiceDbID, ServiceID, SubjectLine, ToLine, CcLine, ReplyTo, FromLine",
               "5, 10, 'Hello <<Name>>', 'a@example.org', 'b@example.org', 'r@example.org', "
               "'f@example.org'");
    CheckTextFields<QZMessageForm>(OBJ_MESSAGE, "QZMessageForm",
                                   {{IDC_MESSAGE_SUBJECT, "SubjectLine", 50},
                                    {IDC_MESSAGE_TO, "ToLine", 255},
                                    {IDC_MESSAGE_CC, "CcLine", 255},
                                    {IDC_MESSAGE_REPLY_TO, "ReplyTo", 50},
                                    {IDC_MESSAGE_FROM, "FromLine", 50}});
}

TEST_F(QueryMessageViewsTest, QueryFieldsLoadChangeAndSaveWithinTheirLimits) {
    AddKindRow(KindOf(OBJ_QUERY), 9, "Products",
               "ServiceDbID, ServiceID, DatabaseName, ClientsProdDb, SQLName, DSN, SQLCode, "
               "QueryType",
               "5, 10, 'dev.db', 'prod.db', 'Products', 'shop', 'SELECT 1', 1");
    ASSERT_NE(OpenQuery(), nullptr);
    EXPECT_TRUE(Checked(IDC_QUERY_IS_TABLE));
    EXPECT_FALSE(Checked(IDC_QUERY_IS_QUERY));
    // The DSN and the SQL code are carried, unseen.
    EXPECT_FALSE(Shown(IDC_QUERY_DSN));
    EXPECT_FALSE(Shown(IDC_QUERY_SQL));
    EXPECT_EQ(TextOf(IDC_QUERY_DSN), "shop");
    EXPECT_FALSE(StoreMarks());
    Choose(IDC_QUERY_IS_QUERY);
    EXPECT_TRUE(StoreMarks());
    ActiveDocument()->SaveObject();
    EXPECT_EQ(NumberOf(KindOf(OBJ_QUERY), 9, "QueryType"), 0);
    EXPECT_EQ(QueryColumn("SQLCode"), "SELECT 1");
    CloseAll();

    CheckTextFields<QZQueryForm>(OBJ_QUERY, "QZQueryForm",
                                 {{IDC_QUERY_DATABASE, "DatabaseName", 255},
                                  {IDC_QUERY_PRODUCTION, "ClientsProdDb", 255},
                                  {IDC_QUERY_NAME, "SQLName", 50}});
}

TEST_F(QueryMessageViewsTest, AnEmptyProductionDatabaseTakesTheDevelopmentOneUnmarked) {
    AddKindRow(KindOf(OBJ_QUERY), 9, "Products",
               "ServiceDbID, ServiceID, DatabaseName, ClientsProdDb, SQLName",
               "5, 10, 'dev.db', '', 'Products'");
    ASSERT_NE(OpenQuery(), nullptr);
    EXPECT_FALSE(StoreMarks());
    EXPECT_EQ(TextOf(IDC_QUERY_PRODUCTION), "dev.db");
    ActiveDocument()->SaveObject();
    EXPECT_EQ(QueryColumn("ClientsProdDb"), "dev.db");
}

TEST_F(QueryMessageViewsTest, ADatabaseChosenFromFilesReplacesThePath) {
    const std::string data = MakeDataFile(m_dir);
    AddKindRow(KindOf(OBJ_QUERY), 9, "Products",
               "ServiceDbID, ServiceID, DatabaseName, ClientsProdDb", "5, 10, 'dev.db', 'prod.db'");
    ASSERT_NE(OpenQuery(), nullptr);
    FileChooserScript chooser;
    chooser.Cancel();
    Press(IDC_QUERY_PRODUCTION_BROWSE);
    EXPECT_EQ(TextOf(IDC_QUERY_PRODUCTION), "prod.db");
    chooser.Choose(data);
    Press(IDC_QUERY_DATABASE_BROWSE);
    EXPECT_EQ(TextOf(IDC_QUERY_DATABASE), data);
    ActiveDocument()->SaveObject();
    EXPECT_EQ(QueryColumn("DatabaseName"), data);
}

TEST_F(QueryMessageViewsTest, ATableChosenInTheDataFileChecksTableAndIsSaved) {
    const std::string data = MakeDataFile(m_dir);
    AddKindRow(KindOf(OBJ_QUERY), 9, "Products",
               "ServiceDbID, ServiceID, DatabaseName, ClientsProdDb, SQLName, QueryType",
               "5, 10, '" + data + "', '" + data + "', 'qryOld', 0");
    ASSERT_NE(OpenQuery(), nullptr);
    Type(IDC_FORM_TITLE, "Product list");
    bool savedFirst = false;
    DialogScript script([&](wxDialog* dialog) {
        // The form was saved into the object before the dialog opened.
        savedFirst = ActiveDocument()->GetContentObject()->GetName() == CString("Product list") &&
                     ActiveDocument()->IsModified();
        auto* tables = DialogScript::Item<wxRadioButton>(dialog, IDC_QBROWSE_TABLE);
        auto* list = DialogScript::Item<wxListBox>(dialog, IDC_QBROWSE_LIST);
        if (!tables || !list)
            return;
        tables->SetValue(true);
        wxCommandEvent event(wxEVT_RADIOBUTTON, tables->GetId());
        event.SetEventObject(tables);
        tables->GetEventHandler()->ProcessEvent(event);
        EXPECT_EQ(DialogScript::Entries(list), (std::vector<std::string>{"Orders", "Products"}));
        DialogScript::Pick(list, 1);
        DialogScript::Click(dialog, IDOK);
    });
    Press(IDC_QUERY_NAME_BROWSE);
    EXPECT_EQ(script.opened, 1);
    EXPECT_TRUE(savedFirst);
    EXPECT_TRUE(Checked(IDC_QUERY_IS_TABLE));
    EXPECT_EQ(TextOf(IDC_QUERY_NAME), "Products");
    ActiveDocument()->SaveObject();
    EXPECT_EQ(NumberOf(KindOf(OBJ_QUERY), 9, "QueryType"), 1);
    EXPECT_EQ(QueryColumn("SQLName"), "Products");
    EXPECT_EQ(QueryColumn("QueryName"), "Product list");
}

TEST_F(QueryMessageViewsTest, AnUnreadableDataFileShowsTheEngineMessageAndChangesNothing) {
    const std::string junk = m_dir.file("junk.db");
    std::ofstream(junk) << "this is no database at all, just some text long enough to read";
    AddKindRow(KindOf(OBJ_QUERY), 9, "Products",
               "ServiceDbID, ServiceID, DatabaseName, ClientsProdDb, SQLName",
               "5, 10, '" + junk + "', '" + junk + "', 'qryOld'");
    ASSERT_NE(OpenQuery(), nullptr);
    DialogScript script([](wxDialog* dialog) { dialog->EndModal(wxID_CANCEL); });
    Press(IDC_QUERY_NAME_BROWSE);
    EXPECT_EQ(script.opened, 0);
    ASSERT_EQ(m_boxes.texts().size(), 1u);
    EXPECT_FALSE(m_boxes.texts()[0].empty());
    EXPECT_LE(m_boxes.texts()[0].size(), 255u);
    EXPECT_EQ(TextOf(IDC_QUERY_NAME), "qryOld");
}
