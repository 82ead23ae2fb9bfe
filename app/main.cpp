// The program mq30: the application object run on the window system. "--no-splash" turns the
// splash window off; the other arguments, joined by blanks, are the site database to open.

#include "content/commands/RegisterContentCommands.h"
#include "editors/QZEditorServiceProvider.h"
#include "platform/ui/WinAppRunner.h"
#include "res/Resources.h"
#include "shell/CVantrel3App.h"
#include "template/expressions/QZTemplateExprContext.h"

#include <cstring>

int main(int argc, char** argv) {
    RegisterResources();
    // The template language's commands, then those that name site objects.
    QZTemplateExprContext::Register();
    RegisterContentCommands();
    // The object editors: their document templates at start-up, and the services the shell
    // reaches them by.
    InstallEditors();
    CVantrel3App app;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-splash") == 0) {
            app.m_bShowSplash = FALSE;
            continue;
        }
        if (!app.m_lpCmdLine.IsEmpty())
            app.m_lpCmdLine += " ";
        app.m_lpCmdLine += argv[i];
    }
    // Only the program's own name reaches the window system.
    int wxArgc = 1;
    return RunWinApp(app, wxArgc, argv);
}
