#include "setup/MQSetup.h"

#include "db/CVantrelDb.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/WindowSystemScope.h"
#include "platform/ui/WxMessageBoxSink.h"
#include "res/Resources.h"
#include "setup/DefaultSiteDatabase.h"
#include "setup/SetupExtension.h"
#include "setup/SiteDatabaseQuestion.h"
#include "shell/SiteDatabaseSettings.h"

#include <cstdio>

namespace {

int Fail(const CString& message) {
    std::fprintf(stderr, "mqsetup: %s\n", static_cast<LPCTSTR>(message));
    return 1;
}

// The question needs windows: the extension's file chooser and the program's message boxes.
int ChooseSiteDatabase(const CString& extensionPath) {
    SetupExtension extension;
    CString error;
    if (!extension.Load(extensionPath, &error))
        return Fail("cannot load the setup extension: " + error);
    WindowSystemScope windows;
    if (!windows.IsRunning())
        return Fail("no display to ask for the site database on");
    WxMessageBoxSink boxes("Marquill");
    MessageBoxSink* previous = SetMessageBoxSink(&boxes);
    CString chosen;
    const SiteDatabaseQuestion::Outcome outcome =
        SiteDatabaseQuestion(extension).Ask(&chosen, &error);
    SetMessageBoxSink(previous);
    switch (outcome) {
    case SiteDatabaseQuestion::Chosen:
        std::printf("mqsetup: the site database is now %s.\n", static_cast<LPCTSTR>(chosen));
        return 0;
    case SiteDatabaseQuestion::NothingChosen:
        std::printf("mqsetup: no site database chosen; the settings are as they were.\n");
        return 0;
    default:
        return Fail(error);
    }
}

} // namespace

int RunSetup(const std::vector<std::string>& arguments, const CString& extensionPath) {
    const bool choose = arguments.size() == 1 && arguments[0] == "--choose-database";
    if (!arguments.empty() && !choose) {
        std::fprintf(stderr, "usage: mqsetup [--choose-database]\n");
        return 2;
    }
    RegisterResources();
    const int made = MakeDefaultSiteDatabase();
    if (made != 0)
        return made;
    // As an installer would: a first set-up names the default database in the settings.
    if (!SiteDatabaseSettings::KeyExists()) {
        CString error;
        if (!SiteDatabaseSettings::WriteDatabase(CVantrelDb::DefaultPath(), &error))
            return Fail(error);
    }
    if (!choose)
        return 0;
    return ChooseSiteDatabase(extensionPath);
}
