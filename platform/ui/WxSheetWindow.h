#pragma once
// The window of a CPropertySheet (private to the ui layer): a wx dialog with a place for each
// page (the tabs of a notebook, or a wizard's single page area) and the sheet's buttons. Its
// buttons, Enter, Escape, the close box and tab clicks go to the CPropertySheet that owns it.

#include "platform/core/Types.h"

#include <wx/dialog.h>

class CPropertySheet;
class wxBookCtrlBase;
class wxBookCtrlEvent;
class wxButton;
struct DialogTemplate;

class WxSheetWindow : public wxDialog {
public:
    WxSheetWindow(wxWindow* parent, const wxString& caption, bool wizard,
                  const DialogTemplate* firstPage);

    // Adds the place of a page at `index`, as large as the page's template (an unknown
    // template: empty), its tab showing `caption`.
    void InsertPlace(int index, const wxString& caption, const DialogTemplate* page);
    void RemovePlace(int index);
    // An empty window for the page at `index`, filling its place.
    wxWindow* MakePageWindow(int index);
    // Shows the place of `index` (the sheet has agreed to it); while the user's tab click is
    // being decided, the place is shown once the toolkit is done.
    void ShowPlace(int index);
    // Grows the dialog to fit its largest page; `centre` places it over its owner.
    void FitPages(bool centre);
    void SetWizardButtons(DWORD flags);
    // The button that Enter presses (0 for none).
    int DefaultCommand() const;

private:
    CPropertySheet* Owner();
    void AddButtons(bool wizard);
    void SendCommand(int id);
    void OnPageChanging(wxBookCtrlEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);

    wxBookCtrlBase* m_book = nullptr;
    wxButton* m_back = nullptr;
    wxButton* m_next = nullptr;
    wxButton* m_finish = nullptr;
    bool m_programChange = false;
    bool m_tabClicked = false;
};
