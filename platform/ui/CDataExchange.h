#pragma once
// The context of one exchange between a dialog and its controls: which dialog, and whether
// values go from the controls to the dialog (save) or back.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class CWnd;

// What Fail throws; UpdateData catches it.
struct DataExchangeRefused {};

class CDataExchange {
public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd) {}

    // Refuses the exchange (a value the dialog cannot take): the rest of DoDataExchange is
    // skipped and UpdateData answers FALSE.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    // The control exchanged last: a refused value puts the focus back there.
    CWnd* m_pLastControl = nullptr;
};

// Binds `control` to the dialog's item `id` the first time it is exchanged; an item the dialog
// lacks leaves the control without a window.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// A control's text to or from `value`; an item the dialog lacks is skipped.
void DDX_Text(CDataExchange* pDX, int id, CString& value);
// A check box's state (0 or 1) to or from `value`; an item the dialog lacks is skipped.
void DDX_Check(CDataExchange* pDX, int id, int& value);
// Refuses, when saving, a text longer than `maxChars` characters: the message, then the focus
// back in the control exchanged last.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars);
