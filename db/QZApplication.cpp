#include "db/QZApplication.h"

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
