#include "shell/CAboutDlg.h"

#include "db/QZDbUpdate.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/CCreditDlg.h"
#include "shell/CVantrel3App.h"
#include "shell/QZLegal.h"

#include <iterator>

namespace {

constexpr const char* kBuildNumber = "318";
constexpr int kBoldHeight = 17;

// The credits' frames: through the fourteen pictures and back again.
constexpr UINT kCreditFrames[] = {248, 249, 250, 251, 252, 254, 256, 257, 258, 259, 260, 261,
                                  260, 259, 258, 257, 256, 254, 252, 251, 250, 249, 248, 249};
// How many timer ticks each frame stays: a little longer at both ends of the run.
constexpr UINT kCreditFrameTicks[] = {3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                      1, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

CString SiteDatabasePath() {
    CVantrel3App* app = GetVantrel3App();
    return app ? app->m_strDatabasePath : CString();
}

} // namespace

CAboutDlg::CAboutDlg() : CModalDialog(IDD_ABOUTBOX) {}

CAboutDlg::~CAboutDlg() {
    DestroyWindow();
}

CString CAboutDlg::DatabaseLine(const CString& controlText, const CString& path) {
    return controlText +
           "Development Database Version:        " + QZDbUpdate::GetExpectedVersion() +
           "\nDatabase Location:       " + path;
}

CString CAboutDlg::TitleLine() {
    return CString("Marquill 3.0 (Build ") + kBuildNumber + ")";
}

BOOL CAboutDlg::OnInitDialog() {
    CModalDialog::OnInitDialog();
    if (const DialogItemTemplate* item = FindOwnDialogItem(IDD_ABOUTBOX, IDC_STATIC)) {
        CRect rect(item->x, item->y, item->x + item->cx, item->y + item->cy);
        MapDialogRect(&rect);
        m_picture.Create(IDB_ABOUT, rect, this, IDC_STATIC);
    }
    if (CWnd* database = GetDlgItem(IDC_ABOUT_DATABASE)) {
        CString text;
        database->GetWindowText(text);
        database->SetWindowText(DatabaseLine(text, SiteDatabasePath()));
    }
    CWnd* title = GetDlgItem(IDC_ABOUT_TITLE);
    if (title) {
        title->SetWindowText(TitleLine());
        LOGFONT lf{};
        if (CFont* font = title->GetFont())
            font->GetLogFont(&lf);
        lf.lfWeight = FW_NORMAL;
        m_fontNormal.CreateFontIndirect(&lf);
        lf.lfWeight = FW_BOLD;
        lf.lfHeight = kBoldHeight;
        m_fontBold.CreateFontIndirect(&lf);
        title->SetFont(&m_fontBold);
    }
    if (CWnd* notice = GetDlgItem(IDC_ABOUT_NOTICE))
        notice->SetFont(&m_fontBold);
    if (CWnd* trademark = GetDlgItem(IDC_ABOUT_TRADEMARK))
        trademark->SetFont(&m_fontNormal);
    // The dialog's window opens centred over its owner.
    return TRUE;
}

BOOL CAboutDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_ABOUT_LICENSE) {
        OnLicense();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_ABOUT_CREDITS) {
        OnCredits();
        return TRUE;
    }
    return CModalDialog::OnCommand(wParam, lParam);
}

void CAboutDlg::OnLicense() {
    QZLegal legal(this);
    legal.DoModal();
}

void CAboutDlg::OnCredits() {
    CCreditDlg credits(IDB_CREDITS_LAST, this);
    credits.SetFrames(static_cast<int>(std::size(kCreditFrames)), kCreditFrames);
    credits.SetFrameValues(static_cast<int>(std::size(kCreditFrameTicks)), kCreditFrameTicks);
    credits.SetText(IDS_CREDITS_TEXT, 11, 5, 0, 40, 100, RGB(255, 255, 255), 1, TRUE);
    credits.DoModal();
}
