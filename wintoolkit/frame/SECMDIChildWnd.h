#pragma once
// The toolkit's plain MDI child frame, the base of the workbook's worksheets.

#include "platform/ui/CMDIChildWnd.h"

class SECMDIChildWnd : public CMDIChildWnd {
    DECLARE_DYNCREATE(SECMDIChildWnd)
public:
    SECMDIChildWnd() = default;
};
