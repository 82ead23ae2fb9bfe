#pragma once
// The search state of find and replace: one for the whole run, shared by every text editor, so
// that the last texts and options are offered again in any editor. It also knows the dialog
// that is open (the view that opened it owns it) and whether that is a find-only dialog.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class CFindReplaceDialog;

class QZFindReplaceState {
public:
    static QZFindReplaceState& Get();

    // Back to the state of a new run: no dialog, no texts, default options.
    void Reset() { *this = QZFindReplaceState(); }

    CFindReplaceDialog* m_pFindReplaceDlg = nullptr;
    BOOL m_bFindOnly = TRUE;
    CString m_strFind;
    CString m_strReplace;
    BOOL m_bCase = FALSE;
    BOOL m_bWord = FALSE;
    // Searching down; every search from the dialog is.
    BOOL m_bNext = TRUE;
};
