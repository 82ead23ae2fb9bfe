#include "platform/ui/CWinApp.h"

#include "platform/ui/CDocManager.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/PrintJob.h"

#include <wx/app.h>
#include <wx/utils.h>

#include <algorithm>

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
END_MESSAGE_MAP()

namespace {
CWinApp* g_app = nullptr;
} // namespace

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    while (m_nWaitCursorCount > 0)
        EndWaitCursor();
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return m_nExitCode;
}

void CWinApp::WinHelp(UINT_PTR, UINT) {}

void CWinApp::OnAppExit() {
    if (m_pMainWnd && m_pMainWnd->GetSafeHwnd())
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnFilePrintSetup() {
    if (!GetPrintService().PrintSetup(m_pMainWnd))
        return;
    std::vector<CDocument*> documents = AfxGetDocManager().GetOpenDocuments();
    documents.insert(documents.end(), m_documents.begin(), m_documents.end());
    for (CDocument* document : documents) {
        for (CView* view : document->GetViews())
            view->OnPrinterSettingsChanged();
    }
}

void CWinApp::AddDocument(CDocument* pDocument) {
    if (pDocument &&
        std::find(m_documents.begin(), m_documents.end(), pDocument) == m_documents.end())
        m_documents.push_back(pDocument);
}

void CWinApp::RemoveDocument(CDocument* pDocument) {
    std::erase(m_documents, pDocument);
}

BOOL CWinApp::SaveAllModified() {
    if (!AfxGetDocManager().SaveAllModified())
        return FALSE;
    const std::vector<CDocument*> documents = m_documents;
    for (CDocument* document : documents) {
        if (!document->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession) {
    AfxGetDocManager().CloseAllDocuments(bEndSession);
    while (!m_documents.empty()) {
        CDocument* document = m_documents.back();
        m_documents.pop_back();
        document->OnCloseDocument();
    }
}

BOOL CWinApp::PreTranslateMessage(MSG*) {
    return FALSE;
}

void CWinApp::BeginWaitCursor() {
    if (m_nWaitCursorCount++ == 0 && wxTheApp)
        wxBeginBusyCursor();
}

void CWinApp::EndWaitCursor() {
    if (m_nWaitCursorCount == 0)
        return;
    if (--m_nWaitCursorCount == 0 && wxTheApp && wxIsBusy())
        wxEndBusyCursor();
}

void CWinApp::RestoreWaitCursor() {
    if (m_nWaitCursorCount > 0 && wxTheApp && !wxIsBusy())
        wxBeginBusyCursor();
}

CWinApp* AfxGetApp() {
    return g_app;
}
