#include "platform/ui/WxListControls.h"

#include "platform/ui/CComboBox.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxText.h"
#include "platform/ui/WxWindowInfo.h"

#include <wx/bitmap.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include <map>
#include <strings.h>

namespace {

constexpr DWORD kEditReadOnly = 0x0800; // ES_READONLY
constexpr DWORD kStaticBitmap = 0x000E; // SS_BITMAP

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
    if (item.style & LBS_OWNERDRAWFIXED)
        return MakeCheckList(item, parent, pos, size);
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
    const long style = (item.style & kEditReadOnly) ? wxTE_READONLY : 0;
    return new wxTextCtrl(parent, WxIdOf(item.id), ToWx(item.text), pos, size, style);
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
    if (!entry || found == Limits().end())
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

void SetFieldText(wxWindow* field, const wxString& text) {
    auto* entry = dynamic_cast<wxTextEntry*>(field);
    if (!entry)
        return;
    entry->SetMaxLength(0);
    entry->ChangeValue(text);
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
    const DWORD buttonKind = item.style & BS_TYPEMASK;
    if (IsClass(item.windowClass, "Button") &&
        (buttonKind == BS_RADIOBUTTON || buttonKind == BS_AUTORADIOBUTTON))
        return MakeRadio(item, parent, pos, size);
    // A picture whose bitmap the resources do not hold keeps its place, empty.
    if (IsClass(item.windowClass, "Static") && (item.style & SS_TYPEMASK) == kStaticBitmap)
        return new wxStaticBitmap(parent, WxIdOf(item.id), wxBitmap(), pos, size);
    return nullptr;
}
