#pragma once
// The view in which template text is edited: one editing control filling the view, the text of
// the document's object loaded coloured and stored back, its own undo and redo, the Edit menu's
// commands (find and replace, spelling, the clipboard), drops on the control, the insertion
// commands, wrapping and printing, and the caret's line and column in the status bar. The views
// of the text tabs derive from it and name the field they edit (MakeTarget).

#include "editors/QZEditTarget.h"
#include "editors/QZEditTransfer.h"
#include "editors/QZEditViewLogic.h"
#include "editors/QZFindReplaceLogic.h"
#include "editors/QZObjectView.h"
#include "editors/QZRichEditCtrl.h"
#include "platform/core/CSize.h"
#include "platform/ui/CFindReplaceDialog.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CView.h"

#include <memory>
#include <vector>

class CCmdUI;
class QZVantrelBase;

class QZEditView : public CView, public QZObjectView, public CPrintClient {
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

    // Find and replace: the dialog's buttons end here (QZEditViewFind.cpp).
    void OnEditFindReplace(BOOL findOnly);
    QZFindReplaceLogic& GetFindLogic() { return m_find; }
    CFindReplaceDialog* GetFindDialog() const { return m_pFindDialog.get(); }

    // Wrapping: 0 none, 1 to the window, 2 to the printer's page (QZEditViewPrint.cpp).
    void SetWrapMode(int mode);
    int GetWrapMode() const { return m_nWordWrap; }
    virtual void WrapChanged();
    // The printer's paper in twips; an empty size stands for no printer (letter paper then).
    virtual void OnPrinterChanged(CSize paperTwips);
    void OnPrinterSettingsChanged() override;
    CSize GetPaperSize() const { return m_sizePaper; }
    // Printing: the page-start table is laid out by OnPrepareDC and emptied at the end.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    const std::vector<LONG>& GetPageStarts() const { return m_aPageStart; }

    QZEditTransfer& GetTransfer() { return m_transfer; }
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
    void OnEditFind();
    void OnEditReplace();
    void OnUpdateEditReplace(CCmdUI* pCmdUI);
    void OnCheckSpelling();
    void OnEditCut();
    void OnUpdateEditCut(CCmdUI* pCmdUI);
    void OnEditPaste();
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();

private:
    // The buttons of the find dialog, while this view is the one it works on.
    class FindHandler : public CFindReplaceHandler {
    public:
        explicit FindHandler(QZEditView& view) : m_view(view) {}
        void OnFindNext(const CString& find, BOOL down, BOOL matchCase, BOOL wholeWord) override;
        void OnReplace(const CString& find, BOOL down, BOOL matchCase, BOOL wholeWord,
                       const CString& replacement) override;
        void OnReplaceAll(const CString& find, const CString& replacement, BOOL matchCase,
                          BOOL wholeWord) override;
        void OnDialogClosing() override;

    private:
        QZEditView& m_view;
    };

    // What the control hears of drags and drops goes to the transfer logic.
    class DropHandler : public CRichEditDropHandler {
    public:
        explicit DropHandler(QZEditView& view) : m_view(view) {}
        DWORD OnDropText(const CString& text, long position, DWORD effect) override;
        DWORD OnDropFiles(const std::vector<CString>& paths, long position) override;
        void OnBeginDrag(long start, long end) override;

    private:
        QZEditView& m_view;
    };

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
    void AdjustDialogPosition();
    void ForgetFindDialog();
    void PrintPage(CDC* pDC, UINT page, BOOL render);
    BOOL PaginateTo(CDC* pDC, UINT page);
    void RunPrintJob(int kind);

    QZRichEditCtrl m_wndEdit;
    ObjectTarget m_target;
    QZEditViewLogic m_logic;
    QZFindReplaceLogic m_find;
    QZEditTransfer m_transfer;
    FindHandler m_findHandler;
    DropHandler m_dropHandler;
    std::unique_ptr<CFindReplaceDialog> m_pFindDialog;
    // Wrapping to the window needs no printer.
    int m_nWordWrap = 1;
    CRect m_rectMargin{500, 500, 500, 500};
    CSize m_sizePaper{12240, 15840};
    std::vector<LONG> m_aPageStart;
    BOOL m_bLoaded = FALSE;
    BOOL m_bLoading = FALSE;

    DECLARE_MESSAGE_MAP()
};
