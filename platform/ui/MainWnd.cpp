#include "platform/ui/MainWnd.h"

namespace {
CWnd* g_mainWnd = nullptr;
} // namespace

CWnd* AfxGetMainWnd() {
    return g_mainWnd;
}

CWnd* SetMainWnd(CWnd* window) {
    CWnd* previous = g_mainWnd;
    g_mainWnd = window;
    return previous;
}
