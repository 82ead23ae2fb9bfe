#include "editors/QZWaitCursor.h"

#include "platform/ui/CWinApp.h"

QZWaitCursor::QZWaitCursor() {
    if (CWinApp* app = AfxGetApp())
        app->BeginWaitCursor();
}

QZWaitCursor::~QZWaitCursor() {
    if (CWinApp* app = AfxGetApp())
        app->EndWaitCursor();
}
