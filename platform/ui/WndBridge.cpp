#include "platform/ui/WndBridge.h"

#include "platform/ui/CDC.h"
#include "platform/ui/CFont.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxCursorTarget.h"
#include "platform/ui/WxGdiData.h"
#include "platform/ui/WxText.h"
#include "platform/ui/WxWindowInfo.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dc.h>
#include <wx/event.h>
#include <wx/window.h>

#include <vector>

namespace {

// The message being handled, innermost last.
struct MessageContext {
    CWnd* wnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    wxEvent* event;
};

std::vector<MessageContext>& contexts() {
    static std::vector<MessageContext> stack;
    return stack;
}

class ContextScope {
public:
    ContextScope(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, wxEvent* event) {
        contexts().push_back({wnd, message, wParam, lParam, event});
    }
    ~ContextScope() { contexts().pop_back(); }
    ContextScope(const ContextScope&) = delete;
    ContextScope& operator=(const ContextScope&) = delete;
};

// A context over a device context the window system lends for one event.
class LentDC : public CDC {
public:
    explicit LentDC(wxDC* dc) { AttachWx(dc, false); }
};

UINT MouseFlags(const wxMouseState& state) {
    UINT flags = 0;
    if (state.LeftIsDown())
        flags |= MK_LBUTTON;
    if (state.RightIsDown())
        flags |= MK_RBUTTON;
    if (state.MiddleIsDown())
        flags |= MK_MBUTTON;
    if (state.ShiftDown())
        flags |= MK_SHIFT;
    if (state.ControlDown())
        flags |= MK_CONTROL;
    return flags;
}

bool IsMouseMessage(UINT message) {
    return message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK;
}

// The mouse message of a wx mouse event; a double click is a second button-down unless the
// window's class asks for double clicks.
UINT MouseMessageOf(const wxMouseEvent& event, UINT classStyle) {
    const bool doubles = (classStyle & CS_DBLCLKS) != 0;
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_LEFT_DOWN)
        return WM_LBUTTONDOWN;
    if (type == wxEVT_LEFT_UP)
        return WM_LBUTTONUP;
    if (type == wxEVT_LEFT_DCLICK)
        return doubles ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
    if (type == wxEVT_RIGHT_DOWN)
        return WM_RBUTTONDOWN;
    if (type == wxEVT_RIGHT_UP)
        return WM_RBUTTONUP;
    if (type == wxEVT_RIGHT_DCLICK)
        return doubles ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN;
    if (type == wxEVT_MIDDLE_DOWN)
        return WM_MBUTTONDOWN;
    if (type == wxEVT_MIDDLE_UP)
        return WM_MBUTTONUP;
    if (type == wxEVT_MIDDLE_DCLICK)
        return doubles ? WM_MBUTTONDBLCLK : WM_MBUTTONDOWN;
    if (type == wxEVT_MOTION)
        return WM_MOUSEMOVE;
    return 0;
}

wxEventType MouseEventTypeOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
        return wxEVT_LEFT_DOWN;
    case WM_LBUTTONUP:
        return wxEVT_LEFT_UP;
    case WM_LBUTTONDBLCLK:
        return wxEVT_LEFT_DCLICK;
    case WM_RBUTTONDOWN:
        return wxEVT_RIGHT_DOWN;
    case WM_RBUTTONUP:
        return wxEVT_RIGHT_UP;
    case WM_MBUTTONDOWN:
        return wxEVT_MIDDLE_DOWN;
    case WM_MBUTTONUP:
        return wxEVT_MIDDLE_UP;
    default:
        return wxEVT_MOTION;
    }
}

// A mouse message sent by code to a control of the window system: the control's own wx
// handlers see it as the event it stands for.
void DeliverMouse(wxWindow* window, UINT message, WPARAM wParam, LPARAM lParam) {
    wxMouseEvent event(MouseEventTypeOf(message));
    event.SetPosition(wxPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    event.SetLeftDown((wParam & MK_LBUTTON) != 0);
    event.SetRightDown((wParam & MK_RBUTTON) != 0);
    event.SetMiddleDown((wParam & MK_MBUTTON) != 0);
    event.SetShiftDown((wParam & MK_SHIFT) != 0);
    event.SetControlDown((wParam & MK_CONTROL) != 0);
    event.SetEventObject(window);
    event.SetId(window->GetId());
    window->GetEventHandler()->ProcessEvent(event);
}

// ---- the owner-drawn button: what the window system does for a push button ----

// A button is drawn again at once when its state changes.
void Redraw(wxWindow* window, WindowInfo& info, UINT action) {
    info.drawAction = action;
    window->Refresh(false);
    window->Update();
}

void NotifyClicked(wxWindow* window) {
    if (CWnd* parent = CWnd::FromHandle(window->GetParent()))
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(ControlIdOf(window), BN_CLICKED),
                            reinterpret_cast<LPARAM>(window));
}

void PaintOwnerDrawn(CWnd* wnd, wxWindow* window, WindowInfo& info) {
    CPaintDC dc(wnd);
    UINT state = 0;
    if (info.pushed)
        state |= ODS_SELECTED;
    if (!window->IsEnabled())
        state |= ODS_DISABLED;
    if (wxWindow::FindFocus() == window)
        state |= ODS_FOCUS;
    const wxSize size = window->GetClientSize();
    DRAWITEMSTRUCT item{ODT_BUTTON,
                        ControlIdOf(window),
                        0,
                        info.drawAction,
                        state,
                        window,
                        dc.GetSafeHdc(),
                        RECT{0, 0, size.GetWidth(), size.GetHeight()},
                        0};
    info.drawAction = ODA_DRAWENTIRE;
    if (CWnd* parent = CWnd::FromHandle(window->GetParent()))
        parent->SendMessage(WM_DRAWITEM, static_cast<WPARAM>(ControlIdOf(window)),
                            reinterpret_cast<LPARAM>(&item));
}

// TRUE when the button's processing consumed the message.
bool OwnerDrawnDefault(CWnd* wnd, wxWindow* window, WindowInfo& info, UINT message, WPARAM wParam,
                       LPARAM lParam, bool fromPaintEvent, LRESULT& result) {
    const wxSize size = window->GetClientSize();
    const bool inside = GET_X_LPARAM(lParam) >= 0 && GET_Y_LPARAM(lParam) >= 0 &&
                        GET_X_LPARAM(lParam) < size.GetWidth() &&
                        GET_Y_LPARAM(lParam) < size.GetHeight();
    switch (message) {
    case WM_PAINT:
        if (!fromPaintEvent) {
            window->Refresh(false);
            return true;
        }
        PaintOwnerDrawn(wnd, window, info);
        return true;
    case WM_GETDLGCODE:
        result = DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        wnd->SetFocus();
        wnd->SetCapture();
        info.tracking = true;
        info.pushed = true;
        Redraw(window, info, ODA_SELECT);
        return false;
    case WM_MOUSEMOVE:
        if (info.tracking && info.pushed != inside) {
            info.pushed = inside;
            Redraw(window, info, ODA_SELECT);
        }
        return false;
    case WM_LBUTTONUP:
        if (info.tracking) {
            const bool click = info.pushed && inside;
            info.tracking = false;
            info.pushed = false;
            ReleaseCapture();
            Redraw(window, info, ODA_SELECT);
            if (click)
                NotifyClicked(window);
        }
        return false;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && !info.pushed) {
            info.pushed = true;
            Redraw(window, info, ODA_SELECT);
        }
        return false;
    case WM_KEYUP:
        if (wParam == VK_SPACE && info.pushed && !info.tracking) {
            info.pushed = false;
            Redraw(window, info, ODA_SELECT);
            NotifyClicked(window);
        }
        return false;
    case WM_SETFOCUS:
        Redraw(window, info, ODA_FOCUS);
        return false;
    case WM_KILLFOCUS:
        if (!info.tracking)
            info.pushed = false;
        Redraw(window, info, ODA_FOCUS);
        return false;
    case WM_CAPTURECHANGED:
        if (info.tracking) {
            info.tracking = false;
            info.pushed = false;
            Redraw(window, info, ODA_SELECT);
        }
        return false;
    default:
        return false;
    }
}

// ---- event handlers ----

CWnd* OwnerOrStandIn(wxWindow* window) {
    return CWnd::FromHandle(window);
}

void OnMouse(wxWindow* window, wxMouseEvent& event) {
    const WindowInfo* info = InfoOf(window);
    const UINT message = MouseMessageOf(event, info ? info->classStyle : 0);
    if (!message) {
        event.Skip();
        return;
    }
    const wxPoint at = event.GetPosition();
    WndBridge::Dispatch(OwnerOrStandIn(window), message, MouseFlags(event), MAKELPARAM(at.x, at.y),
                        &event);
}

// The dialog manager's part of a key: Tab moves between the dialog's controls unless the
// window wants it. TRUE when the key was used here.
bool DialogKey(CWnd* wnd, wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_TAB)
        return false;
    const auto code = static_cast<UINT>(wnd->SendMessage(WM_GETDLGCODE, VK_TAB, 0));
    if (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS))
        return false;
    CWnd* dialog = wnd->GetTopLevelParent();
    CWnd* next = dialog ? dialog->GetNextDlgTabItem(wnd, event.ShiftDown()) : nullptr;
    if (next && next != wnd)
        next->SetFocus();
    return true;
}

LPARAM KeyFlags(const wxKeyEvent& event, bool up) {
    WORD flags = 0;
    if (up)
        flags = 0xC000;
    else if (event.IsAutoRepeat())
        flags = 0x4000;
    return MAKELPARAM(1, flags);
}

void OnKeyDown(wxWindow* window, wxKeyEvent& event) {
    CWnd* wnd = OwnerOrStandIn(window);
    const WindowInfo* info = InfoOf(window);
    const bool ownClass = info && info->kind != WindowKind::native;
    if (ownClass && DialogKey(wnd, event))
        return;
    const UINT key = VirtualKeyOf(event.GetKeyCode());
    if (!key) {
        event.Skip();
        return;
    }
    WndBridge::Dispatch(wnd, WM_KEYDOWN, key, KeyFlags(event, false), &event);
}

void OnKeyUp(wxWindow* window, wxKeyEvent& event) {
    const UINT key = VirtualKeyOf(event.GetKeyCode());
    if (!key) {
        event.Skip();
        return;
    }
    WndBridge::Dispatch(OwnerOrStandIn(window), WM_KEYUP, key, KeyFlags(event, true), &event);
}

void OnChar(wxWindow* window, wxKeyEvent& event) {
    const wxChar unicode = event.GetUnicodeKey();
    const int code = unicode != WXK_NONE ? static_cast<int>(unicode) : event.GetKeyCode();
    if (code <= 0 || code > 0xFFFF) {
        event.Skip();
        return;
    }
    WndBridge::Dispatch(OwnerOrStandIn(window), WM_CHAR, static_cast<WPARAM>(code),
                        KeyFlags(event, false), &event);
}

void OnCommandEvent(wxWindow* window, wxCommandEvent& event) {
    auto* source = dynamic_cast<wxWindow*>(event.GetEventObject());
    if (!source || source->GetParent() != window) {
        event.Skip();
        return;
    }
    OwnerOrStandIn(window)->SendMessage(WM_COMMAND, MAKEWPARAM(ControlIdOf(source), BN_CLICKED),
                                        reinterpret_cast<LPARAM>(source));
}

} // namespace

void WndBridge::BindEvents(wxWindow* window) {
    const WindowInfo* info = InfoOf(window);
    const bool ownClass = !info || info->kind != WindowKind::native;
    if (ownClass) {
        window->Bind(wxEVT_PAINT, [window](wxPaintEvent& event) {
            Dispatch(OwnerOrStandIn(window), WM_PAINT, 0, 0, &event);
        });
        window->Bind(wxEVT_ERASE_BACKGROUND, [window](wxEraseEvent& event) {
            LentDC dc(event.GetDC());
            Dispatch(OwnerOrStandIn(window), WM_ERASEBKGND,
                     reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0, &event);
        });
        window->Bind(wxEVT_SIZE, [window](wxSizeEvent& event) {
            const wxSize size = window->GetClientSize();
            Dispatch(OwnerOrStandIn(window), WM_SIZE, SIZE_RESTORED,
                     MAKELPARAM(size.GetWidth(), size.GetHeight()), &event);
            event.Skip();
        });
        window->Bind(wxEVT_SET_CURSOR, [window](wxSetCursorEvent& event) {
            const CursorTargetScope target(&event);
            Dispatch(OwnerOrStandIn(window), WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), &event);
        });
        window->Bind(wxEVT_SYS_COLOUR_CHANGED, [window](wxSysColourChangedEvent& event) {
            if (window->IsTopLevel() || PopupHostOf(window))
                NotifySysColorChange();
            Dispatch(OwnerOrStandIn(window), WM_SYSCOLORCHANGE, 0, 0, &event);
            event.Skip(); // the children hear of it too
        });
        BindCommands(window);
    }
    const wxEventTypeTag<wxMouseEvent> mouseEvents[] = {
        wxEVT_LEFT_DOWN,     wxEVT_LEFT_UP,      wxEVT_LEFT_DCLICK, wxEVT_RIGHT_DOWN,
        wxEVT_RIGHT_UP,      wxEVT_RIGHT_DCLICK, wxEVT_MIDDLE_DOWN, wxEVT_MIDDLE_UP,
        wxEVT_MIDDLE_DCLICK, wxEVT_MOTION};
    for (const auto& type : mouseEvents)
        window->Bind(type, [window](wxMouseEvent& event) { OnMouse(window, event); });
    window->Bind(wxEVT_KEY_DOWN, [window](wxKeyEvent& event) { OnKeyDown(window, event); });
    window->Bind(wxEVT_KEY_UP, [window](wxKeyEvent& event) { OnKeyUp(window, event); });
    window->Bind(wxEVT_CHAR, [window](wxKeyEvent& event) { OnChar(window, event); });
    window->Bind(wxEVT_SET_FOCUS, [window](wxFocusEvent& event) {
        Dispatch(OwnerOrStandIn(window), WM_SETFOCUS, reinterpret_cast<WPARAM>(event.GetWindow()),
                 0, &event);
    });
    window->Bind(wxEVT_KILL_FOCUS, [window](wxFocusEvent& event) {
        Dispatch(OwnerOrStandIn(window), WM_KILLFOCUS, reinterpret_cast<WPARAM>(event.GetWindow()),
                 0, &event);
    });
    window->Bind(wxEVT_MOUSE_CAPTURE_LOST, [window](wxMouseCaptureLostEvent& event) {
        Dispatch(OwnerOrStandIn(window), WM_CAPTURECHANGED, 0, 0, &event);
    });
    window->Bind(wxEVT_DESTROY, [window](wxWindowDestroyEvent& event) {
        event.Skip();
        if (event.GetEventObject() != window)
            return;
        if (CWnd* wnd = CWnd::FromHandle(window))
            NotifyDestroy(wnd);
    });
}

void WndBridge::BindCommands(wxWindow* window) {
    window->Bind(wxEVT_BUTTON, [window](wxCommandEvent& event) { OnCommandEvent(window, event); });
    window->Bind(wxEVT_CHECKBOX,
                 [window](wxCommandEvent& event) { OnCommandEvent(window, event); });
}

LRESULT WndBridge::Dispatch(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, wxEvent* event) {
    if (!wnd)
        return 0;
    const ContextScope scope(wnd, message, wParam, lParam, event);
    return wnd->WindowProc(message, wParam, lParam);
}

LRESULT WndBridge::DefaultOfCurrent(CWnd* wnd) {
    if (contexts().empty() || contexts().back().wnd != wnd)
        return 0;
    const MessageContext context = contexts().back();
    return wnd->DefWindowProc(context.message, context.wParam, context.lParam);
}

LRESULT WndBridge::DefaultProcessing(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    wxWindow* window = wnd->GetSafeHwnd();
    const MessageContext* context = contexts().empty() ? nullptr : &contexts().back();
    wxEvent* event =
        context && context->wnd == wnd && context->message == message ? context->event : nullptr;
    if (!window)
        return 0;
    WindowInfo* info = InfoOf(window);
    LRESULT result = 0;
    bool consumed = false;
    switch (message) {
    case WM_SETFONT:
        if (CFont* font = CFont::FromHandle(reinterpret_cast<HFONT>(wParam));
            font && font->GetData()) {
            window->SetFont(font->GetData()->font);
            if (lParam)
                window->Refresh();
        }
        consumed = true;
        break;
    case WM_GETFONT:
        if (const CFont* font = wnd->GetFont())
            result = reinterpret_cast<LRESULT>(static_cast<HFONT>(*font));
        consumed = true;
        break;
    case WM_SETTEXT:
        window->SetLabel(ToWx(reinterpret_cast<LPCTSTR>(lParam)));
        result = TRUE;
        consumed = true;
        break;
    case WM_CTLCOLORBTN:
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        consumed = true;
        break;
    case WM_ERASEBKGND:
        result = TRUE;
        break;
    case WM_RBUTTONUP:
        // After the button's own processing, the window (or, unhandled, its parents) is asked
        // for its context menu.
        if (!info || info->kind != WindowKind::native) {
            const wxPoint at =
                window->ClientToScreen(wxPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
            wnd->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window),
                             MAKELPARAM(at.x, at.y));
        }
        break;
    case WM_CONTEXTMENU:
        if (!window->IsTopLevel() && !PopupHostOf(window) && window->GetParent())
            result = CWnd::FromHandle(window->GetParent())->SendMessage(message, wParam, lParam);
        consumed = true;
        break;
    case WM_GETDLGCODE:
        if (info && info->kind == WindowKind::native && dynamic_cast<wxButton*>(window))
            result = DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        break;
    default:
        break;
    }
    if (!consumed && info && info->kind == WindowKind::ownerDrawn)
        consumed = OwnerDrawnDefault(wnd, window, *info, message, wParam, lParam,
                                     event && message == WM_PAINT, result);
    if (event && !consumed)
        event->Skip();
    else if (!event && IsMouseMessage(message) && (!info || info->kind == WindowKind::native))
        DeliverMouse(window, message, wParam, lParam);
    return result;
}

void WndBridge::NotifyDestroy(CWnd* wnd) {
    wxWindow* window = wnd->GetSafeHwnd();
    WindowInfo* info = InfoOf(window);
    if (!window || !info || info->destroyed)
        return;
    info->destroyed = true;
    // A window that goes gives the mouse back first.
    if (wxWindow::GetCapture() == window)
        ReleaseCapture();
    Dispatch(wnd, WM_DESTROY, 0, 0, nullptr);
    wnd->StopTimers();
}

UINT VirtualKeyOf(int wxKeyCode) {
    if ((wxKeyCode >= 'A' && wxKeyCode <= 'Z') || (wxKeyCode >= '0' && wxKeyCode <= '9'))
        return static_cast<UINT>(wxKeyCode);
    if (wxKeyCode >= 'a' && wxKeyCode <= 'z')
        return static_cast<UINT>(wxKeyCode - 'a' + 'A');
    if (wxKeyCode >= WXK_F1 && wxKeyCode <= WXK_F24)
        return VK_F1 + static_cast<UINT>(wxKeyCode - WXK_F1);
    switch (wxKeyCode) {
    case WXK_BACK:
        return VK_BACK;
    case WXK_TAB:
        return VK_TAB;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        return VK_RETURN;
    case WXK_ESCAPE:
        return VK_ESCAPE;
    case WXK_SPACE:
        return VK_SPACE;
    case WXK_DELETE:
    case WXK_NUMPAD_DELETE:
        return VK_DELETE;
    case WXK_INSERT:
        return VK_INSERT;
    case WXK_SHIFT:
        return VK_SHIFT;
    case WXK_CONTROL:
        return VK_CONTROL;
    case WXK_ALT:
        return VK_MENU;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
        return VK_LEFT;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
        return VK_RIGHT;
    case WXK_UP:
    case WXK_NUMPAD_UP:
        return VK_UP;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        return VK_DOWN;
    case WXK_HOME:
    case WXK_NUMPAD_HOME:
        return VK_HOME;
    case WXK_END:
    case WXK_NUMPAD_END:
        return VK_END;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP:
        return VK_PRIOR;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN:
        return VK_NEXT;
    default:
        return 0;
    }
}
