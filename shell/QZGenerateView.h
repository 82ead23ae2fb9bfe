#pragma once
// The Generate Pages dialog: the user picks pages of the selected site by one of thirteen
// modes, gathers them in the list of pages to generate and runs through that list, one page a
// step, each page generating itself; the run logs its start, the pages it skipped or could
// not generate and its end in the output pane. During a run the Generate button, Cancel and
// the close box only abort it (after the page in hand); the dialog never ends while a run is
// on the stack.

#include "db/QZNameAndKey.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDialog.h"
#include "shell/QZGenerateObjectComboBox.h"
#include "shell/QZGeneratePickListBox.h"

#include <cstdint>

class QZGenerateView : public CDialog {
    DECLARE_DYNCREATE(QZGenerateView)
public:
    explicit QZGenerateView(CWnd* pParent = nullptr);

    // IDOK or IDCANCEL; -1 when the dialog cannot be shown.
    INT_PTR DoModal();

    // The texts of the thirteen pick modes, in order.
    static const char* const* ModeTexts(int* count);

    QZGenerateObjectComboBox m_ObjectCombo;
    QZGeneratePickListBox m_SourceList;
    QZGeneratePickListBox m_TargetList;
    int32_t m_bRunning = 0;
    int32_t m_bAbort = 0;
    int32_t m_nPageCount = 0;

protected:
    BOOL OnInitDialog() override;
    // During a run: abort it, leaving the dialog open.
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void OnSelectMode();
    void OnSelectObject();
    void OnAddPages();
    void OnRemovePages();
    // Starts a run, or aborts the one running.
    void OnGenerate();
    // One step of a run: the next page, then the pump; ends the run when the list is done or
    // an abort was asked for.
    void OnGenerateNext();
    void EndRun();
    // Generates one page of the list, or logs why it is skipped.
    void GeneratePage(const QZNameAndKey& item);
    void GenerateLoadedPage(class QZVantrelPage& page, const QZNameAndKey& item);
    void SetItemText(UINT id, LPCTSTR text);

    CComboBox m_ModeList;
    // TRUE while a step runs, so that a step is never started inside another.
    BOOL m_bInStep = FALSE;
};
