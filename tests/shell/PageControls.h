#pragma once
// The controls of a sheet's page worked as a user works them (a check box clicked, a radio
// button chosen), and the sheet script's steps that press a button or choose a tab. Header
// only, for the ui tests.

#include "platform/ui/CWnd.h"
#include "tests/platform/ui/SheetScript.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>

// The page's control with that id, or null.
inline wxWindow* Item(CWnd& page, UINT id) {
    CWnd* item = page.GetDlgItem(static_cast<int>(id));
    return item ? item->GetSafeHwnd() : nullptr;
}

// A click on a check box: it flips and tells its page.
inline void ClickBox(CWnd& page, UINT id) {
    auto* box = dynamic_cast<wxCheckBox*>(Item(page, id));
    ASSERT_NE(box, nullptr) << "no check box " << id;
    box->SetValue(!box->GetValue());
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(box->GetValue());
    box->GetEventHandler()->ProcessEvent(event);
}

// A radio button chosen: it tells its page.
inline void ChooseRadio(CWnd& page, UINT id) {
    auto* radio = dynamic_cast<wxRadioButton*>(Item(page, id));
    ASSERT_NE(radio, nullptr) << "no radio " << id;
    radio->SetValue(true);
    wxCommandEvent event(wxEVT_RADIOBUTTON, radio->GetId());
    event.SetEventObject(radio);
    event.SetInt(1);
    radio->GetEventHandler()->ProcessEvent(event);
}

inline SheetScript::Step Press(int id) {
    return [id](wxDialog& d) { Click(d, id); };
}

inline SheetScript::Step Tab(int index) {
    return [index](wxDialog& d) { ChooseTab(d, index); };
}
