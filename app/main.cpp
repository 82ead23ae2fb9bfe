// The program mq30. Until the application shell and its main window exist, it opens the site
// database that the settings name (the default one when they name none), says what it found
// and ends.

#include "content/commands/RegisterContentCommands.h"
#include "db/CVantrelDb.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/CVantrel3App.h"
#include "template/expressions/QZTemplateExprContext.h"
#include "wintoolkit/registry/SECRegistry.h"

#include <cstdio>

namespace {

// The "VantrelDatabase" setting; "" when it is missing.
CString StoredDatabasePath() {
    CString key;
    key.LoadString(IDS_SETTINGS_KEY);
    SECRegistry registry;
    CString path;
    if (registry.Connect(HKEY_CURRENT_USER) && registry.Open(key, KEY_READ))
        registry.GetStringValue("VantrelDatabase", path);
    return path;
}

} // namespace

int main() {
    RegisterResources();
    // The template language's commands, then those that name site objects.
    QZTemplateExprContext::Register();
    RegisterContentCommands();
    CVantrel3App app;
    CVantrelDb& db = app.m_VantrelDb;
    const CString stored = StoredDatabasePath();
    if (!stored.IsEmpty())
        db.SetDatabasePath(stored);
    std::printf("Marquill 3.0 (mq30)\nSite database: %s\n",
                static_cast<LPCTSTR>(db.GetDatabasePath()));
    if (!db.OpenDatabase(0))
        return 1;
    LONG dbId = 0;
    CString version;
    db.GetDbIdAndVersion(&dbId, version);
    CString summary;
    summary.Format("DbID %ld, version %s%s. The main window is not built yet.", dbId, version,
                   db.IsProductionDb() ? ", production" : "");
    std::puts(summary);
    db.Close();
    return 0;
}
