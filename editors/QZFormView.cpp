#include "editors/QZFormView.h"

#include "content/QZServiceLookups.h"
#include "content/QZVantrelBase.h"
#include "editors/QZDocument.h"
#include "editors/QZSiteFileCopy.h"
#include "platform/core/Paths.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/CFocusedEdit.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/WindowMessages.h"

IMPLEMENT_DYNAMIC(QZFormView, CFormView)

BEGIN_MESSAGE_MAP(QZFormView, CFormView)
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_COMMAND(ID_EDIT_CUT, OnEditCut)
ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopyCut)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCopyCut)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
END_MESSAGE_MAP()

namespace {

constexpr int kIdentifier = 1042;
constexpr int kTitle = 1034;
constexpr int kSite = 1027;
constexpr int kSection = 1028;
constexpr int kTitleLimit = 50;

} // namespace

BOOL QZFormView::IsChosenKey(const QZKeyCombo& selected, const QZKeyCombo& stored) {
    // A list with nothing chosen (an object whose site is not listed) leaves the key alone.
    return !(selected == QZKeyCombo(-1, -1)) && !(selected == stored);
}

QZFormView::QZFormView(UINT nIDTemplate) : CFormView(nIDTemplate) {}

QZDocument* QZFormView::GetEditorDocument() const {
    return dynamic_cast<QZDocument*>(GetDocument());
}

QZVantrelBase* QZFormView::GetObject() const {
    QZDocument* document = GetEditorDocument();
    return document ? document->GetContentObject() : nullptr;
}

void QZFormView::OnInitialUpdate() {
    FillSharedControls(FALSE);
    CFormView::OnInitialUpdate();
}

void QZFormView::LoadFromObject() {
    FillSharedControls(TRUE);
    UpdateData(FALSE);
}

void QZFormView::FillSharedControls(BOOL refill) {
    QZVantrelBase* object = GetObject();
    if (!object)
        return;
    const QZKeyCombo key = object->GetKey();
    m_strIdentifier = key.Format();
    if (CWnd* label = GetDlgItem(kIdentifier))
        label->SetWindowText(m_strIdentifier);
    m_strTitle = object->GetName();
    if (m_edTitle.GetSafeHwnd() || m_edTitle.SubclassDlgItem(kTitle, this)) {
        m_edTitle.LimitText(kTitleLimit);
        m_edTitle.SetWindowText(m_strTitle);
    }
    if (m_cbService.GetSafeHwnd() || m_cbService.SubclassDlgItem(kSite, this)) {
        if (refill)
            m_cbService.Fill(object->GetServiceKey());
        else
            m_cbService.SelectKey(object->GetServiceKey());
    }
    if (m_cbSection.GetSafeHwnd() || m_cbSection.SubclassDlgItem(kSection, this))
        m_cbSection.Fill(object->GetServiceKey(), object->GetSectionKey());
}

BOOL QZFormView::SaveToObject() {
    if (!UpdateData(TRUE))
        return FALSE;
    QZVantrelBase* object = GetObject();
    QZDocument* document = GetEditorDocument();
    if (!object || !document)
        return TRUE;
    if (m_edTitle.GetSafeHwnd()) {
        m_edTitle.GetWindowText(m_strTitle);
        if (m_strTitle.Compare(object->GetName()) != 0) {
            object->SetName(m_strTitle);
            document->SetModifiedFlag(TRUE);
        }
    }
    if (m_cbService.GetSafeHwnd() &&
        IsChosenKey(m_cbService.GetSelectedKey(), object->GetServiceKey())) {
        object->SetServiceKey(m_cbService.GetSelectedKey());
        document->SetModifiedFlag(TRUE);
    }
    if (m_cbSection.GetSafeHwnd() &&
        IsChosenKey(m_cbSection.GetSelectedKey(), object->GetSectionKey())) {
        object->SetSectionKey(m_cbSection.GetSelectedKey());
        document->SetModifiedFlag(TRUE);
    }
    return TRUE;
}

void QZFormView::RefreshSectionList() {
    QZVantrelBase* object = GetObject();
    if (!m_cbSection.GetSafeHwnd() || !object)
        return;
    const QZKeyCombo site =
        m_cbService.GetSafeHwnd() ? m_cbService.GetSelectedKey() : object->GetServiceKey();
    m_cbSection.Fill(site, object->GetSectionKey());
}

BOOL QZFormView::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam != 0 && LOWORD(wParam) == kSite && HIWORD(wParam) == CBN_SELENDOK) {
        RefreshSectionList();
        return TRUE;
    }
    return CFormView::OnCommand(wParam, lParam);
}

void QZFormView::OnDestroy() {
    // Before the base: leaving the document may close it, and the controls must still exist.
    if (!m_bStoredAtClose) {
        m_bStoredAtClose = TRUE;
        SaveToObject();
    }
    CFormView::OnDestroy();
}

std::optional<CString> QZFormView::CopyFileIntoSite(const CString& filter, CString& fileName,
                                                    CString& relativeDir, CString& fileDir) {
    QZVantrelBase* object = GetObject();
    if (!object)
        return std::nullopt;
    UpdateData(TRUE);
    // The stored development path may be spelled as the original's ("C:\dev").
    const CString developDir =
        MapWindowsPath(GetSectionDevelopPath(object->GetServiceKey(), object->GetSectionKey()));
    QZSiteFileCopy copy(developDir, [this](const CString& initial, const CString& filterText) {
        CFileDialog dialog(TRUE, nullptr, initial,
                           OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                               OFN_FILEMUSTEXIST,
                           filterText, this);
        return dialog.DoModal() == IDOK ? std::optional<CString>(dialog.GetPathName())
                                        : std::nullopt;
    });
    std::optional<CString> name = copy.Run(filter, fileName, relativeDir, fileDir);
    if (name)
        UpdateData(FALSE);
    return name;
}

void QZFormView::OnEditCopy() {
    CFocusedEdit().Copy();
}

void QZFormView::OnEditCut() {
    CFocusedEdit().Cut();
}

void QZFormView::OnEditPaste() {
    CFocusedEdit().Paste();
}

void QZFormView::OnEditUndo() {
    CFocusedEdit().Undo();
}

void QZFormView::OnUpdateEditCopyCut(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CFocusedEdit().HasSelection());
}

void QZFormView::OnUpdateEditPaste(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CFocusedEdit().CanPaste());
}

void QZFormView::OnUpdateEditUndo(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CFocusedEdit().CanUndo());
}
