#include "shell/CVantrel3App.h"

namespace {
// The application object alive now. A plain pointer: the program builds exactly one, and each
// test process builds at most one at a time.
CVantrel3App* g_currentApp = nullptr;
} // namespace

CVantrel3App::CVantrel3App() {
    g_currentApp = this;
}

CVantrel3App::~CVantrel3App() {
    if (g_currentApp == this)
        g_currentApp = nullptr;
}

LONG CVantrel3App::GetDbID() {
    return m_VantrelDb.GetDbId();
}

CVantrel3App* GetVantrelApp() {
    return g_currentApp;
}
