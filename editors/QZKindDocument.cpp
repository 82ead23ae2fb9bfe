#include "editors/QZKindDocument.h"

#include "content/QZEngineMessage.h"
#include "content/QZVantrelImage.h"
#include "content/QZVantrelPage.h"
#include "content/QZVantrelTemplate.h"
#include "db/QZRecordsetCaches.h"
#include "editors/QZDocumentCommands.h"
#include "editors/QZDocumentKinds.h"
#include "editors/QZObjectView.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CView.h"
#include "shell/CVantrel3App.h"

#include <algorithm>
#include <iterator>

IMPLEMENT_DYNAMIC(QZKindDocument, QZDocument)

BEGIN_MESSAGE_MAP(QZKindDocument, QZDocument)
ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, OnUpdateFileSaveAs)
END_MESSAGE_MAP()

namespace {

const char* const kReadOnly = "This record is a Read Only copy";
const char* const kNotFound = "The object %s was not found in the site database.";

// The kinds whose objects lie in a section: Save As lets the user choose it.
constexpr SHORT kInSection[] = {OBJ_PAGE, OBJ_IMAGE,   OBJ_PHOTO, OBJ_MEDIA,
                                OBJ_JAVA, OBJ_ACTIVEX, OBJ_SCRIPT};

void PostLine(const CString& text) {
    if (CVantrel3App* app = GetVantrel3App())
        app->PostEngineMessage(new QZEngineMessage(2, text));
}

QZKindDocument::SaveAsDialog& SaveAsDialogSlot() {
    static QZKindDocument::SaveAsDialog dialog;
    return dialog;
}

} // namespace

void QZKindDocument::SetSaveAsDialog(SaveAsDialog dialog) {
    SaveAsDialogSlot() = std::move(dialog);
}

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
    // The save marks flags in the object; the status form shows them even when the row could
    // not be written, or it would write its old ones back at the next save.
    try {
        QZDocument::SaveObject();
    } catch (...) {
        RefillStatusForm();
        throw;
    }
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

BOOL QZKindDocument::BelongsToSection(SHORT type) {
    return std::find(std::begin(kInSection), std::end(kInSection), type) != std::end(kInSection);
}

void QZKindDocument::OnFileSaveAs() {
    if (!m_pObject || Kind().type == OBJ_PHOTO || !SaveAsDialogSlot())
        return;
    const CString savedName = m_pObject->GetName();
    // The copy is made of the object with the user's unsaved edits; they stay in the object
    // when the user cancels.
    UpdateObjectFromViews();
    QZVantrelBase* copy = SaveAsDialogSlot()(*m_pObject, savedName, BelongsToSection(Kind().type));
    if (copy)
        KeepCopy(copy);
}

void QZKindDocument::OnUpdateFileSaveAs(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_pObject != nullptr && Kind().type != OBJ_PHOTO);
}

void QZKindDocument::KeepCopy(QZVantrelBase* copy) {
    // The old object goes, and with it its claim.
    SetContentObject(copy);
    if (auto* page = dynamic_cast<QZVantrelPage*>(m_pObject))
        page->GetRecordset()->m_GenerateFlag = 1;
    else
        m_pObject->SetPublishFlag(TRUE);
    for (const char* viewClass : Kind().propertyViews) {
        if (!viewClass)
            break;
        if (QZObjectView* view = FindObjectView(viewClass)) {
            view->LoadFromObject();
            break;
        }
    }
    RefillStatusForm();
    SaveObject();
    RefillStatusForm();
    SetModifiedFlag(FALSE);
    SetTitle("");
}
