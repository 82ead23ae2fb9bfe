#pragma once
// Plays the user at the spelling engine's dialog through wx's modal dialog hook. Header only:
// the ui test programs that include it link wx.

#include "platform/spell/WxSpellDialog.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/modalhook.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Plays the user at the spelling dialog: once its modal loop runs and it has drawn itself,
// the script works its controls. A dialog the script leaves open is cancelled, so that a
// failing test cannot hang. What the dialog showed when it opened is kept.
class SpellDialogScript : public wxModalDialogHook {
public:
    explicit SpellDialogScript(std::function<void(WxSpellDialog*)> script)
        : m_script(std::move(script)) {
        Register();
    }
    ~SpellDialogScript() override { Unregister(); }

    int opened = 0;
    std::string title, word, field;
    std::vector<std::string> suggestions;

    static wxTextCtrl* Field(wxDialog* dialog, int id) {
        return dynamic_cast<wxTextCtrl*>(dialog->FindWindow(id));
    }
    static wxListBox* Suggestions(wxDialog* dialog) {
        return dynamic_cast<wxListBox*>(dialog->FindWindow(WxSpellDialog::ID_SUGGESTIONS));
    }
    static void Click(wxDialog* dialog, int id) {
        wxWindow* button = dialog->FindWindow(id);
        ASSERT_NE(dynamic_cast<wxButton*>(button), nullptr) << "no button " << id;
        Send(button, wxEVT_BUTTON, 0);
    }
    // The user picks a suggestion, by a click or a double-click.
    static void Pick(wxDialog* dialog, const std::string& text, bool doubleClick = false) {
        wxListBox* list = Suggestions(dialog);
        const int index = list->FindString(wxString::FromUTF8(text));
        ASSERT_NE(index, wxNOT_FOUND) << text;
        list->SetSelection(index);
        Send(list, doubleClick ? wxEVT_LISTBOX_DCLICK : wxEVT_LISTBOX, index);
    }

protected:
    int Enter(wxDialog* dialog) override {
        auto* spell = dynamic_cast<WxSpellDialog*>(dialog);
        if (!spell)
            return wxID_NONE;
        ++opened;
        Note(spell);
        m_timer = std::make_unique<wxTimer>();
        m_timer->Bind(wxEVT_TIMER, [this, spell](wxTimerEvent&) {
            m_script(spell);
            if (spell->IsModal()) {
                ADD_FAILURE() << "the script left the dialog open";
                spell->EndModal(wxID_CANCEL);
            }
        });
        m_timer->StartOnce(300);
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

private:
    void Note(WxSpellDialog* dialog) {
        title = dialog->GetTitle().utf8_string();
        word = Field(dialog, WxSpellDialog::ID_WORD)->GetValue().utf8_string();
        field = Field(dialog, WxSpellDialog::ID_REPLACEMENT)->GetValue().utf8_string();
        suggestions.clear();
        for (const wxString& s : Suggestions(dialog)->GetStrings())
            suggestions.push_back(s.utf8_string());
    }
    static void Send(wxWindow* control, wxEventType type, int index) {
        wxCommandEvent event(type, control->GetId());
        event.SetEventObject(control);
        event.SetInt(index);
        control->GetEventHandler()->ProcessEvent(event);
    }

    std::function<void(WxSpellDialog*)> m_script;
    std::unique_ptr<wxTimer> m_timer;
};
