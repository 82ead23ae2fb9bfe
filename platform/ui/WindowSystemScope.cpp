#include "platform/ui/WindowSystemScope.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

WindowSystemScope::WindowSystemScope() {
    if (wxTheApp)
        return;
    static int argc = 1;
    static char name[] = "marquill";
    static char* argv[] = {name, nullptr};
    // A missing display is an answer here, not an error to report: the caller goes on without
    // windows.
    wxLogNull quiet;
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv))
        return; // wx has deleted the application object again
    if (!wxTheApp->CallOnInit()) {
        wxEntryCleanup();
        return;
    }
    m_started = true;
}

WindowSystemScope::~WindowSystemScope() {
    if (!m_started || !wxTheApp)
        return;
    wxTheApp->OnExit();
    wxEntryCleanup();
}

bool WindowSystemScope::IsRunning() const {
    return wxTheApp != nullptr;
}
