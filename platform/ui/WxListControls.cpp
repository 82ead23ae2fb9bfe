#include "platform/ui/WxListControls.h"

#include "platform/ui/CComboBox.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxText.h"
#include "platform/ui/WxWindowInfo.h"

#include <wx/bitmap.h>
#include <wx/checklst.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/spinbutt.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <map>
#include <strings.h>

namespace {

constexpr DWORD kEditReadOnly = 0x0800;    // ES_READONLY
constexpr DWORD kEditMultiLine = 0x0004;   // ES_MULTILINE
constexpr DWORD kEditPassword = 0x0020;    // ES_PASSWORD
constexpr DWORD kEditWantReturn = 0x1000;  // ES_WANTRETURN
constexpr DWORD kSpinSetBuddyInt = 0x0002; // UDS_SETBUDDYINT
constexpr DWORD kSpinAutoBuddy = 0x0010;   // UDS_AUTOBUDDY
constexpr DWORD kStaticBitmap = 0x000E;    // SS_BITMAP

// The buddies of the up-down controls that write their position into one.
std::map<wxWindow*, wxWindow*>& Buddies() {
    static std::map<wxWindow*, wxWindow*> buddies;
    return buddies;
}

void SetSpinBuddy(wxWindow* spin, wxWindow* buddy) {
    if (!buddy)
        return;
    Buddies()[spin] = buddy;
    spin->Bind(wxEVT_DESTROY, [spin](wxWindowDestroyEvent& event) {
        event.Skip();
        if (event.GetEventObject() == spin)
            Buddies().erase(spin);
    });
}

bool IsClass(const char* windowClass, const char* name) {
    return windowClass && strcasecmp(windowClass, name) == 0;
}

// Tells the parent's window object what the user did to `control`.
void Notify(wxWindow* control, UINT code) {
    wxWindow* parent = control->GetParent();
    if (CWnd* owner = parent ? CWnd::FromHandle(parent) : nullptr)
        owner->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(ControlIdOf(control)), code),
                           reinterpret_cast<LPARAM>(control));
}

wxWindow* MakeCombo(const DialogItemTemplate& item, wxWindow* parent, const wxPoint& pos,
                    const wxSize& size) {
    // The template's height is the dropped list's; the field keeps the toolkit's own height.
    long style = (item.style & CBS_TYPEMASK) == CBS_DROPDOWNLIST ? wxCB_READONLY : wxCB_DROPDOWN;
    if (item.style & CBS_SORT)
        style |= wxCB_SORT;
    auto* combo = new wxComboBox(parent, WxIdOf(item.id), wxString(), pos,
                                 wxSize(size.x, wxDefaultCoord), 0, nullptr, style);
    combo->Bind(wxEVT_COMBOBOX, [combo](wxCommandEvent&) {
        Notify(combo, CBN_SELCHANGE);
        Notify(combo, CBN_SELENDOK);
    });
    return combo;
}

wxWindow* MakeList(const DialogItemTemplate& item, wxWindow* parent, const wxPoint& pos,
                   const wxSize& size) {
    if (item.style & LBS_OWNERDRAWFIXED) {
        wxWindow* checks = MakeCheckList(item, parent, pos, size);
        if (item.style & LBS_NOTIFY)
            checks->Bind(wxEVT_LISTBOX,
                         [checks](wxCommandEvent&) { Notify(checks, LBN_SELCHANGE); });
        return checks;
    }
    long style = wxLB_SINGLE;
    if (item.style & LBS_EXTENDEDSEL)
        style = wxLB_EXTENDED;
    else if (item.style & LBS_MULTIPLESEL)
        style = wxLB_MULTIPLE;
    if (item.style & LBS_SORT)
        style |= wxLB_SORT;
    auto* list = new wxListBox(parent, WxIdOf(item.id), pos, size, 0, nullptr, style);
    if (item.style & LBS_NOTIFY) {
        list->Bind(wxEVT_LISTBOX, [list](wxCommandEvent&) { Notify(list, LBN_SELCHANGE); });
        list->Bind(wxEVT_LISTBOX_DCLICK, [list](wxCommandEvent&) { Notify(list, LBN_DBLCLK); });
    }
    return list;
}

wxWindow* MakeEdit(const DialogItemTemplate& item, wxWindow* parent, const wxPoint& pos,
                   const wxSize& size) {
    long style = (item.style & kEditReadOnly) ? wxTE_READONLY : 0;
    if (item.style & kEditPassword)
        style |= wxTE_PASSWORD;
    if (item.style & kEditMultiLine)
        style |= wxTE_MULTILINE | ((item.style & kEditWantReturn) ? 0 : wxTE_PROCESS_ENTER);
    auto* edit = new wxTextCtrl(parent, WxIdOf(item.id), ToWx(item.text), pos, size, style);
    // The program's own changes go through ChangeValue, which sends no text event.
    edit->Bind(wxEVT_TEXT, [edit](wxCommandEvent& event) {
        event.Skip();
        Notify(edit, EN_CHANGE);
    });
    return edit;
}

// An up-down control: its arrows step its position within its range and, with
// UDS_SETBUDDYINT, write the position into its buddy, the control made just before it.
wxWindow* MakeSpin(const DialogItemTemplate& item, wxWindow* parent, const wxPoint& pos,
                   const wxSize& size) {
    // The toolkit's up-down control has a least size of its own, wider than the templates'.
    const wxSize least = wxSpinButton(parent, wxID_ANY).GetBestSize();
    auto* spin = new wxSpinButton(parent, WxIdOf(item.id), pos,
                                  wxSize(std::max(size.x, least.x), std::max(size.y, least.y)),
                                  wxSP_VERTICAL);
    const wxWindowList& siblings = parent->GetChildren();
    wxWindow* buddy = siblings.size() > 1 ? siblings[siblings.size() - 2] : nullptr;
    if (!(item.style & kSpinAutoBuddy) || !dynamic_cast<wxTextCtrl*>(buddy))
        buddy = nullptr;
    SetSpinBuddy(spin, (item.style & kSpinSetBuddyInt) ? buddy : nullptr);
    spin->Bind(wxEVT_SPIN, [spin](wxSpinEvent& event) {
        event.Skip();
        WriteSpinBuddy(spin);
        // The arrows change the buddy's text as typing would.
        const auto found = Buddies().find(spin);
        if (found != Buddies().end())
            Notify(found->second, EN_CHANGE);
    });
    return spin;
}

wxWindow* MakeRadio(const DialogItemTemplate& item, wxWindow* parent, const wxPoint& pos,
                    const wxSize& size) {
    // WS_GROUP starts a group of radio buttons; the ones after it join that group.
    const long style = (item.style & WS_GROUP) ? wxRB_GROUP : 0;
    auto* radio = new wxRadioButton(parent, WxIdOf(item.id), ToWx(item.text), pos, size, style);
    radio->Bind(wxEVT_RADIOBUTTON, [radio](wxCommandEvent&) { Notify(radio, 0); }); // BN_CLICKED
    return radio;
}

// The caps of the text fields that have one.
std::map<wxWindow*, int>& Limits() {
    static std::map<wxWindow*, int> limits;
    return limits;
}

// Gives the window system the cap only while the text fits under it.
void ApplyLimit(wxWindow* field) {
    auto* entry = dynamic_cast<wxTextEntry*>(field);
    const auto found = Limits().find(field);
    const auto* text = dynamic_cast<wxTextCtrl*>(field);
    if (!entry || found == Limits().end() || (text && text->IsMultiLine()))
        return;
    const int limit = found->second;
    const bool fits = static_cast<int>(entry->GetValue().length()) <= limit;
    entry->SetMaxLength(limit > 0 && fits ? static_cast<unsigned long>(limit) : 0);
}

} // namespace

void SetTextLimit(wxWindow* field, int maxChars) {
    if (!dynamic_cast<wxTextEntry*>(field))
        return;
    if (Limits().find(field) == Limits().end()) {
        field->Bind(wxEVT_TEXT, [field](wxCommandEvent& event) {
            event.Skip();
            ApplyLimit(field);
        });
        field->Bind(wxEVT_DESTROY, [field](wxWindowDestroyEvent& event) {
            event.Skip();
            if (event.GetEventObject() == field)
                Limits().erase(field);
        });
    }
    Limits()[field] = maxChars;
    ApplyLimit(field);
}

void WriteSpinBuddy(wxWindow* spin) {
    const auto found = Buddies().find(spin);
    auto* button = dynamic_cast<wxSpinButton*>(spin);
    if (button && found != Buddies().end())
        SetFieldText(found->second, wxString::Format("%d", button->GetValue()));
}

void SetFieldText(wxWindow* field, const wxString& value) {
    auto* entry = dynamic_cast<wxTextEntry*>(field);
    if (!entry)
        return;
    // A multi-line edit has no cap with the toolkit.
    auto* text = dynamic_cast<wxTextCtrl*>(field);
    if (text && text->IsMultiLine()) {
        text->ChangeValue(value);
        return;
    }
    entry->SetMaxLength(0);
    entry->ChangeValue(value);
    ApplyLimit(field);
}

wxWindow* MakeListControl(const DialogItemTemplate& item, wxWindow* parent, const wxPoint& pos,
                          const wxSize& size) {
    if (IsClass(item.windowClass, "ComboBox"))
        return MakeCombo(item, parent, pos, size);
    if (IsClass(item.windowClass, "ListBox"))
        return MakeList(item, parent, pos, size);
    if (IsClass(item.windowClass, "Edit"))
        return MakeEdit(item, parent, pos, size);
    if (IsClass(item.windowClass, "msctls_updown32"))
        return MakeSpin(item, parent, pos, size);
    const DWORD buttonKind = item.style & BS_TYPEMASK;
    if (IsClass(item.windowClass, "Button") &&
        (buttonKind == BS_RADIOBUTTON || buttonKind == BS_AUTORADIOBUTTON))
        return MakeRadio(item, parent, pos, size);
    // A picture whose bitmap the resources do not hold keeps its place, empty.
    if (IsClass(item.windowClass, "Static") && (item.style & SS_TYPEMASK) == kStaticBitmap)
        return new wxStaticBitmap(parent, WxIdOf(item.id), wxBitmap(), pos, size);
    return nullptr;
}
