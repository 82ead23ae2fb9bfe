#include "platform/ui/CWaitCursor.h"

#include "platform/ui/CWinApp.h"

CWaitCursor::CWaitCursor() {
    if (CWinApp* app = AfxGetApp())
        app->BeginWaitCursor();
}

CWaitCursor::~CWaitCursor() {
    if (CWinApp* app = AfxGetApp())
        app->EndWaitCursor();
}
