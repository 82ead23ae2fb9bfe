#include "shell/QZPublishView.h"

#include "content/QZEngineMessage.h"
#include "content/QZPublishDb.h"
#include "db/QZExecQuery.h"
#include "db/QZListLoaders.h"
#include "db/QZRecordsetCaches.h"
#include "platform/core/CException.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DialogModalLoop.h"
#include "platform/ui/MessagePump.h"
#include "res/Resource.h"
#include "shell/CVantrel3App.h"
#include "shell/QZRunLog.h"

#include <new>

IMPLEMENT_DYNCREATE(QZPublishView, CDialog)

QZPublishView::QZPublishView(CWnd* pParent) {
    m_pParentWnd = pParent;
}

QZPublishView::~QZPublishView() {
    ClearPublishList();
}

INT_PTR QZPublishView::DoModal() {
    m_nModalResult = IDCANCEL;
    if (!Create(IDD_PUBLISH, GetSafeOwner(m_pParentWnd)))
        return -1;
    RunDialogModalLoop(*this);
    DestroyWindow();
    return m_nModalResult;
}

BOOL QZPublishView::OnInitDialog() {
    CVantrel3App* app = GetVantrel3App();
    app->BeginWaitCursor();
    m_CheckList.SubclassDlgItem(IDC_PUB_LIST, this);
    FillPublishList();
    CDialog::OnInitDialog();
    m_ServiceKey = app->GetCurrentServiceKey();
    app->EndWaitCursor();
    return TRUE;
}

void QZPublishView::FillPublishList() {
    ClearPublishList();
    m_pObjectList = LoadListPublishObjects(GetVantrelApp()->GetCurrentServiceKey(), TRUE);
    if (!m_pObjectList)
        return;
    for (POSITION pos = m_pObjectList->GetHeadPosition(); pos;) {
        const QZNameAndKey* item = m_pObjectList->GetNext(pos);
        const int line = m_CheckList.AddString(item->m_DisplayText);
        m_CheckList.SetCheck(line, 1);
        m_CheckList.SetItemData(
            line, static_cast<uintptr_t>(QZPublishCheckListBox::IconOf(item->m_Key.m_ObjectType)));
    }
}

void QZPublishView::ClearPublishList() {
    if (m_CheckList.GetSafeHwnd())
        m_CheckList.ResetContent();
    DeleteNameAndKeyList(m_pObjectList);
    m_pObjectList = nullptr;
}

BOOL QZPublishView::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != 0)
        return CDialog::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_PUB_MARKALL:
        OnMarkAll();
        return TRUE;
    case IDC_PUB_CHECKALL:
        OnCheckAll(1);
        return TRUE;
    case IDC_PUB_UNCHECKALL:
        OnCheckAll(0);
        return TRUE;
    case IDC_PUB_PUBLISH:
        OnPublish();
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

void QZPublishView::OnCheckAll(int check) {
    const int count = m_pObjectList ? m_pObjectList->GetCount() : 0;
    for (int line = 0; line < count; ++line)
        m_CheckList.SetCheck(line, check);
}

void QZPublishView::OnCancel() {
    if (m_bRunning) {
        m_bAbort = TRUE;
        SetItemText(IDCANCEL, "Aborting...");
        return;
    }
    CDialog::OnCancel();
}

void QZPublishView::OnMarkAll() {
    if (m_bRunning)
        return;
    CVantrel3App* app = GetVantrel3App();
    app->BeginWaitCursor();
    SetItemText(IDC_PUB_MARKALL, "Marking...");
    EnableItem(IDC_PUB_MARKALL, FALSE);
    EnableItem(IDC_PUB_PUBLISH, FALSE);
    m_bRunning = 1;
    if (MarkAllInSite())
        FillPublishList();
    else
        AfxMessageBox("The objects of this site could not be marked for publishing.");
    SetItemText(IDC_PUB_MARKALL, "&Mark All in Site");
    EnableItem(IDC_PUB_MARKALL, TRUE);
    EnableItem(IDC_PUB_PUBLISH, TRUE);
    m_bRunning = 0;
    app->EndWaitCursor();
}

BOOL QZPublishView::MarkAllInSite() {
    try {
        QZExecQuery exec(&GetVantrelApp()->GetVantrelDb());
        return exec.ExecuteAllByKey(QZExecQuery::MarkAllInSiteQueries(), m_ServiceKey) == 1;
    } catch (CException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
    return FALSE;
}

void QZPublishView::OnPublish() {
    if (m_bRunning)
        return;
    CVantrel3App* app = GetVantrel3App();
    app->BeginWaitCursor();
    SetItemText(IDC_PUB_PUBLISH, "Publishing...");
    EnableItem(IDC_PUB_PUBLISH, FALSE);
    EnableItem(IDC_PUB_MARKALL, FALSE);
    m_bAbort = FALSE;
    SetItemText(IDCANCEL, "&Abort");
    m_bRunning = 1;
    DropUnchecked();
    app->ClearEngineMessages();
    PostRunMessage(QZEngineMessage::kindProgress, "------- Starting to Publish Objects -------");
    ClearRecordsetCaches();
    RunEngine();
    PostRunMessage(QZEngineMessage::kindProgress, "------- Completed Publishing Objects -------");
    try {
        FillPublishList();
    } catch (CException* e) {
        PostRunMessage(QZEngineMessage::kindError, TakeExceptionText(e));
    }
    SetItemText(IDC_PUB_PUBLISH, "&Publish");
    EnableItem(IDC_PUB_PUBLISH, TRUE);
    EnableItem(IDC_PUB_MARKALL, TRUE);
    SetItemText(IDCANCEL, "&Cancel");
    m_bRunning = 0;
    app->EndWaitCursor();
}

void QZPublishView::DropUnchecked() {
    if (!m_pObjectList)
        m_pObjectList = new QZNameAndKeyList;
    int line = 0;
    for (POSITION pos = m_pObjectList->GetHeadPosition(); pos; ++line) {
        const POSITION here = pos;
        QZNameAndKey* item = m_pObjectList->GetNext(pos);
        if (m_CheckList.GetCheck(line) != 1) {
            m_pObjectList->RemoveAt(here);
            delete item;
        }
    }
}

namespace {

// Lets the window's messages through for the engine and turns a quit request taken meanwhile
// into the run's abort, which the engine reads right after.
class QuitAbortingPump : public MessagePump {
public:
    explicit QuitAbortingPump(QZPublishAbortFlag& flag) : m_flag(flag) {
        m_previous = SetMessagePump(this);
    }
    ~QuitAbortingPump() override { SetMessagePump(m_previous); }
    QuitAbortingPump(const QuitAbortingPump&) = delete;
    QuitAbortingPump& operator=(const QuitAbortingPump&) = delete;

    void PumpWaitingMessages() override {
        SetMessagePump(m_previous);
        ::PumpWaitingMessages();
        SetMessagePump(this);
        if (IsQuitRequested())
            m_flag.m_bAbort = TRUE;
    }

private:
    QZPublishAbortFlag& m_flag;
    MessagePump* m_previous;
};

} // namespace

void QZPublishView::RunEngine() {
    // The engine logs its own failures; what escapes it still gets its line before the
    // completion line, and the buttons come back all the same.
    QuitAbortingPump pump(*this);
    try {
        QZPublishDb engine;
        engine.Publish(this, m_ServiceKey, *m_pObjectList);
    } catch (CException* e) {
        PostRunMessage(QZEngineMessage::kindError, TakeExceptionText(e));
    } catch (const std::bad_alloc&) {
        PostRunMessage(QZEngineMessage::kindError, MemoryErrorText());
    }
}

void QZPublishView::OnDestroy() {
    ClearPublishList();
    CDialog::OnDestroy();
}

void QZPublishView::SetItemText(UINT id, LPCTSTR text) {
    if (CWnd* item = GetDlgItem(static_cast<int>(id)))
        item->SetWindowText(text);
}

void QZPublishView::EnableItem(UINT id, BOOL enable) {
    if (CWnd* item = GetDlgItem(static_cast<int>(id)))
        item->EnableWindow(enable);
}
