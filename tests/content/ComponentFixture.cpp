#include "tests/content/ComponentFixture.h"

#include "content/QZComponentMover.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoFieldInfo.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/CDaoTableDefInfo.h"

#include <algorithm>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The package's rows: every kind, references inside and outside the component, a deleted
// section and image, a section of DbID 0.
const char* const kPackageRows[] = {
    "INSERT INTO Services (DbID, ServiceID, Name, Deleted) VALUES (77, 1, 'Guests', 0)",
    "INSERT INTO Sections (DbID, SectionID, SectionTitle, SectionName, ServiceDbID, ServiceID, "
    "StyleDbID, StyleID, DefaultDocDbID, DefaultDocID, Deleted) VALUES "
    "(77, 1, 'Guests', 'guests', 77, 1, 77, 3, 77, 10, 0)",
    "INSERT INTO Sections (DbID, SectionID, SectionTitle, ServiceDbID, ServiceID, Deleted) "
    "VALUES (77, 2, 'Old', 77, 1, 1)",
    "INSERT INTO Sections (DbID, SectionID, SectionTitle, ServiceDbID, ServiceID, Deleted) "
    "VALUES (0, 5, 'Zero', 77, 1, 0)",
    "INSERT INTO Images (DbID, ImageID, Name, FileName, Directory, ServiceDbID, ServiceID, "
    "SectionDbID, SectionID, Deleted) VALUES (77, 4, 'Logo', 'logo.gif', 'pics', 77, 1, 77, 1, 0)",
    "INSERT INTO Images (DbID, ImageID, Name, ServiceDbID, ServiceID, SectionDbID, SectionID, "
    "Deleted) VALUES (77, 6, 'Old picture', 77, 1, 77, 2, 0)",
    "INSERT INTO Images (DbID, ImageID, Name, ServiceDbID, ServiceID, SectionDbID, SectionID, "
    "Deleted) VALUES (77, 7, 'Gone', 77, 1, 77, 1, 1)",
    "INSERT INTO Styles (DbID, StyleID, StyleName, ServiceDbID, ServiceID, BackImageDbID, "
    "BackImageID, Deleted) VALUES (77, 3, 'Guest style', 77, 1, 77, 4, 0)",
    "INSERT INTO Documents (DbID, DocID, Title, FileName, ServiceDbID, ServiceID, SectionDbID, "
    "SectionID, StyleDbID, StyleID, ScriptBody, Header, Deleted) VALUES (77, 10, 'Guest book', "
    "'entry.html', 77, 1, 77, 1, 77, 3, '<<image 77:4>> <<link 77:11>>next<</link>> "
    "<<macro 77:12>> <<form 77:13>> <<image 99:4>> <<image 77:7>>', '<<macro 77:12>>', 0)",
    "INSERT INTO Documents (DbID, DocID, Title, ServiceDbID, ServiceID, SectionDbID, SectionID, "
    "StyleDbID, StyleID, ScriptBody, Deleted) VALUES (77, 11, 'Second', 77, 1, 77, 2, 99, 3, "
    "'<<link 77:10>>back<</link>>', 0)",
    "INSERT INTO Forms (DbID, FormID, Title, ServiceDbID, ServiceID, ScriptBody, ActionBody, "
    "Deleted) VALUES (77, 13, 'Sign', 77, 1, '<<image 77:4>>', '<<returnpage 77:10>>', 0)",
    "INSERT INTO Messages (DbID, MessageID, Title, ServiceDbID, ServiceID, Body, Deleted) "
    "VALUES (77, 14, 'Thanks', 77, 1, 'Thanks <<image 77:4>>', 0)",
    "INSERT INTO Query (DbID, QueryID, QueryName, SQLName, DatabaseName, ServiceDbID, ServiceID, "
    "Deleted) VALUES (77, 15, 'Entries', 'EntriesByPage', 'guest.mdb', 77, 1, 0)",
    "INSERT INTO Templates (DbID, TemplateID, TemplateName, ServiceDbID, ServiceID, ScriptBody, "
    "Deleted) VALUES (77, 12, 'Banner', 77, 1, '<<image 77:4>>', 0)",
    "INSERT INTO MQ_ActiveX (DbID, ObjectID, Title, ServiceDbID, ServiceID, SectionDbID, "
    "SectionID, Deleted) VALUES (77, 17, 'Counter', 77, 1, 77, 1, 0)",
    "INSERT INTO MQ_Java (DbID, JavaID, Title, ServiceDbID, ServiceID, SectionDbID, SectionID, "
    "Deleted) VALUES (77, 18, 'Clock', 77, 1, 77, 1, 0)",
    "INSERT INTO MQ_Media (DbID, MediaID, Title, ServiceDbID, ServiceID, SectionDbID, SectionID, "
    "Deleted) VALUES (77, 19, 'Tune', 77, 1, 77, 1, 0)",
    "INSERT INTO MQ_Script (DbID, ScriptID, Title, ServiceDbID, ServiceID, SectionDbID, "
    "SectionID, ScriptBody, Deleted) VALUES (77, 20, 'Check', 77, 1, 77, 1, "
    "'<<macro 77:12>>', 0)",
    "INSERT INTO MQ_Events (DbID, EventID, Title, ServiceDbID, ServiceID, ScriptBody, Deleted) "
    "VALUES (77, 22, 'Nightly', 77, 1, '<<macro 77:12>>', 0)",
    "INSERT INTO MQ_Advertiser (DbID, AdvertiserID, BusinessName, ServiceDbID, ServiceID, "
    "Deleted) VALUES (77, 21, 'Acme Ads', 77, 1, 0)",
    // Slot 2 names ad 77:23, a number the ad space has too.
    "INSERT INTO MQ_AdSpace (DbID, AdSpaceID, Title, ServiceDbID, ServiceID, DbID1, AdID1, "
    "DbID2, AdID2, DbID3, AdID3, Deleted) VALUES (77, 23, 'Top', 77, 1, 77, 24, 77, 23, 99, 24, "
    "0)",
    "INSERT INTO MQ_Ad (DbID, AdID, Title, ServiceDbID, ServiceID, AdvertiserDbID, AdvertiserID, "
    "ImageDbID, ImageID, Deleted) VALUES (77, 23, 'Spring', 77, 1, 77, 21, 77, 4, 0)",
    "INSERT INTO MQ_Ad (DbID, AdID, Title, ServiceDbID, ServiceID, AdvertiserDbID, AdvertiserID, "
    "ImageDbID, ImageID, Deleted) VALUES (77, 24, 'Summer', 77, 1, 77, 21, 99, 4, 0)",
};

void AddTextField(CDaoTableDef& table, const char* name, short type, LONG size) {
    CDaoFieldInfo info;
    info.m_strName = name;
    info.m_nType = type;
    info.m_lSize = size;
    info.m_lAttributes = dbUpdatableField | (type == dbText ? dbVariableField : dbFixedField);
    info.m_bAllowZeroLength = type == dbText;
    info.m_lCollatingOrder = dbSortGeneral;
    table.CreateField(info);
}

// The component's own table: text columns holding keys, recognised by their names.
void AddOwnTable(const std::string& path) {
    CDaoDatabase db;
    db.Open(path.c_str());
    CDaoTableDef table(&db);
    table.Create("Guest's Entries");
    AddTextField(table, "EntryID", dbLong, 4);
    AddTextField(table, "PageKey", dbText, 50);
    AddTextField(table, "ImageKey", dbText, 50);
    AddTextField(table, "HomePageImageKey", dbText, 50);
    AddTextField(table, "backpagekey", dbText, 50);
    AddTextField(table, "Note", dbText, 50);
    table.Append();
    CDaoQueryDef own(&db);
    own.Create("EntriesByPage", "SELECT * FROM [Guest's Entries] ORDER BY EntryID");
    own.Append();
    CDaoQueryDef cleanup(&db);
    cleanup.Create("REM_Cleanup", "DELETE FROM [Guest's Entries]");
    cleanup.Append();
    db.Close();
    for (const char* row : {
             "(1, '77:10', '77:4', '77:4', '77:11', '77:10')",
             "(2, '99:10', '77:0', 'none', '77:10@page', '77:4')",
             "(3, NULL, '77:7', '12', ':10', NULL)",
         })
        ExecuteOn(path, std::string("INSERT INTO [Guest's Entries] (EntryID, PageKey, ImageKey, "
                                    "HomePageImageKey, backpagekey, Note) VALUES ") +
                            row);
}

bool IsEngineFile(const std::string& name) {
    for (const std::string suffix : {".lock", "-wal", "-shm", "-journal"})
        if (name.size() > suffix.size() && name.substr(name.size() - suffix.size()) == suffix)
            return true;
    return false;
}

std::string FieldText(CDaoRecordset& rows, int field) {
    COleVariant value = rows.GetFieldValue(field);
    if (value.vt == VT_NULL || value.vt == VT_EMPTY)
        return "NULL";
    value.ChangeType(VT_BSTR);
    return value.bstrVal.str();
}

} // namespace

void ComponentTest::SetUp() {
    GenerationTest::SetUp();
    m_savedDirectory = fs::current_path().string();
    fs::create_directories(m_dir.path() / "root");
    TestApp().SetDatabaseRoot((m_dir.path() / "root").c_str());
}

void ComponentTest::TearDown() {
    TestApp().SetDatabaseRoot("");
    fs::current_path(m_savedDirectory);
    GenerationTest::TearDown();
}

void ComponentTest::BuildPackage(const fs::path& folder, LONG version) {
    fs::create_directories(folder / "pics");
    fs::create_directories(folder / "pages" / "more");
    std::string db = (folder / "guest.mdb").string();
    if (!fs::exists(db)) {
        CreateSiteDatabase(db, kComponentDb);
        for (const char* row : kPackageRows)
            ExecuteOn(db, row);
        AddOwnTable(db);
        ExecuteOn(db, "INSERT INTO ComponentsInstalled (ComponentSrc, ComponentTitle, "
                      "VersionNumber) VALUES ('Zerin''s Labs', 'Guest Book', 0)");
    }
    ExecuteOn(db, "UPDATE ComponentsInstalled SET VersionNumber = " + std::to_string(version));
    WriteFile((folder / "pics" / "logo.gif").string(), "GIF89a logo");
    WriteFile((folder / "pages" / "entry.html").string(), "<p>Sign here</p>");
    WriteFile((folder / "pages" / "more" / "help.html").string(), "<p>Help</p>");
    WriteFile((folder / "readme.txt").string(), "Guest book version " + std::to_string(version));
    // Links lead out of the package: neither is copied anywhere.
    WriteFile((m_dir.path() / "outside" / "secret.txt").string(), "secret");
    if (!fs::is_symlink(folder / "secret.txt")) {
        fs::create_symlink(m_dir.path() / "outside" / "secret.txt", folder / "secret.txt");
        fs::create_directory_symlink(m_dir.path() / "outside", folder / "pics" / "linked");
    }
}

int ComponentTest::Register(const fs::path& folder, const std::string& fileName) {
    QZComponentMover mover;
    if (mover.OpenComponent(&Db(), folder.c_str(), QZComponentMover::GetComponentsFolder(),
                            fileName.c_str()) != 1)
        return 0;
    return mover.LoadComponentInfo();
}

int ComponentTest::InsertGuestBook(const std::string& targetDirectory) {
    QZComponentMover mover;
    return mover.InstallComponent(&Db(), QZKeyCombo(kDbId, kService, OBJ_SERVICE),
                                  "Zerin's Labs\tGuest Book\t3", targetDirectory.c_str());
}

std::vector<std::string> ComponentTest::Rows(const std::string& path, const std::string& sql) {
    CDaoDatabase db;
    db.Open(path.c_str());
    CDaoRecordset rows(&db);
    rows.Open(dbOpenSnapshot, sql.c_str());
    std::vector<std::string> found;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        std::string row;
        for (short i = 0; i < rows.GetFieldCount(); i++)
            row += (i > 0 ? "|" : "") + FieldText(rows, i);
        found.push_back(row);
    }
    rows.Close();
    db.Close();
    return found;
}

std::vector<std::string> ComponentTest::Tree(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string name = fs::relative(entry.path(), folder).string();
        if (IsEngineFile(name))
            continue; // the files the engine keeps beside a database come and go with opens
        names.push_back(name + (entry.is_directory() && !entry.is_symlink() ? "/" : ""));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> ComponentTest::TableNames(const std::string& path) {
    CDaoDatabase db;
    db.Open(path.c_str());
    std::vector<std::string> names;
    for (short i = 0; i < db.GetTableDefCount(); i++) {
        CDaoTableDefInfo info;
        db.GetTableDefInfo(i, info);
        if (info.m_strName.Left(4) != "MSys")
            names.push_back(info.m_strName.str());
    }
    db.Close();
    return names;
}

std::vector<std::string> ComponentTest::QueryNames(const std::string& path) {
    CDaoDatabase db;
    db.Open(path.c_str());
    std::vector<std::string> names;
    for (short i = 0; i < db.GetQueryDefCount(); i++) {
        CDaoQueryDefInfo info;
        db.GetQueryDefInfo(i, info);
        names.push_back(info.m_strName.str());
    }
    db.Close();
    return names;
}
