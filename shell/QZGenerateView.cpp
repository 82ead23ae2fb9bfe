#include "shell/QZGenerateView.h"

#include "content/QZEngineMessage.h"
#include "content/QZVantrelPage.h"
#include "db/QZRecordsetCaches.h"
#include "platform/core/CException.h"
#include "platform/ui/DialogModalLoop.h"
#include "platform/ui/MessagePump.h"
#include "res/Resource.h"
#include "shell/CVantrel3App.h"
#include "shell/QZRunLog.h"
#include "shell/QZSiteMenuHost.h"

#include <iterator>
#include <memory>
#include <new>

IMPLEMENT_DYNCREATE(QZGenerateView, CDialog)

namespace {

const char* const kModeTexts[] = {
    "All Pages In This Site", "With Generate Box Checked", "In this Section",
    "Linked to this Page",    "Using this Macro",          "Displaying this Image",
    "Using this Form",        "Using this Query",          "Using this ActiveX Control",
    "Using this Java Applet", "Using this Script Object",  "Using this Multimedia Object",
    "Of this Style",
};

CString WithTitle(const char* format, const CString& title) {
    CString text;
    text.Format(format, static_cast<LPCTSTR>(title));
    return text;
}

} // namespace

QZGenerateView::QZGenerateView(CWnd* pParent) {
    m_pParentWnd = pParent;
}

const char* const* QZGenerateView::ModeTexts(int* count) {
    *count = static_cast<int>(std::size(kModeTexts));
    return kModeTexts;
}

INT_PTR QZGenerateView::DoModal() {
    m_nModalResult = IDCANCEL;
    if (!Create(IDD_GENERATE, GetSafeOwner(m_pParentWnd)))
        return -1;
    RunDialogModalLoop(*this);
    DestroyWindow();
    return m_nModalResult;
}

BOOL QZGenerateView::OnInitDialog() {
    m_ObjectCombo.SubclassDlgItem(IDC_GEN_OBJECT, this);
    m_SourceList.SubclassDlgItem(IDC_GEN_SOURCE, this);
    m_TargetList.SubclassDlgItem(IDC_GEN_TARGET, this);
    CDialog::OnInitDialog();
    m_ModeList.SubclassDlgItem(IDC_GEN_MODE, this);
    for (const char* text : kModeTexts)
        m_ModeList.AddString(text);
    m_ModeList.SetCurSel(0);
    OnSelectMode();
    UpdateData(FALSE);
    return TRUE;
}

BOOL QZGenerateView::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == IDC_GEN_MODE && code == CBN_SELCHANGE)
        OnSelectMode();
    else if (id == IDC_GEN_OBJECT && code == CBN_SELCHANGE)
        OnSelectObject();
    else if (id == IDC_GEN_SOURCE && code == LBN_DBLCLK)
        OnAddPages();
    else if (id == IDC_GEN_TARGET && code == LBN_DBLCLK)
        OnRemovePages();
    else if (code == 0 && id == IDC_GEN_SELECT_SOURCE)
        m_SourceList.SelectAll();
    else if (code == 0 && id == IDC_GEN_SELECT_TARGET)
        m_TargetList.SelectAll();
    else if (code == 0 && id == IDC_GEN_ADD)
        OnAddPages();
    else if (code == 0 && id == IDC_GEN_REMOVE)
        OnRemovePages();
    else if (code == 0 && id == IDC_GEN_GENERATE)
        OnGenerate();
    else if (code == 0 && id == ID_GENERATE_NEXT)
        OnGenerateNext();
    else
        return CDialog::OnCommand(wParam, lParam);
    return TRUE;
}

void QZGenerateView::OnSelectMode() {
    const int mode = m_ModeList.GetCurSel();
    if (mode < 0)
        return;
    m_ObjectCombo.FillCombo(mode, QZKeyCombo());
    OnSelectObject();
}

void QZGenerateView::OnSelectObject() {
    const int mode = m_ModeList.GetCurSel();
    if (mode < 0)
        return;
    if (mode <= 1)
        m_SourceList.FillList(mode, GetVantrelApp()->GetCurrentServiceKey());
    else
        m_SourceList.FillList(mode, m_ObjectCombo.GetSelectedKey());
}

void QZGenerateView::OnAddPages() {
    m_TargetList.AddItems(m_SourceList.GetSelectedItems());
}

void QZGenerateView::OnRemovePages() {
    m_TargetList.RemoveSelected();
}

void QZGenerateView::OnCancel() {
    if (m_bRunning) {
        m_bAbort = 1;
        return;
    }
    CDialog::OnCancel();
}

void QZGenerateView::OnGenerate() {
    if (m_bRunning) {
        m_bAbort = 1;
        SetItemText(IDC_GEN_GENERATE, "Aborting...");
        RefreshObjectTree(OBJ_PAGE, QZKeyCombo());
        return;
    }
    CVantrel3App* app = GetVantrel3App();
    SetItemText(IDC_GEN_GENERATE, "Generating...");
    m_bRunning = 1;
    app->BeginWaitCursor();
    app->ClearEngineMessages();
    PostRunMessage(QZEngineMessage::kindProgress, "------- Starting to Generate Pages -------");
    m_nPageCount = 0;
    // One page a step; a step never starts another, so a long list runs on a flat stack.
    while (m_bRunning)
        SendMessage(WM_COMMAND, MAKEWPARAM(ID_GENERATE_NEXT, 0), 0);
    RefreshObjectTree(OBJ_PAGE, QZKeyCombo());
}

void QZGenerateView::OnGenerateNext() {
    if (!m_bRunning || m_bInStep)
        return;
    m_bInStep = TRUE;
    std::unique_ptr<QZNameAndKey> item(m_TargetList.TakeFirst());
    if (!item) {
        m_bInStep = FALSE;
        EndRun();
        return;
    }
    GeneratePage(*item);
    item.reset();
    ++m_nPageCount;
    PumpWaitingMessages();
    if (IsQuitRequested())
        m_bAbort = 1;
    m_bInStep = FALSE;
    if (m_bAbort)
        EndRun();
    else
        m_TargetList.UpdateWindow();
}

void QZGenerateView::EndRun() {
    m_bAbort = 0;
    m_bRunning = 0;
    CString text;
    text.Format(m_nPageCount > 1 ? "------- Generated %ld pages -------"
                                 : "------- Generated %ld page -------",
                static_cast<long>(m_nPageCount));
    PostRunMessage(QZEngineMessage::kindProgress, text);
    ClearRecordsetCaches();
    if (CWnd* button = GetDlgItem(IDC_GEN_GENERATE))
        button->EnableWindow(TRUE);
    SetItemText(IDC_GEN_GENERATE, "Generate");
    GetVantrel3App()->EndWaitCursor();
}

void QZGenerateView::GeneratePage(const QZNameAndKey& item) {
    // A page that fails keeps its generate flag, gets no publish flag and is not saved; the
    // error is logged and the run goes on.
    try {
        QZVantrelPage page(item.m_Key, TRUE);
        GenerateLoadedPage(page, item);
    } catch (CException* e) {
        PostRunMessage(QZEngineMessage::kindError, TakeExceptionText(e));
    } catch (const std::bad_alloc&) {
        PostRunMessage(QZEngineMessage::kindError, MemoryErrorText());
    }
}

void QZGenerateView::GenerateLoadedPage(QZVantrelPage& page, const QZNameAndKey& item) {
    if (!page.IsLoaded()) {
        PostRunMessage(QZEngineMessage::kindError,
                       WithTitle("**** %s was not Generated, it no longer exists.", item.m_Name));
    } else if (!page.m_bEditable) {
        PostRunMessage(
            QZEngineMessage::kindError,
            WithTitle("**** Unable to Generate %s (Someone else may be editing it)", item.m_Name));
    } else if (page.GetRecordset()->m_NeverGenerateFlag) {
        PostRunMessage(QZEngineMessage::kindError,
                       WithTitle("**** %s was not Generated, it has the Never Generate flag set.",
                                 item.m_Name));
    } else if (page.WriteDependents() == 1) {
        page.GetRecordset()->m_GenerateFlag = 0;
        page.SetPublishFlag(1);
        page.Save();
    }
}

void QZGenerateView::SetItemText(UINT id, LPCTSTR text) {
    if (CWnd* item = GetDlgItem(static_cast<int>(id)))
        item->SetWindowText(text);
}
