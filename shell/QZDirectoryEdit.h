#pragma once
// The edit control of every field where a directory name is typed: blanks, slashes and
// backslashes typed into it never reach it. It also owns the one rule for directory names,
// which the dialogs that make folders check on OK or Next, since pasted text and text the
// program sets are not filtered.

#include "platform/core/CString.h"
#include "platform/ui/CEditField.h"

class QZDirectoryEdit : public CEditField {
public:
    // FALSE for a name with a blank, "/" or "\", and for "." and "..".
    static BOOL IsValidDirectoryName(const CString& name);
    // TRUE when the name is valid; else "Invalid directory name:  %s" is shown and FALSE
    // returned, and the caller saves and makes nothing.
    static BOOL CheckDirectoryName(const CString& name);
    // TRUE for the characters typing drops.
    static BOOL IsRefusedChar(UINT nChar);

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
};
