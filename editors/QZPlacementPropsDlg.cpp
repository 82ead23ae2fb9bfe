#include "editors/QZPlacementPropsDlg.h"

#include "res/Resource.h"

namespace {

struct NumberControl {
    UINT edit;
    UINT spin;
    short upper;
};

// HSpace, VSpace, Width, Height and Border, in the order of Number().
const NumberControl kControls[] = {
    {IDC_PROPS_HSPACE, IDC_PROPS_HSPACE_SPIN, 100}, {IDC_PROPS_VSPACE, IDC_PROPS_VSPACE_SPIN, 100},
    {IDC_PROPS_WIDTH, IDC_PROPS_WIDTH_SPIN, 1000},  {IDC_PROPS_HEIGHT, IDC_PROPS_HEIGHT_SPIN, 1000},
    {IDC_PROPS_BORDER, IDC_PROPS_BORDER_SPIN, 100},
};

} // namespace

QZPlacementPropsDlg::QZPlacementPropsDlg(UINT templateId, QZListComboBox& list)
    : QZCommandPropsDlg(templateId, list) {}

BOOL QZPlacementPropsDlg::OnInitDialog() {
    for (int i = 0; i < kNumbers; ++i) {
        m_NumberEdits[i].SubclassDlgItem(kControls[i].edit, this);
        m_Spins[i].SubclassDlgItem(kControls[i].spin, this);
    }
    m_AlignList.SubclassDlgItem(IDC_PROPS_ALIGN, this);
    FillAlignments(m_AlignList);
    return QZCommandPropsDlg::OnInitDialog();
}

void QZPlacementPropsDlg::DoDataExchange(CDataExchange* pDX) {
    QZCommandPropsDlg::DoDataExchange(pDX);
    for (int i = 0; i < kNumbers; ++i)
        ExchangeNumber(pDX, m_NumberEdits[i], *Number(i));
    ExchangeIndex(pDX, m_AlignList, m_nAlignIndex);
}

void QZPlacementPropsDlg::SetSpins() {
    // The field gets its own number afterwards, even one beyond the spin's range.
    for (int i = 0; i < kNumbers; ++i) {
        m_Spins[i].SetRange(0, kControls[i].upper);
        m_Spins[i].SetPos(static_cast<int>(*Number(i)));
    }
}

void QZPlacementPropsDlg::ZeroNumbers() {
    for (int i = 0; i < kNumbers; ++i)
        *Number(i) = 0;
}

LONG* QZPlacementPropsDlg::Number(int index) {
    LONG* numbers[kNumbers] = {&m_nHSpace, &m_nVSpace, &m_nWidth, &m_nHeight, &m_nBorder};
    return numbers[index];
}
