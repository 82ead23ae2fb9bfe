#pragma once
// What the image, ActiveX and Java applet dialogs share: the spacing and size numbers (and the
// border where the template has it), each with its spin, and the alignment list.

#include "editors/QZCommandPropsDlg.h"

class QZPlacementPropsDlg : public QZCommandPropsDlg {
public:
    QZPlacementPropsDlg(UINT templateId, QZListComboBox& list);

    LONG m_nHSpace = 0;
    LONG m_nVSpace = 0;
    LONG m_nWidth = 0;
    LONG m_nHeight = 0;
    LONG m_nBorder = 0;
    // The alignment entry, -1 for none.
    int m_nAlignIndex = -1;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Gives each spin its range and the number of its field.
    void SetSpins();
    void ZeroNumbers();

private:
    enum { kNumbers = 5 };
    LONG* Number(int index);

    CEdit m_NumberEdits[kNumbers];
    CSpinButtonCtrl m_Spins[kNumbers];
    CComboBox m_AlignList;
};
