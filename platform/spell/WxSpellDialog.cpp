#include "platform/spell/WxSpellDialog.h"

#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

wxArrayString ToWxList(const std::vector<CString>& texts) {
    wxArrayString list;
    for (const CString& text : texts)
        list.Add(ToWx(text));
    return list;
}

wxSizer* Labelled(wxWindow* parent, const char* label, wxWindow* control, int proportion = 0) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(new wxStaticText(parent, wxID_ANY, label), 0, wxBOTTOM, 3);
    column->Add(control, proportion, wxEXPAND);
    return column;
}

} // namespace

WxSpellDialog::WxSpellDialog(wxWindow* parent, const CString& word,
                             const std::vector<CString>& suggestions)
    : wxDialog(parent, wxID_ANY, "Spelling") {
    auto* wordText =
        new wxTextCtrl(this, ID_WORD, ToWx(word), wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
    m_pReplacement = new wxTextCtrl(this, ID_REPLACEMENT,
                                    ToWx(suggestions.empty() ? word : suggestions.front()));
    m_pSuggestions = new wxListBox(this, ID_SUGGESTIONS, wxDefaultPosition, wxSize(220, 140),
                                   ToWxList(suggestions), wxLB_SINGLE);
    if (!suggestions.empty())
        m_pSuggestions->SetSelection(0);

    auto* fields = new wxBoxSizer(wxVERTICAL);
    fields->Add(Labelled(this, "Not in dictionary:", wordText), 0, wxEXPAND | wxBOTTOM, 8);
    fields->Add(Labelled(this, "Change to:", m_pReplacement), 0, wxEXPAND | wxBOTTOM, 8);
    fields->Add(Labelled(this, "Suggestions:", m_pSuggestions, 1), 1, wxEXPAND);

    auto* buttons = new wxBoxSizer(wxVERTICAL);
    auto* change = new wxButton(this, ID_CHANGE, "&Change");
    buttons->Add(change, 0, wxEXPAND | wxBOTTOM, 4);
    buttons->Add(new wxButton(this, ID_IGNORE, "&Ignore"), 0, wxEXPAND | wxBOTTOM, 4);
    buttons->Add(new wxButton(this, ID_IGNORE_ALL, "Ignore &All"), 0, wxEXPAND | wxBOTTOM, 4);
    buttons->Add(new wxButton(this, ID_CANCEL, "Cancel"), 0, wxEXPAND);
    change->SetDefault();

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(fields, 1, wxEXPAND | wxALL, 10);
    top->Add(buttons, 0, wxTOP | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(top);
    CentreOnParent();

    m_pSuggestions->Bind(wxEVT_LISTBOX, &WxSpellDialog::OnSuggestion, this);
    m_pSuggestions->Bind(wxEVT_LISTBOX_DCLICK, &WxSpellDialog::OnSuggestionChosen, this);
    for (int id : {ID_CHANGE, ID_IGNORE, ID_IGNORE_ALL})
        Bind(wxEVT_BUTTON, &WxSpellDialog::OnButton, this, id);
    Bind(wxEVT_UPDATE_UI, &WxSpellDialog::OnUpdateChange, this, ID_CHANGE);
    m_pReplacement->SetFocus();
    m_pReplacement->SelectAll();
}

CString WxSpellDialog::GetReplacement() const {
    return FromWx(m_pReplacement->GetValue());
}

void WxSpellDialog::OnSuggestion(wxCommandEvent&) {
    m_pReplacement->SetValue(m_pSuggestions->GetStringSelection());
}

// A double-click on a suggestion changes the word to it at once.
void WxSpellDialog::OnSuggestionChosen(wxCommandEvent&) {
    m_pReplacement->SetValue(m_pSuggestions->GetStringSelection());
    EndModal(ID_CHANGE);
}

void WxSpellDialog::OnButton(wxCommandEvent& event) {
    // An empty field would leave the word as it is: Change waits for a text.
    if (event.GetId() == ID_CHANGE && m_pReplacement->IsEmpty())
        return;
    EndModal(event.GetId());
}

void WxSpellDialog::OnUpdateChange(wxUpdateUIEvent& event) {
    event.Enable(!m_pReplacement->IsEmpty());
}
