#include "editors/QZDocument.h"

#include "content/QZVantrelPage.h"
#include "content/QZVantrelTemplate.h"
#include "editors/QZDocumentCommands.h"
#include "editors/QZDocumentKinds.h"
#include "editors/QZObjectView.h"
#include "editors/QZPlaceholderView.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/DaoErrors.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CView.h"
#include "shell/CVantrel3App.h"

IMPLEMENT_DYNAMIC(QZDocument, CDocument)

BEGIN_MESSAGE_MAP(QZDocument, CDocument)
ON_COMMAND(ID_FILE_SAVE, OnFileSave)
ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateFileSave)
END_MESSAGE_MAP()

namespace {

QZDocument::TreeRefresher& Refresher() {
    static QZDocument::TreeRefresher refresher;
    return refresher;
}

// The question of string 1228.
const char* const kSaveQuestion = "Do you want to save this object?\n\n%s";
const char* const kNotSaved =
    "The object %s could not be saved: another program holds the site database locked. Try "
    "again in a moment.";

} // namespace

QZDocument::QZDocument() = default;

QZDocument::~QZDocument() {
    delete m_pObject;
}

void QZDocument::SetTreeRefresher(TreeRefresher refresher) {
    Refresher() = std::move(refresher);
}

void QZDocument::RefreshObjectTree(SHORT type, const QZKeyCombo& key) {
    if (Refresher())
        Refresher()(type, key);
}

BOOL QZDocument::ConfirmSaveOnClose() {
    CVantrel3App* app = GetVantrel3App();
    return app ? app->m_bConfirmSave : TRUE;
}

void QZDocument::SetTitle(LPCTSTR lpszTitle) {
    if (!m_pObject) {
        CDocument::SetTitle(lpszTitle);
        return;
    }
    const QZDocumentKind* kind = QZDocumentKindOf(m_pObject->GetObjectType());
    CString title;
    title.Format("%s  (%s) -- %s", static_cast<LPCTSTR>(m_pObject->GetName()),
                 static_cast<LPCTSTR>(m_pObject->GetKey().Format()),
                 kind ? kind->kindWord : "Unknown");
    if (!m_pObject->m_bEditable)
        title += " R";
    else if (IsModified())
        title += " *";
    CDocument::SetTitle(title);
}

BOOL QZDocument::IsModified() {
    return m_bModified;
}

void QZDocument::SetModifiedFlag(BOOL bModified) {
    if ((bModified != FALSE) == (m_bModified != FALSE))
        return;
    m_bModified = bModified;
    SetTitle(" ");
}

void QZDocument::SetContentObject(QZVantrelBase* pObject) {
    if (m_pObject != pObject)
        delete m_pObject;
    m_pObject = pObject;
}

void QZDocument::DeleteContents() {
    SetContentObject(nullptr);
    CDocument::DeleteContents();
}

BOOL QZDocument::OnNewDocument() {
    return CDocument::OnNewDocument();
}

BOOL QZDocument::OnOpenDocument(LPCTSTR lpszPathName) {
    // No file is read: the same start as a new document.
    return CDocument::OnNewDocument() && lpszPathName != nullptr;
}

CView* QZDocument::FindViewOfObject(const QZKeyCombo& key) const {
    if (m_pObject && m_pObject->GetKey() == key)
        return GetFirstView();
    return nullptr;
}

CView* QZDocument::FindView(const char* viewClass) const {
    for (CView* view : GetViews()) {
        if (IsEditorViewOf(view, viewClass))
            return view;
    }
    return nullptr;
}

QZObjectView* QZDocument::FindObjectView(const char* viewClass) const {
    return dynamic_cast<QZObjectView*>(FindView(viewClass));
}

void QZDocument::UpdateObjectFromViews() {}

int QZDocument::Preview() {
    return 1;
}

void QZDocument::MarkForSaving() {
    if (auto* page = dynamic_cast<QZVantrelPage*>(m_pObject)) {
        CDocumentSet* row = page->GetRecordset();
        if (page->IsDynamic()) {
            if (m_bPublishOnSave && !page->GetNeverPublishFlag())
                page->SetPublishFlag(TRUE);
        } else if (m_bGenerateOnSave && !row->m_NeverGenerateFlag) {
            row->m_GenerateFlag = 1;
        }
    } else if (m_bPublishOnSave && !m_pObject->GetNeverPublishFlag()) {
        m_pObject->SetPublishFlag(TRUE);
    }
    // Production never had a deleted object that was never published: it is not sent there.
    if (m_pObject->IsDeleted() && m_pObject->GetLastPublished().GetStatus() == COleDateTime::null) {
        m_pObject->SetPublishFlag(FALSE);
        if (auto* page = dynamic_cast<QZVantrelPage*>(m_pObject))
            page->GetRecordset()->m_GenerateFlag = 0;
        m_pObject->SetNeverPublishFlag(TRUE);
    }
}

void QZDocument::SaveObject() {
    if (!m_pObject)
        return;
    UpdateObjectFromViews();
    auto* text = dynamic_cast<QZVantrelTemplate*>(m_pObject);
    for (CView* view : GetViews()) {
        auto* objectView = dynamic_cast<QZObjectView*>(view);
        if (objectView && objectView->IsTextView())
            objectView->StoreText(text);
    }
    MarkForSaving();
    // The database layer answers 0 when another program's lock kept the row from being
    // written: that is the engine's locked error, not a save, and the edits stay unsaved.
    if (!m_pObject->Save() && m_pObject->m_bEditable) {
        CString text;
        text.Format(kNotSaved, static_cast<LPCTSTR>(m_pObject->GetKey().Format()));
        CDaoException::Throw(daoErrLocked, text);
    }
    SetModifiedFlag(FALSE);
    RefreshObjectTree(m_pObject->GetObjectType(), m_pObject->GetKey());
}

void QZDocument::OnFileSave() {
    SaveObject();
}

void QZDocument::OnUpdateFileSave(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_pObject != nullptr);
}

BOOL QZDocument::AskToSave() {
    if (!IsModified())
        return TRUE;
    if (!ConfirmSaveOnClose()) {
        // Saved without a question; a save refused (a read-only copy) lets the editor close.
        SaveObject();
        SetModifiedFlag(FALSE);
        return TRUE;
    }
    CString question;
    question.Format(kSaveQuestion, static_cast<LPCTSTR>(GetTitle()));
    switch (AfxMessageBox(question, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        // A save the user asked for and that was refused keeps the editor open.
        SaveObject();
        return !IsModified();
    case IDNO:
        // Nothing is written: the object writes its row only when saved.
        SetModifiedFlag(FALSE);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL QZDocument::SaveModified() {
    UpdateObjectFromViews();
    if (!AskToSave())
        return FALSE;
    return CDocument::SaveModified();
}

BOOL QZDocument::CanCloseFrame(CFrameWnd* pFrame) {
    UpdateObjectFromViews();
    for (;;) {
        try {
            if (!AskToSave())
                return FALSE;
            break;
        } catch (CDaoException* e) {
            const CaughtDaoError error(e);
            const int answer =
                AfxMessageBox(error.Message(), MB_ABORTRETRYIGNORE | MB_ICONQUESTION);
            if (answer == IDRETRY)
                continue;
            if (answer != IDIGNORE)
                return FALSE;
            SetModifiedFlag(FALSE);
            break;
        }
    }
    return CDocument::CanCloseFrame(pFrame);
}

void QZDocument::OnCloseDocument() {
    if (!AskToSave())
        return;
    CDocument::OnCloseDocument();
}
