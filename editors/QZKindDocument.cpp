#include "editors/QZKindDocument.h"

#include "content/QZEngineMessage.h"
#include "content/QZVantrelImage.h"
#include "content/QZVantrelTemplate.h"
#include "db/QZRecordsetCaches.h"
#include "editors/QZDocumentKinds.h"
#include "editors/QZObjectView.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CView.h"
#include "shell/CVantrel3App.h"

IMPLEMENT_DYNAMIC(QZKindDocument, QZDocument)

namespace {

const char* const kReadOnly = "This record is a Read Only copy";
const char* const kNotFound = "The object %s was not found in the site database.";

void PostLine(const CString& text) {
    if (CVantrel3App* app = GetVantrel3App())
        app->PostEngineMessage(new QZEngineMessage(2, text));
}

} // namespace

QZKindDocument::QZKindDocument(SHORT type) : m_pKind(QZDocumentKindOf(type)) {}

BOOL QZKindDocument::OnNewDocument() {
    if (!QZDocument::OnNewDocument())
        return FALSE;
    SetContentObject(Kind().create().release());
    PrepareNewObject();
    if (Kind().titledWhenNew)
        SetTitle("");
    return TRUE;
}

BOOL QZKindDocument::OnOpenDocument(LPCTSTR lpszPathName) {
    if (!QZDocument::OnOpenDocument(lpszPathName))
        return FALSE;
    const QZKeyCombo key{CString(lpszPathName)};
    std::unique_ptr<QZVantrelBase> object = Kind().load(key);
    // A key whose row is gone opens no editor. (The object's key is the one asked for only when
    // its row was found.)
    if (!(object->GetKey() == key)) {
        CString text;
        text.Format(kNotFound, lpszPathName);
        AfxMessageBox(text, MB_OK);
        return FALSE;
    }
    SetContentObject(object.release());
    PrepareLoadedObject();
    if (!m_pObject->m_bEditable)
        AfxMessageBox(kReadOnly, MB_OK);
    return TRUE;
}

void QZKindDocument::UpdateObjectFromViews() {
    for (const char* viewClass : Kind().propertyViews) {
        if (!viewClass)
            break;
        if (QZObjectView* view = FindObjectView(viewClass))
            view->SaveToObject();
    }
    if (QZObjectView* status = FindObjectView(Kind().statusView))
        status->SaveToObject();
}

void QZKindDocument::RefillStatusForm() {
    if (QZObjectView* status = FindObjectView(Kind().statusView))
        status->LoadFromObject();
}

void QZKindDocument::SaveObject() {
    if (!m_pObject)
        return;
    if (!m_pObject->m_bEditable) {
        AfxMessageBox(kReadOnly, MB_OK);
        return;
    }
    QZDocument::SaveObject();
    RefillStatusForm();
}

int QZKindDocument::Preview() {
    switch (Kind().preview) {
    case QZDocumentKind::previewText:
        return PreviewText();
    case QZDocumentKind::previewFile:
        return PreviewFile();
    case QZDocumentKind::previewCollect:
        UpdateObjectFromViews();
        return 1;
    default:
        return QZDocument::Preview();
    }
}

int QZKindDocument::PreviewText() {
    auto* object = dynamic_cast<QZVantrelTemplate*>(m_pObject);
    if (!object)
        return 1;
    UpdateObjectFromViews();
    CVantrel3App* app = GetVantrel3App();
    if (app)
        app->ClearEngineMessages();
    PostLine(CString("- Starting Preview ") + Kind().previewWord + " -------");
    for (CView* view : GetViews()) {
        auto* text = dynamic_cast<QZObjectView*>(view);
        if (text && text->IsTextView()) {
            text->StoreText(object);
            break;
        }
    }
    object->PrepareOutput();
    if (QZObjectView* preview = FindObjectView("QZPreView"))
        preview->Navigate(object->m_strOutputURL);
    PostLine(CString("- Finished Preview ") + Kind().previewWord + " -------");
    ClearRecordsetCaches();
    return 1;
}

int QZKindDocument::PreviewFile() {
    UpdateObjectFromViews();
    auto* image = dynamic_cast<QZVantrelImage*>(m_pObject);
    QZObjectView* preview = FindObjectView("QZPreView");
    if (image && preview)
        preview->Navigate(image->GetFileURL());
    return 1;
}
