#pragma once
// An edit control of a dialog template (window class "Edit"): its text is read and written
// through GetWindowText and SetWindowText, and LimitText caps it in characters. A multi-line
// edit (ES_MULTILINE) breaks its lines with CR LF, as the program's texts do.

#include "platform/ui/CWnd.h"

class CEditField : public CWnd {
    DECLARE_DYNAMIC(CEditField)
public:
    CEditField() = default;

    void GetWindowText(CString& text) const;
    // Sets the text without a change notification, as the program's own change.
    void SetWindowText(LPCTSTR text);
    // Caps the text the user types at `maxChars` characters (0: no cap); text the program
    // sets is never cut.
    void LimitText(int maxChars);
};
