#pragma once
// The base of the dialog-template views in which an object's attributes are edited. It fills
// the controls most templates carry (identifier label 1042, title edit 1034, site list 1027,
// section list 1028; each optional) from the document's content object, writes them back when
// the document saves or the view closes, refills the sections when another site is chosen, and
// offers the derived views a routine that brings a chosen file into the site's folders.

#include "editors/QZObjectView.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CFormView.h"
#include "shell/QZSectionComboBox.h"
#include "shell/QZServiceComboBox.h"

#include <optional>

class QZDocument;
class QZVantrelBase;

class QZFormView : public CFormView, public QZObjectView {
    DECLARE_DYNAMIC(QZFormView)
public:
    explicit QZFormView(UINT nIDTemplate);

    void OnInitialUpdate() override;
    // The controls into the content object; FALSE (nothing changed) when the exchange refused
    // a value.
    BOOL SaveToObject() override;
    void LoadFromObject() override;
    // The sections of the site now chosen, the object's section selected (else the first).
    virtual void RefreshSectionList();

    // Lets the user choose a file and brings it into the site's folders (see QZSiteFileCopy):
    // `fileName` and `relativeDir` are in and out, `fileDir` receives the file's folder. The
    // chosen file's name, or nothing.
    std::optional<CString> CopyFileIntoSite(const CString& filter, CString& fileName,
                                            CString& relativeDir, CString& fileDir);

    QZDocument* GetEditorDocument() const;
    QZVantrelBase* GetObject() const;
    // TRUE when a list's chosen key is one to store: an entry is chosen and differs from the
    // stored key.
    static BOOL IsChosenKey(const QZKeyCombo& selected, const QZKeyCombo& stored);

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // A closing view keeps its edits: they reach the object while its controls still exist.
    void OnDestroy() override;

    // The Edit menu acts on the focused edit control: Copy and Cut with a selection, Paste
    // into an editable one while the clipboard holds text, Undo when it can undo.
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnEditUndo();
    void OnUpdateEditCopyCut(CCmdUI* pCmdUI);
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnUpdateEditUndo(CCmdUI* pCmdUI);

    CString m_strTitle;
    CString m_strIdentifier;
    CEdit m_edTitle;
    QZServiceComboBox m_cbService;
    QZSectionComboBox m_cbSection;

private:
    void FillSharedControls(BOOL refill);
    BOOL m_bStoredAtClose = FALSE;

    DECLARE_MESSAGE_MAP()
};
