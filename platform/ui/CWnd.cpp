#include "platform/ui/CWnd.h"

#include "platform/ui/CBrush.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CFont.h"
#include "platform/ui/CStatusBarCtrl.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/SystemSettings.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WndBridge.h"
#include "platform/ui/WxGdiData.h"
#include "platform/ui/WxListControls.h"
#include "platform/ui/WxStatusControl.h"
#include "platform/ui/WxText.h"
#include "platform/ui/WxWindowInfo.h"
#include "platform/ui/WxWnd.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/utils.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <algorithm>
#include <dlfcn.h>
#include <map>
#include <strings.h>
#include <unordered_map>
#include <vector>

namespace {

// A timer of a window: WM_TIMER to the window while it lives.
class WndTimer : public wxTimer {
public:
    WndTimer(wxWindow* window, UINT_PTR id) : m_window(window), m_id(id) {}
    void Notify() override {
        if (wxWindow* window = m_window.get())
            CWnd::FromHandle(window)->SendMessage(WM_TIMER, m_id, 0);
    }

private:
    wxWeakRef<wxWindow> m_window;
    UINT_PTR m_id;
};

} // namespace

// The window behind a CWnd; the weak reference clears itself when the window system deletes the
// window, whoever deletes it.
struct CWnd::Handle {
    wxWeakRef<wxWindow> window;
    bool temporary = false;
    std::map<UINT_PTR, std::unique_ptr<WndTimer>> timers;
    std::unique_ptr<CFont> font;
};

namespace {

// Which object owns which window, and the stand-ins handed out for windows nobody owns.
struct WindowMap {
    std::unordered_map<wxWindow*, CWnd*> owners;
    std::unordered_map<wxWindow*, std::unique_ptr<CWnd>> temporaries;

    // Drops the entries of windows that are gone (the address may be reused by a new window).
    void Purge() {
        std::erase_if(owners,
                      [](const auto& entry) { return entry.second->GetSafeHwnd() != entry.first; });
        std::erase_if(temporaries,
                      [](const auto& entry) { return entry.second->GetSafeHwnd() != entry.first; });
    }
};

// Never destroyed: windows may outlive static destruction order at exit.
WindowMap& windows() {
    static WindowMap* map = new WindowMap;
    return *map;
}

CWnd* OwnerOf(wxWindow* window) {
    const auto found = windows().owners.find(window);
    return found == windows().owners.end() ? nullptr : found->second;
}

// Lets the objects that own the controls inside `window` go of them, as the controls go with it.
void ForgetControlsInside(wxWindow* window) {
    for (wxWindow* child : window->GetChildren()) {
        if (child->IsTopLevel())
            continue;
        ForgetControlsInside(child);
        if (CWnd* owner = OwnerOf(child))
            owner->Detach();
    }
}

bool IsClass(LPCTSTR className, const char* name) {
    return className && !IS_INTRESOURCE(className) && strcasecmp(className, name) == 0;
}

// A control of the window system for the classes the layer knows; nullptr for the program's
// own classes.
wxWindow* MakeNativeControl(LPCTSTR className, const wxString& text, DWORD style, wxWindow* parent,
                            wxWindowID id, const wxPoint& pos, const wxSize& size) {
    if (IsClass(className, "STATIC"))
        return new wxStaticText(parent, id, text, pos, size, wxST_NO_AUTORESIZE);
    if (IsClass(className, "EDIT"))
        return new wxTextCtrl(parent, id, text, pos, size,
                              (style & WS_BORDER) ? wxBORDER_SUNKEN : wxBORDER_DEFAULT);
    if (IsClass(className, STATUSCLASSNAME)) {
        auto* bar = new WxStatusControl(parent, id, (style & SBARS_SIZEGRIP) != 0);
        bar->SetSize(wxRect(pos, size));
        return bar;
    }
    if (!IsClass(className, "BUTTON"))
        return nullptr;
    switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        return new wxButton(parent, id, text, pos, size);
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        return new wxCheckBox(parent, id, text, pos, size);
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return new wxRadioButton(parent, id, text, pos, size);
    case BS_GROUPBOX:
        return new wxStaticBox(parent, id, text, pos, size);
    default:
        return nullptr;
    }
}

bool g_firstWindowMade = false;

// Puts a top-level window over the others without giving it the keyboard (the toolkit's own
// raise also activates it). The drawing library is already loaded by the toolkit.
void RaiseWithoutActivating(wxWindow* window) {
    using ToplevelOf = GdkWindow* (*)(GdkWindow*);
    using Raise = void (*)(GdkWindow*);
    static const auto toplevelOf =
        reinterpret_cast<ToplevelOf>(dlsym(RTLD_DEFAULT, "gdk_window_get_toplevel"));
    static const auto raise = reinterpret_cast<Raise>(dlsym(RTLD_DEFAULT, "gdk_window_raise"));
    GdkWindow* drawing = window->GTKGetDrawingWindow();
    if (toplevelOf && raise && drawing)
        raise(toplevelOf(drawing));
    else
        window->Raise();
}

// A control of the window system asks its parent for its colours (WM_CTLCOLORBTN) once, when
// it is made; a background other than the button face is taken.
void TakeParentsColour(wxWindow* control) {
    CWnd* parent = CWnd::FromHandle(control->GetParent());
    if (!parent)
        return;
    CDC scratch;
    const auto brush = reinterpret_cast<HBRUSH>(parent->SendMessage(
        WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(&scratch), reinterpret_cast<LPARAM>(control)));
    const CBrush* face = CBrush::FromHandle(brush);
    if (!face || face->IsHollow() || face->GetColor() == GetSysColor(COLOR_BTNFACE))
        return;
    const COLORREF colour = face->GetColor();
    control->SetBackgroundColour(wxColour(GetRValue(colour), GetGValue(colour), GetBValue(colour)));
}

} // namespace

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

CWnd::CWnd() : m_handle(std::make_unique<Handle>()) {}

CWnd::~CWnd() {
    if (m_handle->temporary)
        return;
    if (GetSafeHwnd())
        CWnd::DestroyWindow();
    else
        windows().Purge();
}

wxWindow* CWnd::GetSafeHwnd() const {
    return m_handle->window.get();
}

BOOL CWnd::Attach(wxWindow* window) {
    if (!window || GetSafeHwnd())
        return FALSE;
    windows().Purge();
    if (OwnerOf(window))
        return FALSE;
    m_handle->window = window;
    windows().owners[window] = this;
    return TRUE;
}

wxWindow* CWnd::Detach() {
    wxWindow* window = GetSafeHwnd();
    if (window && OwnerOf(window) == this)
        windows().owners.erase(window);
    m_handle->window = nullptr;
    StopTimers();
    return window;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    CWnd* item = parent ? parent->GetDlgItem(static_cast<int>(id)) : nullptr;
    return item && Attach(item->GetSafeHwnd());
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext*) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, UINT nIDorHMenu,
                    LPVOID lpParam) {
    const bool child = (dwStyle & WS_CHILD) != 0;
    if (GetSafeHwnd() || !wxTheApp || (child && !hWndParent))
        return FALSE;
    // Colours read before the window system ran are read again once it shows a window.
    if (!std::exchange(g_firstWindowMade, true))
        NotifySysColorChange();
    const wxString text = ToWx(IS_INTRESOURCE(lpszWindowName) ? "" : lpszWindowName);
    const wxWindowID id = WxIdOf(nIDorHMenu);
    const wxPoint pos(x, y);
    const wxSize size(std::max(nWidth, 0), std::max(nHeight, 0));
    WindowKind kind = child ? WindowKind::plain : WindowKind::popup;
    wxWindow* window = nullptr;
    if (child) {
        window = MakeNativeControl(lpszClassName, text, dwStyle, hWndParent, id, pos, size);
        if (window)
            kind = WindowKind::native;
        else if (IsClass(lpszClassName, "BUTTON") && (dwStyle & BS_TYPEMASK) == BS_OWNERDRAW)
            kind = WindowKind::ownerDrawn;
        if (!window) {
            window = new WxChildWnd(hWndParent, id, pos, size);
            window->SetLabel(text);
        }
        if (kind == WindowKind::native)
            window->Hide();
    } else {
        // A pop-up window is the client of a frame of its own, so that it can hold the focus
        // itself even when it has controls.
        wxWindow* owner = hWndParent ? wxGetTopLevelParent(hWndParent) : nullptr;
        auto* host =
            new WxPopupWnd(owner, wxID_ANY, text, pos, size, (dwStyle & WS_CAPTION) == WS_CAPTION);
        EnsureInfo(host).kind = WindowKind::popupHost;
        window = new WxChildWnd(host, id, wxPoint(0, 0), host->GetClientSize());
        window->Show();
        host->Bind(wxEVT_SIZE, [window](wxSizeEvent& event) {
            window->SetSize(window->GetParent()->GetClientSize());
            event.Skip();
        });
    }
    WindowInfo& info = EnsureInfo(window);
    info.controlId = nIDorHMenu;
    info.kind = kind;
    info.style = dwStyle;
    info.exStyle = dwExStyle;
    info.classStyle = ClassStyleOf(lpszClassName);
    Attach(window);
    WndBridge::BindEvents(window);
    if (dwStyle & WS_DISABLED)
        window->Disable();
    if (kind == WindowKind::native)
        TakeParentsColour(window);

    CREATESTRUCT create{lpParam,
                        nullptr,
                        nullptr,
                        hWndParent,
                        nHeight,
                        nWidth,
                        y,
                        x,
                        static_cast<LONG>(dwStyle),
                        lpszWindowName,
                        lpszClassName,
                        dwExStyle};
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (GetSafeHwnd() && (dwStyle & WS_VISIBLE))
        OuterWindowOf(window)->Show();
    return GetSafeHwnd() != nullptr;
}

BOOL CWnd::DestroyWindow() {
    wxWindow* window = GetSafeHwnd();
    if (!window)
        return FALSE;
    if (wxWindow::GetCapture() == window)
        ReleaseCapture();
    WndBridge::NotifyDestroy(this);
    StopTimers();
    ForgetControlsInside(window);
    Detach();
    // A top-level window is hidden now and deleted when the messages waiting for it are done;
    // a pop-up window goes with its frame.
    OuterWindowOf(window)->Destroy();
    return TRUE;
}

void CWnd::StopTimers() {
    for (auto& entry : m_handle->timers)
        entry.second->Stop();
    m_handle->timers.clear();
}

DWORD CWnd::GetStyle() const {
    const wxWindow* window = GetSafeHwnd();
    if (!window)
        return 0;
    DWORD style = 0;
    if (const WindowInfo* info = InfoOf(window))
        style = info->style;
    else if (!window->IsTopLevel())
        style = WS_CHILD | (window->AcceptsFocusFromKeyboard() ? WS_TABSTOP : 0);
    style = OuterWindowOf(const_cast<wxWindow*>(window))->IsShown() ? (style | WS_VISIBLE)
                                                                    : (style & ~WS_VISIBLE);
    style = window->IsThisEnabled() ? (style & ~WS_DISABLED) : (style | WS_DISABLED);
    return style;
}

DWORD CWnd::GetExStyle() const {
    const WindowInfo* info = InfoOf(GetSafeHwnd());
    return info ? info->exStyle : 0;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT) {
    wxWindow* window = GetSafeHwnd();
    if (!window)
        return FALSE;
    const DWORD before = GetStyle();
    const DWORD after = (before & ~dwRemove) | dwAdd;
    EnsureInfo(window).style = after;
    if ((before ^ after) & WS_VISIBLE)
        OuterWindowOf(window)->Show((after & WS_VISIBLE) != 0);
    if ((before ^ after) & WS_DISABLED)
        window->Enable((after & WS_DISABLED) == 0);
    return before != after;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return WndBridge::Dispatch(this, message, wParam, lParam, nullptr);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    wxWindow* window = GetSafeHwnd();
    if (!window || !wxTheApp)
        return FALSE;
    const wxWeakRef<wxWindow> target(window);
    window->CallAfter([target, message, wParam, lParam] {
        if (wxWindow* alive = target.get())
            CWnd::FromHandle(alive)->SendMessage(message, wParam, lParam);
    });
    return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchMessage(message, wParam, lParam);
}

// The handlers of the messages that have one; every other message gets the window system's
// processing.
LRESULT CWnd::DispatchMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    const auto flags = static_cast<UINT>(wParam);
    const UINT repeat = LOWORD(static_cast<UINT_PTR>(lParam));
    const UINT keyFlags = HIWORD(static_cast<UINT_PTR>(lParam));
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    case WM_SIZE:
        OnSize(flags, LOWORD(static_cast<UINT_PTR>(lParam)), HIWORD(static_cast<UINT_PTR>(lParam)));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(flags, point);
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(flags, point);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(flags, point);
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(flags, point);
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(flags, point);
        return 0;
    case WM_RBUTTONDBLCLK:
        OnRButtonDblClk(flags, point);
        return 0;
    case WM_MBUTTONDOWN:
        OnMButtonDown(flags, point);
        return 0;
    case WM_MBUTTONUP:
        OnMButtonUp(flags, point);
        return 0;
    case WM_MBUTTONDBLCLK:
        OnMButtonDblClk(flags, point);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(flags, point);
        return 0;
    case WM_SETCURSOR:
        return OnSetCursor(FromHandle(reinterpret_cast<HWND>(wParam)),
                           LOWORD(static_cast<UINT_PTR>(lParam)),
                           HIWORD(static_cast<UINT_PTR>(lParam)));
    case WM_KEYDOWN:
        OnKeyDown(flags, repeat, keyFlags);
        return 0;
    case WM_KEYUP:
        OnKeyUp(flags, repeat, keyFlags);
        return 0;
    case WM_CHAR:
        OnChar(flags, repeat, keyFlags);
        return 0;
    case WM_SETFOCUS:
        OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(FromHandle(reinterpret_cast<HWND>(lParam)));
        return 0;
    case WM_SYSCOLORCHANGE:
        OnSysColorChange();
        return 0;
    case WM_GETDLGCODE:
        return OnGetDlgCode();
    case WM_COMMAND:
        return OnCommand(wParam, lParam) ? 0 : DefWindowProc(message, wParam, lParam);
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
                                                    FromHandle(reinterpret_cast<HWND>(lParam)),
                                                    CTLCOLOR_BTN));
    case WM_DRAWITEM:
        OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        return TRUE;
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return WndBridge::DefaultProcessing(this, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return WndBridge::DefaultOfCurrent(this);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    if (lParam == 0) {
        // A menu item (0) or an accelerator (1): a command either way.
        nCode = CN_COMMAND;
        // A command whose item was greyed after it was shown is not carried out.
        if (!IsCommandEnabled(this, nID))
            return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

int CWnd::OnCreate(LPCREATESTRUCT) {
    return static_cast<int>(Default());
}

void CWnd::OnDestroy() {
    Default();
}

void CWnd::OnPaint() {
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}

void CWnd::OnSize(UINT, int, int) {
    Default();
}

void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}

void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}

void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}

void CWnd::OnRButtonDblClk(UINT, CPoint) {
    Default();
}

void CWnd::OnMButtonDown(UINT, CPoint) {
    Default();
}

void CWnd::OnMButtonUp(UINT, CPoint) {
    Default();
}

void CWnd::OnMButtonDblClk(UINT, CPoint) {
    Default();
}

void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
    return static_cast<BOOL>(Default());
}

void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}

void CWnd::OnSetFocus(CWnd*) {
    Default();
}

void CWnd::OnKillFocus(CWnd*) {
    Default();
}

void CWnd::OnTimer(UINT_PTR) {
    Default();
}

void CWnd::OnCaptureChanged(CWnd*) {
    Default();
}

void CWnd::OnSysColorChange() {
    Default();
}

UINT CWnd::OnGetDlgCode() {
    return static_cast<UINT>(Default());
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CWnd* control = lpDrawItemStruct ? FromHandle(lpDrawItemStruct->hwndItem) : nullptr;
    LRESULT result = 0;
    if (control &&
        control->OnChildNotify(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(lpDrawItemStruct), &result))
        return;
    Default();
}

BOOL CWnd::EnableWindow(BOOL enable) {
    wxWindow* window = GetSafeHwnd();
    if (!window)
        return FALSE;
    const BOOL wasDisabled = !window->IsThisEnabled();
    window->Enable(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    const wxWindow* window = GetSafeHwnd();
    return window && window->IsThisEnabled();
}

BOOL CWnd::IsWindowVisible() const {
    const wxWindow* window = GetSafeHwnd();
    return window && window->IsShownOnScreen();
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    wxWindow* window = GetSafeHwnd();
    if (!window)
        return FALSE;
    wxWindow* outer = OuterWindowOf(window);
    const BOOL wasVisible = outer->IsShown();
    outer->Show(nCmdShow != SW_HIDE);
    return wasVisible;
}

BOOL CWnd::SetForegroundWindow() {
    wxWindow* window = GetSafeHwnd();
    if (!window)
        return FALSE;
    wxGetTopLevelParent(window)->Raise();
    return TRUE;
}

void CWnd::SetWindowText(LPCTSTR text) {
    wxWindow* window = GetSafeHwnd();
    // An edit control's text is its value; setting it sends no change of its own, and a cap
    // on typing never cuts what the program sets. The program's line breaks are CR LF, the
    // toolkit's a line feed.
    if (auto* edit = dynamic_cast<wxTextCtrl*>(window)) {
        wxString value = ToWx(text);
        if (edit->IsMultiLine())
            value.Replace("\r\n", "\n");
        SetFieldText(edit, value);
    } else if (window)
        window->SetLabel(ToWx(text));
}

void CWnd::GetWindowText(CString& text) const {
    const wxWindow* window = GetSafeHwnd();
    if (const auto* edit = dynamic_cast<const wxTextCtrl*>(window)) {
        wxString value = edit->GetValue();
        if (edit->IsMultiLine())
            value.Replace("\n", "\r\n");
        text = FromWx(value);
    } else
        text = window ? FromWx(window->GetLabel()) : CString();
}

int CWnd::GetDlgCtrlID() const {
    const wxWindow* window = GetSafeHwnd();
    return window ? static_cast<int>(ControlIdOf(window)) : 0;
}

CWnd* CWnd::GetDlgItem(int id) const {
    const wxWindow* window = GetSafeHwnd();
    if (!window)
        return nullptr;
    for (wxWindow* child : window->GetChildren()) {
        if (!child->IsTopLevel() && static_cast<int>(ControlIdOf(child)) == id)
            return FromHandle(child);
    }
    return nullptr;
}

CWnd* CWnd::GetParent() const {
    wxWindow* window = GetSafeHwnd();
    // The parent of a pop-up window is its owner.
    return window ? FromHandle(OuterWindowOf(window)->GetParent()) : nullptr;
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent) {
    wxWindow* window = GetSafeHwnd();
    wxWindow* parent = pWndNewParent ? pWndNewParent->GetSafeHwnd() : nullptr;
    if (!window || !parent || window->IsTopLevel())
        return nullptr;
    CWnd* old = GetParent();
    if (window->GetParent() != parent)
        window->Reparent(parent);
    return old;
}

CWnd* CWnd::GetTopLevelParent() const {
    wxWindow* window = GetSafeHwnd();
    if (!window)
        return nullptr;
    wxWindow* top = wxGetTopLevelParent(window);
    const WindowInfo* info = InfoOf(top);
    // A pop-up window is its own top-level window.
    if (info && info->kind == WindowKind::popupHost && !top->GetChildren().empty())
        return FromHandle(top->GetChildren().front());
    return FromHandle(top);
}

std::vector<CWnd*> CWnd::GetChildren() const {
    std::vector<CWnd*> children;
    if (const wxWindow* window = GetSafeHwnd()) {
        for (wxWindow* child : window->GetChildren()) {
            if (!child->IsTopLevel())
                children.push_back(FromHandle(child));
        }
    }
    return children;
}

BOOL CWnd::IsChild(const CWnd* pWnd) const {
    const wxWindow* window = GetSafeHwnd();
    for (const wxWindow* w = pWnd ? pWnd->GetSafeHwnd() : nullptr; w && window;
         w = w->GetParent()) {
        if (w->GetParent() == window)
            return TRUE;
        if (w->IsTopLevel())
            break;
    }
    return FALSE;
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    const wxWindow* window = GetSafeHwnd();
    const wxSize size = window ? window->GetClientSize() : wxSize(0, 0);
    *lpRect = CRect(0, 0, size.GetWidth(), size.GetHeight());
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    const wxWindow* window = GetSafeHwnd() ? OuterWindowOf(GetSafeHwnd()) : nullptr;
    const wxRect rect = window ? window->GetScreenRect() : wxRect();
    *lpRect = CRect(rect.GetLeft(), rect.GetTop(), rect.GetLeft() + rect.GetWidth(),
                    rect.GetTop() + rect.GetHeight());
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const {
    if (const wxWindow* window = GetSafeHwnd()) {
        const wxPoint at = window->ClientToScreen(wxPoint(lpPoint->x, lpPoint->y));
        *lpPoint = POINT{at.x, at.y};
    }
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    CPoint topLeft(lpRect->left, lpRect->top);
    ClientToScreen(&topLeft);
    CRect rect(lpRect);
    rect.OffsetRect(topLeft - CPoint(lpRect->left, lpRect->top));
    *lpRect = rect;
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const {
    if (const wxWindow* window = GetSafeHwnd()) {
        const wxPoint at = window->ScreenToClient(wxPoint(lpPoint->x, lpPoint->y));
        *lpPoint = POINT{at.x, at.y};
    }
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    CPoint topLeft(lpRect->left, lpRect->top);
    ScreenToClient(&topLeft);
    CRect rect(lpRect);
    rect.OffsetRect(topLeft - CPoint(lpRect->left, lpRect->top));
    *lpRect = rect;
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    wxWindow* window = GetSafeHwnd() ? OuterWindowOf(GetSafeHwnd()) : nullptr;
    if (!window)
        return;
    window->SetSize(x, y, nWidth, nHeight, wxSIZE_ALLOW_MINUS_ONE);
    if (bRepaint)
        window->Refresh();
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    // A pop-up window moves, shows and hides with its frame.
    wxWindow* window = GetSafeHwnd() ? OuterWindowOf(GetSafeHwnd()) : nullptr;
    if (!window)
        return FALSE;
    const wxRect now = window->GetRect();
    const wxPoint pos = (nFlags & SWP_NOMOVE) ? now.GetPosition() : wxPoint(x, y);
    const wxSize size = (nFlags & SWP_NOSIZE) ? now.GetSize() : wxSize(cx, cy);
    window->SetSize(pos.x, pos.y, size.x, size.y, wxSIZE_ALLOW_MINUS_ONE);
    if (!(nFlags & SWP_NOZORDER) && pWndInsertAfter == nullptr && window->IsTopLevel()) {
        if (nFlags & SWP_NOACTIVATE)
            RaiseWithoutActivating(window);
        else
            window->Raise();
    }
    if (nFlags & SWP_SHOWWINDOW)
        window->Show();
    if (nFlags & SWP_HIDEWINDOW)
        window->Hide();
    if (!(nFlags & SWP_NOREDRAW))
        window->Refresh();
    return TRUE;
}

void CWnd::Invalidate(BOOL bErase) {
    if (wxWindow* window = GetSafeHwnd())
        window->Refresh(bErase != FALSE);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) {
    wxWindow* window = GetSafeHwnd();
    if (!window)
        return;
    if (!lpRect) {
        window->Refresh(bErase != FALSE);
        return;
    }
    const CRect rect(lpRect);
    window->RefreshRect(wxRect(rect.left, rect.top, rect.Width(), rect.Height()), bErase != FALSE);
}

void CWnd::UpdateWindow() {
    if (wxWindow* window = GetSafeHwnd())
        window->Update();
}

CWnd* CWnd::SetFocus() {
    CWnd* previous = GetFocus();
    if (wxWindow* window = GetSafeHwnd()) {
        // Any window the program gives the focus takes the keyboard, also one made hidden
        // (which the toolkit left unable to hold it).
        window->SetCanFocus(true);
        window->SetFocus();
    }
    return previous;
}

CWnd* CWnd::GetFocus() {
    return wxTheApp ? FromHandle(wxWindow::FindFocus()) : nullptr;
}

CWnd* CWnd::SetCapture() {
    wxWindow* window = GetSafeHwnd();
    CWnd* previous = GetCapture();
    if (!window || wxWindow::GetCapture() == window)
        return previous;
    if (previous)
        ReleaseCapture();
    window->CaptureMouse();
    return previous;
}

CWnd* CWnd::GetCapture() {
    return wxTheApp ? FromHandle(wxWindow::GetCapture()) : nullptr;
}

BOOL ReleaseCapture() {
    wxWindow* window = wxTheApp ? wxWindow::GetCapture() : nullptr;
    if (!window)
        return FALSE;
    window->ReleaseMouse();
    CWnd::FromHandle(window)->SendMessage(WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer) {
    wxWindow* window = GetSafeHwnd();
    if (!window || lpfnTimer || !wxTheApp)
        return 0;
    auto& timer = m_handle->timers[nIDEvent];
    timer = std::make_unique<WndTimer>(window, nIDEvent);
    timer->Start(static_cast<int>(std::max(nElapse, 1u)));
    return nIDEvent;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
    const auto found = m_handle->timers.find(nIDEvent);
    if (found == m_handle->timers.end())
        return FALSE;
    found->second->Stop();
    m_handle->timers.erase(found);
    return TRUE;
}

CFont* CWnd::GetFont() const {
    const wxWindow* window = GetSafeHwnd();
    if (!window)
        return nullptr;
    auto data = std::make_unique<CFont::Data>(CFont::Data{window->GetFont()});
    m_handle->font = std::make_unique<CFont>();
    m_handle->font->SetData(std::move(data));
    return m_handle->font.get();
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? static_cast<HFONT>(*pFont) : nullptr),
                bRedraw);
}

namespace {

bool IsTabStop(wxWindow* window) {
    if (!window->IsShown() || !window->IsEnabled())
        return false;
    if (const WindowInfo* info = InfoOf(window); info && info->kind != WindowKind::native)
        return (info->style & WS_TABSTOP) != 0;
    return window->AcceptsFocusFromKeyboard();
}

void CollectTabStops(wxWindow* parent, std::vector<wxWindow*>& stops) {
    for (wxWindow* child : parent->GetChildren()) {
        if (child->IsTopLevel())
            continue;
        if (IsTabStop(child))
            stops.push_back(child);
        else if (child->IsShown())
            CollectTabStops(child, stops);
    }
}

} // namespace

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const {
    wxWindow* dialog = GetSafeHwnd();
    if (!dialog)
        return nullptr;
    std::vector<wxWindow*> stops;
    CollectTabStops(dialog, stops);
    if (stops.empty())
        return nullptr;
    const wxWindow* from = pWndCtl ? pWndCtl->GetSafeHwnd() : nullptr;
    // The control, or the tab stop that holds it.
    auto at = stops.end();
    for (const wxWindow* w = from; w && w != dialog && at == stops.end(); w = w->GetParent())
        at = std::find(stops.begin(), stops.end(), w);
    const auto count = static_cast<long>(stops.size());
    long index = at == stops.end() ? (bPrevious ? 0 : -1) : at - stops.begin();
    index = (index + (bPrevious ? count - 1 : 1)) % count;
    return FromHandle(stops[static_cast<size_t>(index)]);
}

CWnd* CWnd::WindowFromPoint(POINT point) {
    wxWindow* window = wxTheApp ? wxFindWindowAtPoint(wxPoint(point.x, point.y)) : nullptr;
    const WindowInfo* info = InfoOf(window);
    // A pop-up window's frame stands for the pop-up window.
    if (info && info->kind == WindowKind::popupHost && !window->GetChildren().empty())
        window = window->GetChildren().front();
    return FromHandle(window);
}

CWnd* CWnd::FromHandle(wxWindow* window) {
    if (!window)
        return nullptr;
    windows().Purge();
    if (CWnd* owner = OwnerOf(window))
        return owner;
    auto& temporary = windows().temporaries[window];
    if (!temporary) {
        temporary = std::make_unique<CWnd>();
        temporary->m_handle->window = window;
        temporary->m_handle->temporary = true;
    }
    return temporary.get();
}

CWnd* CWnd::GetSafeOwner(CWnd* parent) {
    CWnd* start = parent && parent->GetSafeHwnd() ? parent : AfxGetMainWnd();
    return start ? start->GetTopLevelParent() : nullptr;
}
