#include "editors/QZEditView.h"

#include "content/QZVantrelTemplate.h"
#include "editors/QZDocument.h"
#include "editors/QZEditTargets.h"
#include "editors/QZInsertCommands.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/PrintJob.h"
#include "shell/CVantrel3App.h"

IMPLEMENT_DYNCREATE(QZEditView, CView)

namespace {

constexpr UINT kIdEditUndo = 57643;
constexpr UINT kIdEditRedo = 57644;
constexpr UINT kIdProperties = 32815;
// The status bar's line-and-column pane.
constexpr UINT kIdLineCol = 172;
constexpr UINT kIdEditControl = 32870;
constexpr UINT kIdEditReplace = 57641;
constexpr UINT kIdSpelling = 32896;
constexpr UINT kIdFilePrint = 57607;
constexpr UINT kIdFilePrintDirect = 57608;
constexpr UINT kIdFilePrintPreview = 57609;

} // namespace

BEGIN_MESSAGE_MAP(QZEditView, CView)
ON_COMMAND(kIdEditUndo, OnEditUndo)
ON_UPDATE_COMMAND_UI(kIdEditUndo, OnUpdateEditUndo)
ON_COMMAND(kIdEditRedo, OnEditRedo)
ON_UPDATE_COMMAND_UI(kIdEditRedo, OnUpdateEditRedo)
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
ON_UPDATE_COMMAND_UI(ID_EDIT_FIND, OnUpdateEditFind)
ON_COMMAND(ID_EDIT_REPEAT, OnEditRepeat)
ON_UPDATE_COMMAND_UI(ID_EDIT_REPEAT, OnUpdateEditRepeat)
ON_COMMAND(kIdProperties, OnEditProperties)
ON_UPDATE_COMMAND_UI(kIdProperties, OnUpdateEditProperties)
ON_UPDATE_COMMAND_UI(kIdLineCol, OnUpdateLineCol)
ON_COMMAND(ID_EDIT_FIND, OnEditFind)
ON_COMMAND(kIdEditReplace, OnEditReplace)
ON_UPDATE_COMMAND_UI(kIdEditReplace, OnUpdateEditReplace)
ON_COMMAND(kIdSpelling, OnCheckSpelling)
ON_COMMAND(ID_EDIT_CUT, OnEditCut)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
ON_COMMAND(kIdFilePrint, OnFilePrint)
ON_COMMAND(kIdFilePrintDirect, OnFilePrintDirect)
ON_COMMAND(kIdFilePrintPreview, OnFilePrintPreview)
END_MESSAGE_MAP()

QZEditView::QZEditView()
    : m_target(*this), m_logic(m_wndEdit, &m_target), m_find(m_logic), m_transfer(m_logic),
      m_findHandler(*this), m_dropHandler(*this) {
    m_logic.SetModifiedHandler([this](BOOL modified) { OnTextModified(modified); });
    m_find.SetFoundHandler([this] { AdjustDialogPosition(); });
}

QZEditView::~QZEditView() {
    ForgetFindDialog();
    ClosePrintPreviewsOf(*this);
}

QZVantrelBase* QZEditView::GetContentObject() const {
    auto* document = dynamic_cast<QZDocument*>(GetDocument());
    return document ? document->GetContentObject() : nullptr;
}

std::unique_ptr<QZEditTarget> QZEditView::MakeTarget(QZVantrelBase* object) {
    if (auto* text = dynamic_cast<QZVantrelTemplate*>(object))
        return std::make_unique<QZTemplateEditTarget>(*text);
    return nullptr;
}

// ---- Loading and storing ----

void QZEditView::OnInitialUpdate() {
    if (!m_wndEdit.GetSafeHwnd())
        return;
    m_bLoaded = TRUE;
    m_bLoading = TRUE;
    m_logic.OnInitialUpdate();
    m_bLoading = FALSE;
    // A copy another user holds is shown, never typed into.
    m_wndEdit.SetReadOnly(m_logic.IsReadOnly());
}

void QZEditView::EnsureLoaded() {
    // The document gets its object after its views are made: the text comes in at first use.
    if (!m_bLoaded && GetContentObject() != nullptr)
        OnInitialUpdate();
}

BOOL QZEditView::SaveToObject() {
    EnsureLoaded();
    m_logic.SaveToObject();
    return TRUE;
}

void QZEditView::LoadFromObject() {
    if (!m_bLoaded) {
        EnsureLoaded();
        return;
    }
    m_bLoading = TRUE;
    m_logic.LoadFromObject();
    m_bLoading = FALSE;
}

void QZEditView::StoreText(QZVantrelTemplate*) {
    if (!m_bLoaded)
        return; // never shown: the object keeps its text as it is
    m_logic.SaveToObject();
}

void QZEditView::InsertText(const CString& text) {
    EnsureLoaded();
    m_logic.InsertText(text, QZEditViewLogic::INSERT_REPLACE, TRUE);
}

void QZEditView::OnTextModified(BOOL modified) {
    // Colouring the loaded text is no change; the document clears its own flag on saving.
    if (modified && !m_bLoading && GetDocument())
        GetDocument()->SetModifiedFlag(TRUE);
}

// ---- Window ----

int QZEditView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndEdit.CreateEditor(this, kIdEditControl, m_logic))
        return -1;
    m_wndEdit.SetDropHandler(&m_dropHandler);
    WrapChanged();
    return 0;
}

void QZEditView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    if (m_wndEdit.GetSafeHwnd())
        m_wndEdit.MoveWindow(0, 0, cx, cy);
    EnsureLoaded();
}

void QZEditView::OnSetFocus(CWnd* pOldWnd) {
    CView::OnSetFocus(pOldWnd);
    EnsureLoaded();
    if (m_wndEdit.GetSafeHwnd())
        m_wndEdit.SetFocus();
}

void QZEditView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
    if (bActivate)
        EnsureLoaded();
}

void QZEditView::OnDraw(CDC*) {
    // The control paints itself.
}

// ---- Commands ----

BOOL QZEditView::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    EnsureLoaded();
    if (QZInsertCommands::Find(nID) != nullptr &&
        (nCode == CN_COMMAND || nCode == CN_UPDATE_COMMAND_UI)) {
        if (pHandlerInfo) {
            static_cast<AFX_CMDHANDLERINFO*>(pHandlerInfo)->pTarget = this;
            return TRUE;
        }
        QZInsertCommands commands(m_logic, g_bUseWizards);
        if (nCode == CN_COMMAND)
            commands.Run(nID);
        else
            static_cast<CCmdUI*>(pExtra)->Enable(commands.IsEnabled(nID));
        return TRUE;
    }
    return CView::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void QZEditView::OnEditUndo() {
    m_logic.OnEditUndo();
}

void QZEditView::OnUpdateEditUndo(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_logic.CanUndo());
}

void QZEditView::OnEditRedo() {
    m_logic.OnEditRedo();
}

void QZEditView::OnUpdateEditRedo(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_logic.CanRedo());
}

void QZEditView::OnEditCopy() {
    m_wndEdit.Copy();
}

void QZEditView::OnUpdateEditCopy(CCmdUI* pCmdUI) {
    LONG start = 0, end = 0;
    m_wndEdit.GetSel(start, end);
    pCmdUI->Enable(end > start);
}

void QZEditView::OnEditSelectAll() {
    m_wndEdit.SetSel(0, -1);
}

void QZEditView::OnUpdateEditFind(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_find.CanFind());
}

void QZEditView::OnEditRepeat() {
    m_find.OnEditRepeat();
}

void QZEditView::OnUpdateEditRepeat(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_find.CanRepeat());
}

void QZEditView::OnEditProperties() {
    m_logic.GetControl().EditCommandProperties();
}

void QZEditView::OnUpdateEditProperties(CCmdUI* pCmdUI) {
    // Properties rewrites the command: nothing to rewrite on a read-only copy.
    pCmdUI->Enable(m_logic.CanEdit());
}

void QZEditView::OnUpdateLineCol(CCmdUI* pCmdUI) {
    pCmdUI->Enable();
    pCmdUI->SetText(m_logic.GetStatusText());
}

// ---- The edited field ----

QZEditTarget* QZEditView::ObjectTarget::Current() {
    m_current = m_view.MakeTarget(m_view.GetContentObject());
    return m_current.get();
}

CString QZEditView::ObjectTarget::GetText() {
    QZEditTarget* target = Current();
    return target ? target->GetText() : CString();
}

void QZEditView::ObjectTarget::SetText(const CString& text) {
    if (QZEditTarget* target = Current())
        target->SetText(text);
}

QZVantrelMemoFld::ColorSpanList QZEditView::ObjectTarget::GetColorSpans(const CString& text) {
    QZEditTarget* target = Current();
    return target ? target->GetColorSpans(text) : QZVantrelMemoFld::ColorSpanList();
}

std::pair<int, int> QZEditView::ObjectTarget::FindCommandRange(const CString& lineText,
                                                               int position) {
    QZEditTarget* target = Current();
    return target ? target->FindCommandRange(lineText, position) : std::pair<int, int>(0, 0);
}

QZCommandBase* QZEditView::ObjectTarget::SetSourceText(const CString& text) {
    QZEditTarget* target = Current();
    return target ? target->SetSourceText(text) : nullptr;
}

BOOL QZEditView::ObjectTarget::IsWritable() {
    QZEditTarget* target = Current();
    return target ? target->IsWritable() : TRUE;
}
