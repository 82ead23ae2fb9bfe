#include "platform/ui/WxDialogWindow.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxProgressBar.h"
#include "platform/ui/WxText.h"

#include <wx/settings.h>
#include <wx/stattext.h>

#include <strings.h>

namespace {

long FrameStyle(DWORD style) {
    long frame = 0;
    if ((style & WS_CAPTION) == WS_CAPTION)
        frame |= wxCAPTION;
    if (style & WS_SYSMENU)
        frame |= wxSYSTEM_MENU | wxCLOSE_BOX;
    return frame;
}

// The text alignment of a static control; -1 for the kinds that are not plain text.
long StaticAlignment(DWORD style) {
    switch (style & SS_TYPEMASK) {
    case SS_LEFT:
        return wxALIGN_LEFT;
    case SS_CENTER:
        return wxALIGN_CENTRE_HORIZONTAL;
    case SS_RIGHT:
        return wxALIGN_RIGHT;
    default:
        return -1;
    }
}

bool IsClass(const char* windowClass, const char* name) {
    // Window class names are case-insensitive, as the templates were written.
    return windowClass && strcasecmp(windowClass, name) == 0;
}

} // namespace

WxDialogWindow* WxDialogWindow::Build(const DialogTemplate& dialog, wxWindow* parent) {
    auto* window = new WxDialogWindow(dialog, parent);
    for (int i = 0; i < dialog.itemCount; ++i) {
        if (!window->AddItem(dialog.items[i])) {
            window->Destroy();
            return nullptr;
        }
    }
    return window;
}

WxDialogWindow::WxDialogWindow(const DialogTemplate& dialog, wxWindow* parent)
    : wxDialog(parent, wxID_ANY, ToWx(dialog.caption), wxDefaultPosition, wxDefaultSize,
               FrameStyle(dialog.style)) {
    // Dialog units follow the dialog's font. The templates name Windows faces; the desktop's
    // own face at the template's size stands in for them.
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    if (dialog.pointSize > 0)
        font.SetPointSize(dialog.pointSize);
    SetFont(font);
    SetClientSize(ConvertDialogToPixels(wxSize(dialog.cx, dialog.cy)));
    // The templates give no screen position of their own: a dialog opens centred on its owner.
    CentreOnParent();
    Bind(wxEVT_CHAR_HOOK, &WxDialogWindow::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &WxDialogWindow::OnClose, this);
}

bool WxDialogWindow::AddItem(const DialogItemTemplate& item) {
    const wxPoint pos = ConvertDialogToPixels(wxPoint(item.x, item.y));
    const wxSize size = ConvertDialogToPixels(wxSize(item.cx, item.cy));
    const auto id = static_cast<wxWindowID>(item.id);
    wxWindow* control = nullptr;
    if (IsClass(item.windowClass, "Static") && StaticAlignment(item.style) >= 0) {
        control = new wxStaticText(this, id, ToWx(item.text), pos, size,
                                   StaticAlignment(item.style) | wxST_NO_AUTORESIZE);
    } else if (IsClass(item.windowClass, "msctls_progress32")) {
        control = new WxProgressBar(this, id, pos, size);
    } else {
        return false;
    }
    if (!(item.style & WS_VISIBLE))
        control->Hide();
    if (item.style & WS_DISABLED)
        control->Disable();
    // The dialog owns its controls and deletes them with itself.
    return true; // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)
}

CDialog* WxDialogWindow::Owner() {
    return dynamic_cast<CDialog*>(CWnd::FromHandle(this));
}

void WxDialogWindow::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const bool enter = key == WXK_RETURN || key == WXK_NUMPAD_ENTER;
    if (!enter && key != WXK_ESCAPE) {
        event.Skip();
        return;
    }
    // The dialog's object decides; wx's own handling would hide the dialog.
    if (CDialog* dialog = Owner())
        enter ? dialog->OnOK() : dialog->OnCancel();
}

void WxDialogWindow::OnClose(wxCloseEvent& event) {
    CDialog* dialog = Owner();
    if (!event.CanVeto() || !dialog) {
        event.Skip();
        return;
    }
    event.Veto();
    dialog->OnCancel();
}
