#include "editors/QZAdSpaceView.h"

#include "content/QZVantrelAdSpace.h"
#include "editors/QZDocument.h"
#include "editors/QZDocumentCommands.h"
#include "editors/QZObjectSite.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CEdit.h"
#include "res/AdEventViewIds.h"

IMPLEMENT_DYNCREATE(QZAdSpaceView, QZBoundFormView)

BEGIN_MESSAGE_MAP(QZAdSpaceView, QZBoundFormView)
ON_COMMAND(ID_FILE_SAVE, OnFileSave)
END_MESSAGE_MAP()

namespace {

constexpr int kNameLimit = 100;
constexpr QZFieldBinding::Range kPercent{0, 100, false};
const QZKeyCombo kNone(0, 0);

int RowOf(const UINT (&ids)[QZAdSpaceRows::kRows], UINT id) {
    for (int r = 0; r < QZAdSpaceRows::kRows; ++r) {
        if (ids[r] == id)
            return r;
    }
    return -1;
}

} // namespace

QZAdSpaceView::QZAdSpaceView() : QZBoundFormView(IDD_ADSPACE_VIEW) {
    std::vector<const void*> order;
    for (int r = 0; r < kRows; ++r) {
        const SHORT n = static_cast<SHORT>(r + 1);
        m_binding
            .ComboKey(static_cast<int>(IDC_ADSPACE_AD[r]), m_AdKey[r],
                      {[this, n] {
                           QZVantrelAdSpace* space = AdSpace();
                           return space ? QZKeyCombo(space->GetAdDbID(n), space->GetAdID(n))
                                        : kNone;
                       },
                       [this, n](const QZKeyCombo& key) {
                           if (QZVantrelAdSpace* space = AdSpace()) {
                               space->SetAdDbID(n, key.m_DbID);
                               space->SetAdID(n, key.m_KeyID);
                           }
                       }},
                      m_cbAd[r])
            .Number(static_cast<int>(IDC_ADSPACE_PERCENT[r]), m_nPercent[r],
                    {[this, n] {
                         QZVantrelAdSpace* space = AdSpace();
                         return space ? static_cast<int32_t>(space->GetAdPercent(n)) : 0;
                     },
                     [this, n](const int32_t& percent) {
                         if (QZVantrelAdSpace* space = AdSpace())
                             space->SetAdPercent(n, static_cast<BYTE>(percent));
                     }},
                    kPercent, {static_cast<int>(IDC_ADSPACE_SPIN[r]), 0, 100});
        order.push_back(&m_AdKey[r]);
        order.push_back(&m_nPercent[r]);
    }
    m_binding.StoreOrder(order);
}

QZVantrelAdSpace* QZAdSpaceView::AdSpace() const {
    return dynamic_cast<QZVantrelAdSpace*>(GetObject());
}

void QZAdSpaceView::FillRows() {
    QZVantrelAdSpace* space = AdSpace();
    if (!space)
        return;
    const QZKeyCombo site = SiteOrSelected(*space);
    m_binding.Fill();
    for (int r = 0; r < kRows; ++r) {
        if (m_cbAd[r].GetSafeHwnd() || m_cbAd[r].SubclassDlgItem(IDC_ADSPACE_AD[r], this))
            m_cbAd[r].Fill(site, m_AdKey[r], TRUE);
        // A stored ad the list no longer has shows as "None".
        if (m_cbAd[r].GetSafeHwnd() && m_cbAd[r].FindKey(m_AdKey[r]) < 0)
            m_AdKey[r] = kNone;
    }
}

void QZAdSpaceView::OnInitialUpdate() {
    m_bInitialized = FALSE;
    FillRows();
    QZFormView::OnInitialUpdate();
    ShowFilledRows();
}

void QZAdSpaceView::LoadFromObject() {
    m_bInitialized = FALSE;
    FillRows();
    QZFormView::LoadFromObject();
    ShowFilledRows();
}

void QZAdSpaceView::ShowFilledRows() {
    m_binding.InitSpins(this);
    if (m_edTitle.GetSafeHwnd())
        m_edTitle.LimitText(kNameLimit);
    for (int r = 0; r < kRows; ++r)
        UpdateRow(r);
    RecomputeTotal();
    m_bInitialized = TRUE;
}

void QZAdSpaceView::UpdateRow(int r) {
    if (!m_cbAd[r].GetSafeHwnd())
        return;
    const bool hasAd = QZAdSpaceRows::HasAd(m_cbAd[r].GetSelectedKey());
    CWnd* percent = GetDlgItem(static_cast<int>(IDC_ADSPACE_PERCENT[r]));
    CWnd* spin = GetDlgItem(static_cast<int>(IDC_ADSPACE_SPIN[r]));
    if (percent)
        percent->EnableWindow(hasAd);
    if (!hasAd) {
        // Only this row's controls change: what is typed in the others stays.
        m_AdKey[r] = kNone;
        m_cbAd[r].SetCurSel(m_cbAd[r].FindKey(kNone));
        m_nPercent[r] = 0;
        if (percent)
            percent->SetWindowText("0");
        if (m_bInitialized)
            RecomputeTotal();
    }
    if (spin)
        spin->EnableWindow(hasAd);
    // A row once open stays open.
    if (r + 1 < kRows && hasAd && m_cbAd[r + 1].GetSafeHwnd())
        m_cbAd[r + 1].EnableWindow(TRUE);
}

void QZAdSpaceView::RecomputeTotal() {
    int total = 0;
    for (int r = 0; r < kRows; ++r) {
        CString text;
        if (CWnd* percent = GetDlgItem(static_cast<int>(IDC_ADSPACE_PERCENT[r])))
            percent->GetWindowText(text);
        total += QZAdSpaceRows::PercentOfText(text);
    }
    m_nTotal = total;
    CString text;
    text.Format("%d", total);
    if (CWnd* label = GetDlgItem(static_cast<int>(IDC_ADSPACE_TOTAL)))
        label->SetWindowText(text);
}

BOOL QZAdSpaceView::CloseGaps() {
    QZAdSpaceRows::Rows rows;
    for (int r = 0; r < kRows; ++r)
        rows[r] = {m_AdKey[r], m_nPercent[r]};
    if (!QZAdSpaceRows::CloseGaps(rows))
        return FALSE;
    for (int r = 0; r < kRows; ++r) {
        m_AdKey[r] = rows[r].ad;
        m_nPercent[r] = rows[r].percent;
    }
    UpdateData(FALSE);
    m_binding.InitSpins(this);
    return TRUE;
}

BOOL QZAdSpaceView::SaveToObject() {
    if (!QZFormView::SaveToObject())
        return FALSE;
    if (CloseGaps()) {
        for (int r = 0; r < kRows; ++r)
            UpdateRow(r);
    }
    m_binding.Store(GetEditorDocument());
    RecomputeTotal();
    return TRUE;
}

BOOL QZAdSpaceView::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (lParam != 0 && code == CBN_SELENDOK) {
        const int r = RowOf(IDC_ADSPACE_AD, id);
        if (r >= 0) {
            UpdateRow(r);
            return TRUE;
        }
    }
    if (lParam != 0 && code == EN_CHANGE && RowOf(IDC_ADSPACE_PERCENT, id) >= 0) {
        if (m_bInitialized)
            RecomputeTotal();
        return TRUE;
    }
    return QZFormView::OnCommand(wParam, lParam);
}

void QZAdSpaceView::OnFileSave() {
    RecomputeTotal();
    if (m_nTotal != 100)
        AfxMessageBox("The percents must total 100", MB_OK);
    if (QZDocument* document = GetEditorDocument())
        document->SaveObject();
}
