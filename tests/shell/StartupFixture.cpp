#include "tests/shell/StartupFixture.h"

#include "db/CVantrelDb.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoRecordset.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "wintoolkit/registry/SECRegistry.h"

#include <filesystem>

namespace {

CString Key() {
    CString key;
    key.LoadString(IDS_SETTINGS_KEY);
    return key;
}

} // namespace

BOOL ScriptedWindows::AskDatabaseFile(CString* path) {
    offeredFiles.push_back(path->str());
    if (chosenFiles.empty())
        return FALSE;
    *path = chosenFiles.front().c_str();
    chosenFiles.erase(chosenFiles.begin());
    return TRUE;
}

StartupTest::StartupTest() {
    RegisterResources();
    databasePath = CVantrelDb::DefaultPath().str();
    std::filesystem::create_directories(std::filesystem::path(databasePath).parent_path());
    MakeSiteDatabase(databasePath, kDbId);
}

std::string StartupTest::Setting(const char* name) const {
    SECRegistry registry;
    CString text;
    if (registry.Connect(HKEY_CURRENT_USER) && registry.Open(Key(), KEY_READ)) {
        DWORD number = 0;
        DWORD type = 0;
        if (registry.QueryValue(name, &type, nullptr, nullptr) && type == REG_DWORD &&
            registry.GetDoubleWordValue(name, number))
            return std::to_string(number);
        if (registry.GetStringValue(name, text))
            return text.str();
    }
    return "";
}

bool StartupTest::HasSetting(const char* name) const {
    SECRegistry registry;
    CString text;
    DWORD number = 0;
    return registry.Connect(HKEY_CURRENT_USER) && registry.Open(Key(), KEY_READ) &&
           (registry.GetStringValue(name, text) || registry.GetDoubleWordValue(name, number));
}

bool StartupTest::SettingsKeyExists() const {
    SECRegistry registry;
    return registry.Connect(HKEY_CURRENT_USER) && registry.Open(Key(), KEY_READ);
}

void StartupTest::SetSetting(const char* name, const char* value) {
    SECRegistry registry;
    ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER));
    ASSERT_TRUE(registry.Open(Key()) || registry.CreateKey(Key()));
    ASSERT_TRUE(registry.SetStringValue(name, value));
}

void StartupTest::SetDwordSetting(const char* name, DWORD value) {
    SECRegistry registry;
    ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER));
    ASSERT_TRUE(registry.Open(Key()) || registry.CreateKey(Key()));
    ASSERT_TRUE(registry.SetDoubleWordValue(name, value));
}

void StartupTest::Execute(const std::string& sql, const std::string& path) {
    CDaoDatabase db;
    db.Open((path.empty() ? databasePath : path).c_str());
    db.Execute(sql.c_str());
    db.Close();
}

void StartupTest::SetVersion(const std::string& path, const char* version) {
    Execute(std::string("UPDATE Marquill SET VersionNumber = '") + version + "'", path);
}

int StartupTest::Count(const std::string& sql) {
    CDaoDatabase db;
    db.Open(databasePath.c_str());
    CDaoRecordset rs(&db);
    rs.Open(dbOpenSnapshot, sql.c_str());
    int rows = 0;
    while (!rs.IsEOF()) {
        ++rows;
        rs.MoveNext();
    }
    rs.Close();
    db.Close();
    return rows;
}
