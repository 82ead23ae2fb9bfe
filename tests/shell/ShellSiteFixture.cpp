#include "tests/shell/ShellSiteFixture.h"

#include "platform/dao/CDaoRecordset.h"

#include <filesystem>

void ShellSiteTest::SetUp() {
    SiteDatabaseTest::SetUp();
    // Seeded once a process, then copied for each test.
    static TempDir folder;
    static std::string seeded;
    if (seeded.empty()) {
        Seed();
        seeded = folder.file("seeded.mdb");
        Db().Close();
        ASSERT_TRUE(CDaoDatabase::CopyDatabaseFile(m_path.c_str(), seeded.c_str(), TRUE));
    } else {
        Db().Close();
        std::filesystem::remove(m_path);
        ASSERT_TRUE(CDaoDatabase::CopyDatabaseFile(seeded.c_str(), m_path.c_str(), TRUE));
    }
    ASSERT_EQ(Db().OpenDatabase(0), 1);
}

void ShellSiteTest::Insert(const std::string& table, const std::string& columns,
                           const std::vector<std::string>& rows) {
    for (const std::string& row : rows)
        ExecuteOn(m_path, "INSERT INTO " + table + " (" + columns + ") VALUES (" + row + ")");
}

COleVariant ShellSiteTest::ValueOf(const std::string& table, const std::string& column,
                                   const std::string& where) {
    CDaoDatabase db;
    db.Open(m_path.c_str());
    CDaoRecordset rows(&db);
    rows.Open(dbOpenSnapshot, ("SELECT " + column + " FROM " + table + " WHERE " + where).c_str());
    COleVariant value;
    if (!rows.IsEOF())
        value = rows.GetFieldValue(0);
    rows.Close();
    db.Close();
    return value;
}

std::string ShellSiteTest::TextOf(const std::string& table, const std::string& column,
                                  const std::string& where) {
    COleVariant value = ValueOf(table, column, where);
    return value.vt == VT_BSTR ? value.bstrVal.str() : "";
}

long ShellSiteTest::NumberOf(const std::string& table, const std::string& column,
                             const std::string& where) {
    COleVariant value = ValueOf(table, column, where);
    if (value.vt == VT_NULL || value.vt == VT_EMPTY)
        return -999;
    value.ChangeType(VT_I4);
    return value.lVal;
}

void ShellSiteTest::Seed() {
    Insert("Services", "DbID, ServiceID, Name, Deleted",
           {"5, 1, 'Main', 0", "5, 2, 'Other', 0", "5, 3, 'Gone', 1"});
    Insert("Sections",
           "DbID, SectionID, ServiceDbID, ServiceID, SectionName, Deleted, AccessControl",
           {"5, 10, 5, 1, 'Sec B', 0, 0", "5, 11, 5, 1, 'Sec A', 0, 0",
            "5, 12, 5, 1, 'Sec X', 1, 0", "5, 13, 5, 2, 'Sec Z', 0, 0"});
    Insert("Authors", "DbID, AuthorID, AuthorName, Active, Deleted",
           {"5, 1, 'Zed', 1, 0", "5, 2, 'Amy', 1, 0", "5, 3, 'Bob', 1, 1"});
    SeedKind("Documents", "DocID", "Title", true);
    ExecuteOn(m_path, "UPDATE Documents SET GenerateFlag = 1 WHERE DocID = 1");
    Insert("Documents",
           "DbID, DocID, ServiceDbID, ServiceID, SectionDbID, SectionID, Title, Dynamic, "
           "AccessControl, Deleted",
           {"5, 5, 5, 1, 5, 10, 'Cgi', 1, 0, 0"});
    SeedKind("Templates", "TemplateID", "TemplateName", false);
    SeedKind("Images", "ImageID", "Name", true);
    SeedKind("Forms", "FormID", "Title", false);
    SeedKind("Messages", "MessageID", "Title", false);
    SeedKind("Query", "QueryID", "QueryName", false);
    SeedKind("Styles", "StyleID", "StyleName", false);
    SeedKind("MQ_ActiveX", "ObjectID", "Title", true);
    SeedKind("MQ_Java", "JavaID", "Title", true);
    SeedKind("MQ_Media", "MediaID", "Title", true);
    SeedKind("MQ_Script", "ScriptID", "Title", true);
    SeedKind("MQ_Events", "EventID", "Title", false);
    SeedKind("MQ_Advertiser", "AdvertiserID", "BusinessName", false);
    SeedKind("MQ_Ad", "AdID", "Title", false);
    ExecuteOn(m_path, "UPDATE MQ_Ad SET AdvertiserDbID = 5, AdvertiserID = ServiceID");
    SeedKind("MQ_AdSpace", "AdSpaceID", "Title", false);
}

void ShellSiteTest::SeedKind(const std::string& table, const std::string& id,
                             const std::string& title, bool inSection) {
    std::string columns = "DbID, " + id + ", ServiceDbID, ServiceID, " + title + ", Deleted";
    if (inSection)
        columns += ", SectionDbID, SectionID";
    if (table == "Documents")
        columns += ", AccessControl";
    const char* rows[][2] = {{"1, 5, 1, 'Beta', 0", "5, 10"},
                             {"2, 5, 1, 'Alpha', 0", "5, 10"},
                             {"3, 5, 1, 'Gamma', 1", "5, 10"},
                             {"4, 5, 2, 'Delta', 0", "5, 13"}};
    for (auto& row : rows) {
        std::string values = std::string("5, ") + row[0];
        if (inSection)
            values += std::string(", ") + row[1];
        if (table == "Documents")
            values += ", 0";
        Insert(table, columns, {values});
    }
}
