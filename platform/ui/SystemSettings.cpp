#include "platform/ui/SystemSettings.h"

#include "platform/ui/CBrush.h"

#include <wx/app.h>
#include <wx/dcscreen.h>
#include <wx/settings.h>
#include <wx/utils.h>

#include <array>
#include <vector>

namespace {

// The classic colours, for use before and without a window system.
constexpr std::array<COLORREF, 29> kClassicColors = {
    RGB(192, 192, 192), RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 128, 128),
    RGB(192, 192, 192), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),
    RGB(0, 0, 0),       RGB(255, 255, 255), RGB(192, 192, 192), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 128),     RGB(255, 255, 255), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(223, 223, 223), RGB(0, 0, 0),
    RGB(255, 255, 225), RGB(180, 180, 180), RGB(0, 0, 255),     RGB(16, 132, 208),
    RGB(181, 181, 181)};

struct Metric {
    int index;
    int wx; // a wxSystemMetric, or kNone
    int classic;
};

constexpr int kNone = -1;

const Metric kMetrics[] = {
    {SM_CXSCREEN, wxSYS_SCREEN_X, 1024},
    {SM_CYSCREEN, wxSYS_SCREEN_Y, 768},
    {SM_CXVSCROLL, wxSYS_VSCROLL_X, 16},
    {SM_CYHSCROLL, wxSYS_HSCROLL_Y, 16},
    {SM_CYCAPTION, wxSYS_CAPTION_Y, 19},
    {SM_CXBORDER, wxSYS_BORDER_X, 1},
    {SM_CYBORDER, wxSYS_BORDER_Y, 1},
    {SM_CXDLGFRAME, kNone, 3},
    {SM_CYDLGFRAME, kNone, 3},
    {SM_CYVTHUMB, wxSYS_VTHUMB_Y, 16},
    {SM_CXHTHUMB, wxSYS_HTHUMB_X, 16},
    {SM_CXICON, wxSYS_ICON_X, 32},
    {SM_CYICON, wxSYS_ICON_Y, 32},
    {SM_CXCURSOR, wxSYS_CURSOR_X, 32},
    {SM_CYCURSOR, wxSYS_CURSOR_Y, 32},
    {SM_CYMENU, wxSYS_MENU_Y, 19},
    {SM_CXFULLSCREEN, wxSYS_SCREEN_X, 1024},
    {SM_CYFULLSCREEN, wxSYS_SCREEN_Y, 768},
    {SM_MOUSEPRESENT, kNone, 1},
    {SM_CYVSCROLL, wxSYS_VSCROLL_ARROW_Y, 16},
    {SM_CXHSCROLL, wxSYS_HSCROLL_ARROW_X, 16},
    {SM_SWAPBUTTON, kNone, 0},
    {SM_CXMIN, wxSYS_WINDOWMIN_X, 112},
    {SM_CYMIN, wxSYS_WINDOWMIN_Y, 27},
    {SM_CXSIZE, kNone, 18},
    {SM_CYSIZE, kNone, 18},
    {SM_CXFRAME, wxSYS_FRAMESIZE_X, 4},
    {SM_CYFRAME, wxSYS_FRAMESIZE_Y, 4},
    {SM_CXMINTRACK, wxSYS_WINDOWMIN_X, 112},
    {SM_CYMINTRACK, wxSYS_WINDOWMIN_Y, 27},
    {SM_CXDOUBLECLK, wxSYS_DCLICK_X, 4},
    {SM_CYDOUBLECLK, wxSYS_DCLICK_Y, 4},
    {SM_CXEDGE, wxSYS_EDGE_X, 2},
    {SM_CYEDGE, wxSYS_EDGE_Y, 2},
    {SM_CXSMICON, wxSYS_SMALLICON_X, 16},
    {SM_CYSMICON, wxSYS_SMALLICON_Y, 16},
    {SM_CYSMCAPTION, kNone, 15},
    {SM_CXMAXIMIZED, wxSYS_SCREEN_X, 1024},
    {SM_CYMAXIMIZED, wxSYS_SCREEN_Y, 768},
    {SM_CXDRAG, wxSYS_DRAG_X, 4},
    {SM_CYDRAG, wxSYS_DRAG_Y, 4},
    {SM_CXMENUCHECK, kNone, 13},
    {SM_CYMENUCHECK, kNone, 13},
};

std::vector<void (*)()>& listeners() {
    static std::vector<void (*)()> list;
    return list;
}

bool HaveWindowSystem() {
    return wxTheApp != nullptr;
}

} // namespace

COLORREF GetSysColor(int nIndex) {
    if (nIndex < 0 || nIndex >= static_cast<int>(kClassicColors.size()))
        return 0;
    if (!HaveWindowSystem())
        return kClassicColors[static_cast<size_t>(nIndex)];
    // The desktop has no application workspace colour of its own (the toolkit answers plain
    // white): the workspace behind the windows is the button shadow, as in the classic scheme.
    const int wxIndex = nIndex == COLOR_APPWORKSPACE ? wxSYS_COLOUR_BTNSHADOW : nIndex;
    const wxColour colour = wxSystemSettings::GetColour(static_cast<wxSystemColour>(wxIndex));
    if (!colour.IsOk())
        return kClassicColors[static_cast<size_t>(nIndex)];
    return RGB(colour.Red(), colour.Green(), colour.Blue());
}

HBRUSH GetSysColorBrush(int nIndex) {
    static std::array<CBrush, kClassicColors.size()> brushes;
    if (nIndex < 0 || nIndex >= static_cast<int>(brushes.size()))
        return nullptr;
    CBrush& brush = brushes[static_cast<size_t>(nIndex)];
    brush.DeleteObject();
    brush.CreateSolidBrush(GetSysColor(nIndex));
    return brush;
}

int GetSystemMetrics(int nIndex) {
    for (const Metric& metric : kMetrics) {
        if (metric.index != nIndex)
            continue;
        if (!HaveWindowSystem() || metric.wx == kNone)
            return metric.classic;
        const int value = wxSystemSettings::GetMetric(static_cast<wxSystemMetric>(metric.wx));
        return value > 0 ? value : metric.classic;
    }
    return 0;
}

LONG GetDialogBaseUnits() {
    if (!HaveWindowSystem())
        return static_cast<LONG>(MAKELONG(6, 13));
    // As the window system reckons dialog units: half the average width of a letter of the
    // alphabet (rounded), and the line height, of the desktop's font.
    wxScreenDC dc;
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    const wxSize extent = dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int width = (extent.GetWidth() / 26 + 1) / 2;
    return static_cast<LONG>(
        MAKELONG(static_cast<WORD>(width), static_cast<WORD>(extent.GetHeight())));
}

SHORT GetKeyState(int nVirtKey) {
    if (!HaveWindowSystem())
        return 0;
    bool down = false;
    const wxMouseState mouse = wxGetMouseState();
    switch (nVirtKey) {
    case 0x01: // VK_LBUTTON
        down = mouse.LeftIsDown();
        break;
    case 0x02: // VK_RBUTTON
        down = mouse.RightIsDown();
        break;
    case 0x04: // VK_MBUTTON
        down = mouse.MiddleIsDown();
        break;
    case 0x10: // VK_SHIFT
        down = mouse.ShiftDown();
        break;
    case 0x11: // VK_CONTROL
        down = mouse.ControlDown();
        break;
    case 0x12: // VK_MENU
        down = mouse.AltDown();
        break;
    case 0x14: // VK_CAPITAL
        return wxGetKeyState(WXK_CAPITAL) ? 1 : 0;
    case 0x90: // VK_NUMLOCK
        return wxGetKeyState(WXK_NUMLOCK) ? 1 : 0;
    case 0x91: // VK_SCROLL
        return wxGetKeyState(WXK_SCROLL) ? 1 : 0;
    default:
        if ((nVirtKey >= '0' && nVirtKey <= '9') || (nVirtKey >= 'A' && nVirtKey <= 'Z'))
            down = wxGetKeyState(static_cast<wxKeyCode>(nVirtKey));
        break;
    }
    return down ? static_cast<SHORT>(0x8000) : 0;
}

void AddSysColorChangeListener(void (*listener)()) {
    listeners().push_back(listener);
}

void NotifySysColorChange() {
    for (auto* listener : listeners())
        listener();
}
