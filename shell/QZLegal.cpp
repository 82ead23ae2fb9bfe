#include "shell/QZLegal.h"

#include "platform/core/MessageBox.h"
#include "platform/core/Paths.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/CVantrel3App.h"

#include <fstream>
#include <iterator>
#include <string>

namespace {

CString ProgramDirectory() {
    CVantrel3App* app = GetVantrel3App();
    return app ? app->m_strProgramDirectory : GetProgramDirectory();
}

} // namespace

QZLegal::QZLegal(CWnd* pParentWnd) : CModalDialog(IDD_LEGAL, pParentWnd) {}

QZLegal::~QZLegal() {
    m_wndNotice.DestroyWindow();
    DestroyWindow();
}

CString QZLegal::NoticePath() {
    return ProgramDirectory() + "/mq30eula.txt";
}

BOOL QZLegal::ReadNotice(const CString& path, CString& text) {
    text.Empty();
    std::ifstream file(static_cast<LPCTSTR>(path), std::ios::binary);
    if (!file)
        return FALSE;
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // The notice is text up to its first null byte.
    text = CString(bytes.c_str());
    return TRUE;
}

BOOL QZLegal::OnInitDialog() {
    CModalDialog::OnInitDialog();
    if (!ReadNotice(NoticePath(), m_strNotice))
        AfxMessageBox(ProgramDirectory(), MB_OKCANCEL);
    if (const DialogItemTemplate* item = FindOwnDialogItem(IDD_LEGAL, IDC_LEGAL_TEXT)) {
        CRect rect(item->x, item->y, item->x + item->cx, item->y + item->cy);
        MapDialogRect(&rect);
        m_wndNotice.Create(item->style, rect, this, IDC_LEGAL_TEXT);
    }
    m_wndNotice.SetWindowText(m_strNotice);
    return TRUE;
}
