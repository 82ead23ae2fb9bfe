#pragma once
// The view in which template text is edited: one editing control filling the view, the text of
// the document's object loaded coloured and stored back, its own undo and redo, the Edit menu's
// commands, the insertion commands and the caret's line and column in the status bar. The
// views of the text tabs derive from it and name the field they edit (MakeTarget).

#include "editors/QZEditTarget.h"
#include "editors/QZEditViewLogic.h"
#include "editors/QZFindReplaceLogic.h"
#include "editors/QZObjectView.h"
#include "editors/QZRichEditCtrl.h"
#include "platform/ui/CView.h"

#include <memory>

class CCmdUI;
class QZVantrelBase;

class QZEditView : public CView, public QZObjectView {
    DECLARE_DYNCREATE(QZEditView)
public:
    QZEditView();
    ~QZEditView() override;

    // The object's text into the control, coloured, unmodified (done once before first use).
    void OnInitialUpdate();
    BOOL SaveToObject() override;
    void LoadFromObject() override;
    BOOL IsTextView() const override { return TRUE; }
    void StoreText(QZVantrelTemplate* object) override;
    void InsertText(const CString& text) override;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    void OnDraw(CDC* pDC) override;

    QZEditViewLogic& GetLogic() { return m_logic; }
    QZRichEditCtrl& GetEditCtrl() { return m_wndEdit; }
    // The document's content object (null without one).
    QZVantrelBase* GetContentObject() const;

protected:
    // The field this view edits of the object; null when the object has none.
    virtual std::unique_ptr<QZEditTarget> MakeTarget(QZVantrelBase* object);

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnSetFocus(CWnd* pOldWnd) override;

    void OnEditUndo();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnEditRedo();
    void OnUpdateEditRedo(CCmdUI* pCmdUI);
    void OnEditCopy();
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnEditSelectAll();
    void OnUpdateEditFind(CCmdUI* pCmdUI);
    void OnEditRepeat();
    void OnUpdateEditRepeat(CCmdUI* pCmdUI);
    void OnEditProperties();
    void OnUpdateEditProperties(CCmdUI* pCmdUI);
    void OnUpdateLineCol(CCmdUI* pCmdUI);

private:
    // The edited field of whatever object the document holds at the moment of each call, so a
    // copy put in the document's hands is edited from then on.
    class ObjectTarget : public QZEditTarget {
    public:
        explicit ObjectTarget(QZEditView& view) : m_view(view) {}
        CString GetText() override;
        void SetText(const CString& text) override;
        QZVantrelMemoFld::ColorSpanList GetColorSpans(const CString& text) override;
        std::pair<int, int> FindCommandRange(const CString& lineText, int position) override;
        QZCommandBase* SetSourceText(const CString& text) override;
        BOOL IsWritable() override;

    private:
        QZEditTarget* Current();
        QZEditView& m_view;
        std::unique_ptr<QZEditTarget> m_current;
    };

    void EnsureLoaded();
    void OnTextModified(BOOL modified);

    QZRichEditCtrl m_wndEdit;
    ObjectTarget m_target;
    QZEditViewLogic m_logic;
    QZFindReplaceLogic m_find;
    BOOL m_bLoaded = FALSE;
    BOOL m_bLoading = FALSE;

    DECLARE_MESSAGE_MAP()
};
