// The program mq30. Until the application shell and its main window exist, it opens the
// default site database, says what it found and ends.

#include "content/commands/RegisterContentCommands.h"
#include "db/CVantrelDb.h"
#include "shell/CVantrel3App.h"
#include "template/expressions/QZTemplateExprContext.h"

#include <cstdio>

int main() {
    // The template language's commands, then those that name site objects.
    QZTemplateExprContext::Register();
    RegisterContentCommands();
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
