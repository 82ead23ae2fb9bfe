#include "editors/QZEditorServiceProvider.h"

#include "editors/QZBellSoundSink.h"
#include "editors/QZChildFrame.h"
#include "editors/QZCommandPropsFactory.h"
#include "editors/QZDocument.h"
#include "editors/QZDocumentKinds.h"
#include "editors/QZKindDocument.h"
#include "editors/QZObjectView.h"
#include "editors/QZWindowInsertDialogs.h"
#include "platform/ui/CDocManager.h"
#include "platform/ui/CMDIChildWnd.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CMultiDocTemplate.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/MainWnd.h"
#include "shell/CMainFrame.h"
#include "shell/CVantrel3App.h"
#include "shell/QZSaveAsCopy.h"

namespace {

// The page, macro, form and query show the wait cursor while they open.
bool OpensWithWaitCursor(SHORT type) {
    return type == OBJ_PAGE || type == OBJ_MACRO || type == OBJ_FORM || type == OBJ_QUERY;
}

CMDIChildWnd* ActiveChild() {
    auto* main = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    return main ? main->MDIGetActive() : nullptr;
}

} // namespace

CDocTemplate* QZEditorServiceProvider::TemplateOf(SHORT type) {
    const QZDocumentKind* kind = QZDocumentKindOf(type);
    if (!kind)
        return nullptr;
    for (CDocTemplate* docTemplate : AfxGetDocManager().GetTemplates()) {
        if (docTemplate->GetDocClass() == kind->documentClass)
            return docTemplate;
    }
    return nullptr;
}

BOOL QZEditorServiceProvider::ActivateOpenDocument(const QZKeyCombo& key, SHORT type) {
    const QZDocumentKind* kind = QZDocumentKindOf(type);
    if (!kind)
        return FALSE;
    for (CDocument* document : AfxGetDocManager().GetOpenDocuments()) {
        auto* editorDocument = dynamic_cast<QZDocument*>(document);
        if (!editorDocument ||
            !editorDocument->GetRuntimeClass()->IsDerivedFrom(kind->documentClass))
            continue;
        CView* view = editorDocument->FindViewOfObject(key);
        if (!view)
            continue;
        if (auto* frame = dynamic_cast<CMDIChildWnd*>(GetParentFrameOf(view)))
            frame->ActivateFrame(-1);
        return TRUE;
    }
    return FALSE;
}

BOOL QZEditorServiceProvider::OpenObject(SHORT type, const QZKeyCombo& key) {
    if (ActivateOpenDocument(key, type))
        return TRUE;
    CDocTemplate* docTemplate = TemplateOf(type);
    if (!docTemplate)
        return FALSE;
    CWinApp* app = OpensWithWaitCursor(type) ? AfxGetApp() : nullptr;
    if (app)
        app->BeginWaitCursor();
    CDocument* document = docTemplate->OpenDocumentFile(key.Format(), TRUE);
    if (app)
        app->EndWaitCursor();
    return document != nullptr;
}

BOOL QZEditorServiceProvider::ActivateEditorTab(int index) {
    auto* frame = dynamic_cast<QZChildFrame*>(ActiveChild());
    if (!frame || index < 0 || index >= frame->m_wndTab.GetTabCount())
        return FALSE;
    frame->m_wndTab.ActivateTabByIndex(index);
    frame->m_wndTab.ScrollToTab(index);
    return TRUE;
}

BOOL QZEditorServiceProvider::OpenNewObject(SHORT type, int tab) {
    CDocTemplate* docTemplate = TemplateOf(type);
    if (!docTemplate || !docTemplate->OpenDocumentFile(nullptr, TRUE))
        return FALSE;
    if (tab >= 0)
        ActivateEditorTab(tab);
    return TRUE;
}

void QZEditorServiceProvider::SaveAll() {
    for (CDocument* document : AfxGetDocManager().GetOpenDocuments()) {
        if (auto* editorDocument = dynamic_cast<QZDocument*>(document))
            editorDocument->SaveObject();
    }
}

void QZEditorServiceProvider::InsertTextInActiveEditor(const CString& text) {
    CMDIChildWnd* frame = ActiveChild();
    auto* view = frame ? dynamic_cast<QZObjectView*>(frame->GetActiveView()) : nullptr;
    if (view && view->IsTextView())
        view->InsertText(text);
}

void RegisterEditorTemplates(CVantrel3App& app) {
    const std::vector<QZDocumentKind>& kinds = QZDocumentKinds();
    for (size_t i = 0; i < kinds.size() && i < std::size(app.m_pTemplates); ++i) {
        const QZDocumentKind& kind = kinds[i];
        auto* docTemplate =
            new CMultiDocTemplate(kind.templateId, kind.documentClass, kind.frameClass,
                                  CRuntimeClass::FromName(kind.firstViewClass));
        docTemplate->SetDocStrings(kind.docString);
        app.m_pTemplates[i] = docTemplate;
        AfxGetDocManager().AddDocTemplate(docTemplate);
    }
}

void BindSaveAsDialog() {
    QZKindDocument::SetSaveAsDialog(
        [](QZVantrelBase& object, const CString& savedName, BOOL hasSection) {
            return QZSaveAsCopy::Run(object, savedName, hasSection, AfxGetMainWnd());
        });
}

void BindTreeRefresher() {
    QZDocument::SetTreeRefresher([](SHORT type, const QZKeyCombo& key) {
        if (auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd()))
            frame->RefreshObjectTree(type, key);
    });
}

void InstallEditors() {
    static QZEditorServiceProvider provider;
    SetEditorServices(&provider);
    SetDocTemplateRegistrar(RegisterEditorTemplates);
    InstallCommandPropertyDialogs();
    InstallInsertDialogs();
    BindSaveAsDialog();
    BindTreeRefresher();
    static QZBellSoundSink bell;
    SetSoundSink(&bell);
}
