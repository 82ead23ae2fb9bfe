#pragma once
// The window asking for its cursor while a WM_SETCURSOR is handled (private to the ui layer).

class wxCursor;
class wxSetCursorEvent;

// Sets the cursor of the window whose WM_SETCURSOR is being handled; FALSE when none is.
bool SetCursorOfCurrentTarget(const wxCursor& cursor);

// Marks the event being handled for the cursor, for the life of the object.
class CursorTargetScope {
public:
    explicit CursorTargetScope(wxSetCursorEvent* event);
    ~CursorTargetScope();
    CursorTargetScope(const CursorTargetScope&) = delete;
    CursorTargetScope& operator=(const CursorTargetScope&) = delete;

private:
    wxSetCursorEvent* m_previous;
};
