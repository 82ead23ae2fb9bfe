#pragma once
// Plays the user at the program's modal dialogs through wx's modal dialog hook: once the next
// dialog's modal loop runs and it has had a moment to draw itself, the script is called with
// the dialog's window, to look at it and work its controls as a user would. A dialog the
// script leaves open is cancelled, so that a failing test cannot hang. Header only: the ui
// test programs that include it link wx.

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/modalhook.h>
#include <wx/timer.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class DialogScript : public wxModalDialogHook {
public:
    explicit DialogScript(std::function<void(wxDialog*)> script) : m_script(std::move(script)) {
        Register();
    }
    ~DialogScript() override { Unregister(); }

    int opened = 0;

    // The control of the dialog with the original's id.
    template <class Control> static Control* Item(wxDialog* dialog, int id) {
        auto* control = dynamic_cast<Control*>(dialog->FindWindow(id));
        EXPECT_NE(control, nullptr) << "no control " << id;
        return control;
    }
    static std::vector<std::string> Entries(const wxItemContainerImmutable* list) {
        std::vector<std::string> entries;
        for (unsigned index = 0; list && index < list->GetCount(); ++index)
            entries.push_back(list->GetString(index).utf8_string());
        return entries;
    }
    static std::string Selected(const wxItemContainerImmutable* list) {
        return list ? list->GetStringSelection().utf8_string() : "";
    }
    // The user picks an entry of a combo box or list box.
    static void Pick(wxComboBox* combo, int index) {
        combo->SetSelection(index);
        Send(combo, wxEVT_COMBOBOX, index);
    }
    static void Pick(wxListBox* list, int index, bool doubleClick = false) {
        list->SetSelection(index);
        Send(list, doubleClick ? wxEVT_LISTBOX_DCLICK : wxEVT_LISTBOX, index);
    }
    // The user presses a button.
    static void Click(wxDialog* dialog, int id) {
        if (auto* button = Item<wxButton>(dialog, id))
            Send(button, wxEVT_BUTTON, 0);
    }

protected:
    int Enter(wxDialog* dialog) override {
        ++opened;
        m_timer = std::make_unique<wxTimer>();
        m_timer->Bind(wxEVT_TIMER, [this, dialog](wxTimerEvent&) {
            m_script(dialog);
            if (dialog->IsModal()) {
                ADD_FAILURE() << "the script left the dialog open";
                dialog->EndModal(wxID_CANCEL);
            }
        });
        m_timer->StartOnce(300);
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

private:
    static void Send(wxWindow* control, wxEventType type, int index) {
        wxCommandEvent event(type, control->GetId());
        event.SetEventObject(control);
        event.SetInt(index);
        control->GetEventHandler()->ProcessEvent(event);
    }

    std::function<void(wxDialog*)> m_script;
    std::unique_ptr<wxTimer> m_timer;
};
