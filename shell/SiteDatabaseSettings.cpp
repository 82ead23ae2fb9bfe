#include "shell/SiteDatabaseSettings.h"

#include "db/CVantrelDb.h"
#include "platform/core/FileServices.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "res/Resource.h"
#include "wintoolkit/registry/SECRegistry.h"

namespace {

CString SettingsKey() {
    CString key;
    key.LoadString(IDS_SETTINGS_KEY);
    return key;
}

} // namespace

BOOL SiteDatabaseSettings::OpenKeyForWriting(SECRegistry& registry) {
    const CString key = SettingsKey();
    return registry.Connect(HKEY_CURRENT_USER) &&
           (registry.Open(key, KEY_ALL_ACCESS) || registry.CreateKey(key));
}

BOOL SiteDatabaseSettings::KeyExists() {
    SECRegistry registry;
    return registry.Connect(HKEY_CURRENT_USER) && registry.Open(SettingsKey(), KEY_READ);
}

CString SiteDatabaseSettings::ReadDatabase() {
    SECRegistry registry;
    CString path;
    if (registry.Connect(HKEY_CURRENT_USER) && registry.Open(SettingsKey(), KEY_READ))
        registry.GetStringValue("VantrelDatabase", path);
    return path;
}

BOOL SiteDatabaseSettings::WriteDatabase(const CString& path, CString* error) {
    SECRegistry registry;
    const CString key = SettingsKey();
    if (!registry.Connect(HKEY_CURRENT_USER) || (!registry.Open(key) && !registry.CreateKey(key))) {
        error->Format("cannot open the settings key %s (error %ld)", static_cast<LPCTSTR>(key),
                      registry.m_lErrorCode);
        return FALSE;
    }
    const CString root = RootOf(path);
    if ((!path.IsEmpty() && !registry.SetStringValue("VantrelDatabase", path)) ||
        (!root.IsEmpty() && !registry.SetStringValue("VantrelDatabaseRoot", root))) {
        error->Format("cannot write the settings (error %ld)", registry.m_lErrorCode);
        return FALSE;
    }
    return TRUE;
}

CString SiteDatabaseSettings::RootOf(const CString& path) {
    const int separator = path.ReverseFind('/');
    return separator < 0 ? CString() : path.Left(separator);
}

BOOL SiteDatabaseSettings::IsSiteDatabase(const CString& path) {
    if (path.IsEmpty() || !PathFileExistsA(path))
        return FALSE;
    try {
        CVantrelDb db(path);
        db.Open(db.GetDatabasePath(), FALSE, TRUE, "");
        LONG dbId = 0;
        CString version;
        const BOOL read = db.ReadVersionRow(&dbId, &version);
        db.Close();
        return read;
    } catch (CDaoException* e) {
        CaughtDaoError ignored(e);
        return FALSE;
    }
}
