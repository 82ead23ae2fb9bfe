#pragma once
// The spelling engine's question about one word it does not know: the word, Hunspell's
// suggestions and a replacement field, with Change, Ignore, Ignore All and Cancel. Modal;
// ShowModal answers the id of the button pressed (Cancel also for Escape and the close box).

#include "platform/core/CString.h"

#include <wx/dialog.h>

#include <vector>

class wxListBox;
class wxTextCtrl;

class WxSpellDialog : public wxDialog {
public:
    enum {
        ID_CHANGE = wxID_REPLACE,
        ID_IGNORE = wxID_IGNORE,
        ID_IGNORE_ALL = wxID_REPLACE_ALL,
        ID_CANCEL = wxID_CANCEL,
        ID_WORD = wxID_HIGHEST + 1,
        ID_REPLACEMENT,
        ID_SUGGESTIONS,
    };

    // The field starts with the first suggestion, or the word itself when there is none.
    WxSpellDialog(wxWindow* parent, const CString& word, const std::vector<CString>& suggestions);

    CString GetReplacement() const;

private:
    void OnSuggestion(wxCommandEvent& event);
    void OnSuggestionChosen(wxCommandEvent& event);
    void OnButton(wxCommandEvent& event);
    void OnUpdateChange(wxUpdateUIEvent& event);

    wxTextCtrl* m_pReplacement;
    wxListBox* m_pSuggestions;
};
