#include "shell/QZPrefEditorPage.h"

#include "platform/ui/CDataExchange.h"
#include "platform/ui/MainWnd.h"
#include "res/Resource.h"
#include "shell/CVantrel3App.h"
#include "wintoolkit/workbook/SECWorkbook.h"

#include <iterator>

namespace {

// Each colour button with the colour it edits.
struct ColorWell {
    UINT id;
    COLORREF QZEditorColors::*member;
};

constexpr ColorWell kWells[] = {
    {IDC_PREF_TEXTCOLOR, &QZEditorColors::text},
    {IDC_PREF_HTMLCOLOR, &QZEditorColors::html},
    {IDC_PREF_VANTRELCOLOR, &QZEditorColors::vantrel},
    {IDC_PREF_COMMENTCOLOR, &QZEditorColors::comment},
    {IDC_PREF_BRACKETCOLOR, &QZEditorColors::bracket},
};

SECWorkbook* MainWorkbook() {
    return dynamic_cast<SECWorkbook*>(AfxGetMainWnd());
}

} // namespace

QZPrefEditorPage::QZPrefEditorPage() : CPropertyPage(IDD_PREF_EDITOR) {}

BOOL QZPrefEditorPage::OnInitDialog() {
    const CVantrel3App* app = GetVantrel3App();
    if (const SECWorkbook* workbook = MainWorkbook())
        m_bWorkBookMode = workbook->GetWorkbookMode() ? 1 : 0;
    else if (app)
        m_bWorkBookMode = app->m_bWorkBookMode ? 1 : 0;
    if (app)
        m_bAddComments = app->m_bAddComments ? 1 : 0;
    CPropertyPage::OnInitDialog();
    for (size_t i = 0; i < std::size(kWells); ++i) {
        m_Wells[i].AttachToDlgItem(kWells[i].id, this);
        m_Wells[i].SetColor(g_EditorColors.*kWells[i].member);
        m_Wells[i].SetOtherColorChoice(TRUE);
        m_Wells[i].SetUsePalette(FALSE);
    }
    return TRUE;
}

void QZPrefEditorPage::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PREF_WORKBOOK, m_bWorkBookMode);
    DDX_Check(pDX, IDC_PREF_ADDCOMMENTS, m_bAddComments);
}

void QZPrefEditorPage::OnOK() {
    CPropertyPage::OnOK();
    if (CVantrel3App* app = GetVantrel3App()) {
        app->m_bWorkBookMode = m_bWorkBookMode != 0;
        app->m_bAddComments = m_bAddComments != 0;
    }
    if (SECWorkbook* workbook = MainWorkbook())
        workbook->SetWorkbookMode(m_bWorkBookMode != 0);
    for (size_t i = 0; i < std::size(kWells); ++i) {
        if (m_Wells[i].GetSafeHwnd())
            g_EditorColors.*kWells[i].member = m_Wells[i].GetColor();
    }
}
