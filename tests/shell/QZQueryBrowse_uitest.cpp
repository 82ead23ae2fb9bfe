// "Select a Query/Table" on a real display over a data file: the stored queries or the tables
// of the file, never the database's own catalog tables; the name chosen by selection or by a
// double-click, which closes the dialog.

#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoTableDef.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/QZQueryBrowse.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/DialogScript.h"
#include "tests/support/TestSupport.h"

#include <sqlite3.h>
#include <wx/radiobut.h>

namespace {

using Entries = std::vector<std::string>;
using Script = DialogScript;

// A data file of the program's own kind: two tables, two stored queries, and the catalog
// tables that every such file holds.
std::string MakeDataFile(const TempDir& dir) {
    const std::string path = dir.file("shop.mdb");
    CDaoDatabase db;
    db.Create(path.c_str());
    for (const char* name : {"Products", "Orders"}) {
        CDaoTableDef table(&db);
        table.Create(name);
        CDaoFieldInfo field;
        field.m_strName = "ID";
        field.m_nType = dbLong;
        field.m_lSize = 4;
        field.m_lAttributes = dbUpdatableField;
        table.CreateField(field);
        table.Append();
    }
    for (const char* name : {"qryOrders", "qryCheap"}) {
        CDaoQueryDef query(&db);
        query.Create(name, "SELECT ID FROM Products;");
        query.Append();
    }
    db.Close();
    return path;
}

class QueryBrowseTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterResources();
        m_path = MakeDataFile(m_dir);
    }

    TempDir m_dir;
    std::string m_path;
};

TEST_F(QueryBrowseTest, ListsTablesWithoutTheCatalogAndSwitchesToQueries) {
    {
        CDaoDatabase db;
        db.Open(m_path.c_str());
        ASSERT_GT(db.GetTableDefCount(), 2); // the catalog's own tables are among them
    }
    QZQueryBrowse browse;
    browse.OpenDatabase(m_path.c_str());
    browse.m_nTable = 1;
    browse.m_strName = "Products";
    Script script([](wxDialog* dialog) {
        EXPECT_EQ(dialog->GetTitle().utf8_string(), "Select a Query/Table");
        auto* tables = Script::Item<wxRadioButton>(dialog, IDC_QBROWSE_TABLE);
        auto* queries = Script::Item<wxRadioButton>(dialog, IDC_QBROWSE_QUERY);
        auto* list = Script::Item<wxListBox>(dialog, IDC_QBROWSE_LIST);
        if (!tables || !queries || !list)
            return;
        EXPECT_TRUE(tables->GetValue());
        EXPECT_EQ(Script::Entries(list), (Entries{"Orders", "Products"}));
        EXPECT_EQ(Script::Selected(list), "Products");
        queries->SetValue(true);
        wxCommandEvent clicked(wxEVT_RADIOBUTTON, queries->GetId());
        clicked.SetEventObject(queries);
        queries->GetEventHandler()->ProcessEvent(clicked);
        EXPECT_EQ(Script::Entries(list), (Entries{"qryCheap", "qryOrders"}));
        EXPECT_EQ(Script::Selected(list), "");
        Script::Pick(list, 1);
        Script::Click(dialog, IDOK);
    });
    EXPECT_EQ(browse.DoModal(), IDOK);
    EXPECT_EQ(script.opened, 1);
    EXPECT_EQ(browse.m_nTable, 0);
    EXPECT_EQ(browse.m_strName, "qryOrders");
}

TEST_F(QueryBrowseTest, ADoubleClickChoosesTheLineAndCloses) {
    QZQueryBrowse browse;
    browse.OpenDatabase(m_path.c_str());
    Script script([](wxDialog* dialog) {
        auto* list = Script::Item<wxListBox>(dialog, IDC_QBROWSE_LIST);
        if (list)
            Script::Pick(list, 0, true);
    });
    EXPECT_EQ(browse.DoModal(), IDOK);
    EXPECT_EQ(browse.m_strName, "qryCheap");
}

TEST_F(QueryBrowseTest, APlainSqliteFileListsItsTablesAndNoQueries) {
    const std::string plain = m_dir.file("plain.db");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(plain.c_str(), &db), SQLITE_OK);
    // AUTOINCREMENT makes SQLite keep a table of its own.
    ASSERT_EQ(sqlite3_exec(db,
                           "CREATE TABLE Customers (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name "
                           "TEXT); INSERT INTO Customers (Name) VALUES ('Ann');",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    QZQueryBrowse browse;
    browse.OpenDatabase(plain.c_str());
    browse.m_nTable = 1;
    Entries tables;
    Entries queries;
    Script script([&](wxDialog* dialog) {
        auto* list = Script::Item<wxListBox>(dialog, IDC_QBROWSE_LIST);
        tables = Script::Entries(list);
        browse.ListQueries();
        queries = Script::Entries(list);
        Script::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(browse.DoModal(), IDCANCEL);
    EXPECT_EQ(tables, (Entries{"Customers"}));
    EXPECT_EQ(queries, Entries{});
}

TEST_F(QueryBrowseTest, AFileThatIsNoDatabaseRaisesTheEnginesError) {
    QZQueryBrowse browse;
    bool raised = false;
    try {
        browse.OpenDatabase(m_dir.file("missing.mdb").c_str());
    } catch (CDaoException* e) {
        raised = true;
        e->Delete();
    }
    EXPECT_TRUE(raised);
}

} // namespace
