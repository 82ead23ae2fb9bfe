// The program mq30. Until the application shell and its main window exist, it opens the
// default site database, says what it found and ends.

#include "db/CVantrelDb.h"
#include "shell/CVantrel3App.h"

#include <cstdio>

int main() {
    CVantrel3App app;
    CVantrelDb& db = app.m_VantrelDb;
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
