#include "db/QZApplication.h"

#include "platform/core/Paths.h"

namespace {
// A plain pointer: the program builds exactly one application object, and each test process at
// most one at a time.
QZApplication* g_currentApp = nullptr;
} // namespace

QZApplication* GetVantrelApp() {
    return g_currentApp;
}

void SetVantrelApp(QZApplication* app) {
    g_currentApp = app;
}

CString QZApplication::GetDatabaseRoot() {
    if (!m_strDatabaseRoot.IsEmpty())
        return m_strDatabaseRoot;
    return MapWindowsPath("C:\\Marquill");
}
