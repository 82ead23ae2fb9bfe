#pragma once
// One tab of a tab control: its label, width, selection mark, the client it stands for (not
// owned) and two words supplied at insertion.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class SECTab : public CObject {
    DECLARE_DYNCREATE(SECTab)
public:
    SECTab() = default;

    CString m_csLabel;
    int m_nWidth = 0;
    int m_nReserved = 0;
    BOOL m_bSelected = FALSE;
    CObject* m_pClient = nullptr;
    DWORD m_dwExtra1 = 0;
    DWORD m_dwExtra2 = 0;
};
