#include "platform/ui/CWinApp.h"

#include <wx/app.h>
#include <wx/utils.h>

namespace {
CWinApp* g_app = nullptr;
} // namespace

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    while (m_nWaitCursorCount > 0)
        EndWaitCursor();
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

BOOL CWinApp::PreTranslateMessage(MSG*) {
    return FALSE;
}

void CWinApp::BeginWaitCursor() {
    if (m_nWaitCursorCount++ == 0 && wxTheApp)
        wxBeginBusyCursor();
}

void CWinApp::EndWaitCursor() {
    if (m_nWaitCursorCount == 0)
        return;
    if (--m_nWaitCursorCount == 0 && wxTheApp && wxIsBusy())
        wxEndBusyCursor();
}

void CWinApp::RestoreWaitCursor() {
    if (m_nWaitCursorCount > 0 && wxTheApp && !wxIsBusy())
        wxBeginBusyCursor();
}

CWinApp* AfxGetApp() {
    return g_app;
}
