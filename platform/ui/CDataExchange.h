#pragma once
// The context of one exchange between a dialog and its controls: which dialog, and whether
// values go from the controls to the dialog (save) or back.

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
};

// Binds `control` to the dialog's item `id` the first time it is exchanged; an item the dialog
// lacks leaves the control without a window.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
