#include "platform/ui/WxDialogWindow.h"
#include "platform/ui/WxDialogItems.h"
#include "platform/ui/WxListControls.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WndBridge.h"
#include "platform/ui/WxProgressBar.h"
#include "platform/ui/WxText.h"
#include "platform/ui/WxWindowInfo.h"
#include "platform/ui/WxWnd.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/settings.h>
#include <wx/statbox.h>
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

// A button of a template: the window system's push button, check box or group box, or an
// owner-drawn button that the CButton attached to it paints; nullptr for other kinds.
wxWindow* MakeButton(const DialogItemTemplate& item, wxWindow* parent, const wxPoint& pos,
                     const wxSize& size, WindowKind& kind) {
    const wxWindowID id = WxIdOf(item.id);
    kind = WindowKind::native;
    switch (item.style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        return new wxButton(parent, id, ToWx(item.text), pos, size);
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        return new wxCheckBox(parent, id, ToWx(item.text), pos, size);
    case BS_GROUPBOX:
        return new wxStaticBox(parent, id, ToWx(item.text), pos, size);
    case BS_OWNERDRAW: {
        kind = WindowKind::ownerDrawn;
        auto* button = new WxChildWnd(parent, id, pos, size);
        button->SetLabel(ToWx(item.text));
        button->Show();
        return button;
    }
    default:
        return nullptr;
    }
}

} // namespace

bool AddDialogItem(wxWindow* dialog, const DialogItemTemplate& item) {
    const wxPoint pos = dialog->ConvertDialogToPixels(wxPoint(item.x, item.y));
    const wxSize size = dialog->ConvertDialogToPixels(wxSize(item.cx, item.cy));
    const wxWindowID id = WxIdOf(item.id);
    wxWindow* control = MakeListControl(item, dialog, pos, size);
    WindowKind kind = WindowKind::native;
    if (control) {
        // A combo box, list box, edit field, radio button or picture.
    } else if (IsClass(item.windowClass, "Button")) {
        control = MakeButton(item, dialog, pos, size, kind);
        if (!control)
            return false;
    } else if (IsClass(item.windowClass, "Static") && StaticAlignment(item.style) >= 0) {
        control = new wxStaticText(dialog, id, ToWx(item.text), pos, size,
                                   StaticAlignment(item.style) | wxST_NO_AUTORESIZE);
    } else if (IsClass(item.windowClass, "msctls_progress32")) {
        control = new WxProgressBar(dialog, id, pos, size);
    } else {
        return false;
    }
    WindowInfo& info = EnsureInfo(control);
    info.controlId = item.id;
    info.kind = kind;
    info.style = item.style;
    if (kind == WindowKind::ownerDrawn)
        WndBridge::BindEvents(control);
    if (!(item.style & WS_VISIBLE))
        control->Hide();
    if (item.style & WS_DISABLED)
        control->Disable();
    // The dialog owns its controls and deletes them with itself.
    return true; // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)
}

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
    EnsureInfo(this).kind = WindowKind::dialog;
    EnsureInfo(this).style = dialog.style;
    Bind(wxEVT_CHAR_HOOK, &WxDialogWindow::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &WxDialogWindow::OnClose, this);
    WndBridge::BindCommands(this);
}

bool WxDialogWindow::AddItem(const DialogItemTemplate& item) {
    return AddDialogItem(this, item);
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
    // A control of the program's own that wants every key gets Enter and Escape itself.
    wxWindow* focus = FindFocus();
    const WindowInfo* info = InfoOf(focus);
    if (info && info->kind != WindowKind::native) {
        const auto code = static_cast<UINT>(
            CWnd::FromHandle(focus)->SendMessage(WM_GETDLGCODE, enter ? VK_RETURN : VK_ESCAPE, 0));
        if (code & DLGC_WANTALLKEYS) {
            event.Skip();
            return;
        }
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
