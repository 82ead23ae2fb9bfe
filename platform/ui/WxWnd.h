#pragma once
// The windows of the program's own classes (private to the ui layer): a child window and a
// pop-up window, both drawn entirely by their CWnd and taking every key they are given.

#include "platform/core/Types.h" // before wx, which defines _T only when it is not

#include <wx/frame.h>
#include <wx/window.h>

class WxChildWnd : public wxWindow {
public:
    WxChildWnd(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);

    // Tab reaches it when its style has WS_TABSTOP.
    bool AcceptsFocusFromKeyboard() const override;
    // The window's text (a button's caption): kept, as a plain window has none of its own.
    void SetLabel(const wxString& label) override { m_label = label; }
    wxString GetLabel() const override { return m_label; }

private:
    wxString m_label;
};

class WxPopupWnd : public wxFrame {
public:
    WxPopupWnd(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
               const wxSize& size, bool bordered);

    bool AcceptsFocusFromKeyboard() const override;
};
