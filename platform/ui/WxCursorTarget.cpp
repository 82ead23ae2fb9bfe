#include "platform/ui/WxCursorTarget.h"

#include <wx/cursor.h>
#include <wx/event.h>

namespace {
wxSetCursorEvent* g_event = nullptr;
} // namespace

bool SetCursorOfCurrentTarget(const wxCursor& cursor) {
    if (!g_event)
        return false;
    g_event->SetCursor(cursor);
    return true;
}

CursorTargetScope::CursorTargetScope(wxSetCursorEvent* event) : m_previous(g_event) {
    g_event = event;
}

CursorTargetScope::~CursorTargetScope() {
    g_event = m_previous;
}
