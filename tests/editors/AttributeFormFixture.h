#pragma once
// An attribute form in its editor on the fixture site, worked as a user works it: typing into
// an edit (which the form hears), picking a list entry, choosing a radio button, pressing a
// button; and what the form shows. Header only, for the ui tests.

#include "editors/QZFormView.h"
#include "tests/editors/EditorFixture.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <string>

class AttributeFormTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        // The site the objects belong to, for the forms' site lists.
        Insert("Services", "DbID, ServiceID, Name, Directory, Deleted", "5, 10, 'Main', 'main', 0");
    }

    // Opens the object's editor on its "Properties" tab; the form of that class.
    template <class Form> Form* OpenForm(SHORT type, LONG id, const char* formClass) {
        if (!Open(type, id))
            return nullptr;
        QZChildFrame* frame = ActiveFrame();
        const std::vector<std::string> tabs = TabCaptions(frame);
        const auto properties = std::find(tabs.begin(), tabs.end(), "Properties");
        if (properties == tabs.end())
            return nullptr;
        frame->m_wndTab.GetTabControl()->ActivateTab(static_cast<int>(properties - tabs.begin()));
        m_form = dynamic_cast<QZFormView*>(ActiveDocument()->FindView(formClass));
        return dynamic_cast<Form*>(m_form);
    }

    template <class Control> Control* Wx(UINT id) const {
        CWnd* item = m_form ? m_form->GetDlgItem(static_cast<int>(id)) : nullptr;
        return item ? dynamic_cast<Control*>(item->GetSafeHwnd()) : nullptr;
    }
    std::string TextOf(UINT id) const {
        CString text;
        if (CWnd* item = m_form->GetDlgItem(static_cast<int>(id)))
            item->GetWindowText(text);
        return text.str();
    }
    bool Shown(UINT id) const { return Wx<wxWindow>(id) && Wx<wxWindow>(id)->IsShown(); }
    bool Enabled(UINT id) const { return Wx<wxWindow>(id) && Wx<wxWindow>(id)->IsEnabled(); }
    bool Checked(UINT id) const {
        if (auto* radio = Wx<wxRadioButton>(id))
            return radio->GetValue();
        auto* box = Wx<wxCheckBox>(id);
        return box && box->GetValue();
    }
    std::string Selected(UINT id) const {
        auto* combo = Wx<wxComboBox>(id);
        return combo ? combo->GetStringSelection().utf8_string() : "";
    }
    int Selection(UINT id) const {
        auto* combo = Wx<wxComboBox>(id);
        return combo ? combo->GetSelection() : -2;
    }

    // The user's typing: the form hears of the change.
    void Type(UINT id, const std::string& text) {
        auto* edit = Wx<wxTextCtrl>(id);
        ASSERT_NE(edit, nullptr) << id;
        edit->SetValue(wxString::FromUTF8(text));
    }
    // The user ends a choice in a list: the entry whose text begins with `entry`.
    void Pick(UINT id, const std::string& entry) {
        auto* combo = Wx<wxComboBox>(id);
        ASSERT_NE(combo, nullptr) << id;
        int index = -1;
        for (unsigned i = 0; i < combo->GetCount(); ++i) {
            if (combo->GetString(i).utf8_string().rfind(entry, 0) == 0) {
                index = static_cast<int>(i);
                break;
            }
        }
        ASSERT_GE(index, 0) << entry;
        combo->SetSelection(index);
        Send(combo, wxEVT_COMBOBOX, index);
    }
    void Choose(UINT id) {
        auto* radio = Wx<wxRadioButton>(id);
        ASSERT_NE(radio, nullptr) << id;
        radio->SetValue(true);
        Send(radio, wxEVT_RADIOBUTTON, 1);
    }
    void Tick(UINT id, bool checked) {
        auto* box = Wx<wxCheckBox>(id);
        ASSERT_NE(box, nullptr) << id;
        box->SetValue(checked);
        Send(box, wxEVT_CHECKBOX, checked ? 1 : 0);
    }
    void Press(UINT id) {
        auto* button = Wx<wxButton>(id);
        ASSERT_NE(button, nullptr) << id;
        Send(button, wxEVT_BUTTON, 0);
    }

    // The views' edits into the object, as leaving the tab does; whether that marked the
    // document modified.
    bool StoreMarks() {
        QZDocument* document = ActiveDocument();
        document->SetModifiedFlag(FALSE);
        document->UpdateObjectFromViews();
        return document->IsModified();
    }

    QZFormView* m_form = nullptr;

private:
    static void Send(wxWindow* control, wxEventType type, int value) {
        wxCommandEvent event(type, control->GetId());
        event.SetEventObject(control);
        event.SetInt(value);
        control->GetEventHandler()->ProcessEvent(event);
    }
};
