#include "platform/ui/CPaintDC.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <wx/frame.h>
#include <wx/utils.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

constexpr UINT WM_COLOR_CHOSEN = WM_USER + 101;

// A window that writes down the messages it is given.
class RecordingWnd : public CWnd {
public:
    std::vector<std::string> log;
    CPoint lastPoint;
    UINT lastFlags = 0;
    bool refuseCreation = false;
    bool consumeKeys = false;
    UINT dlgCode = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COLOR_CHOSEN) {
            log.push_back("1125:" + std::to_string(wParam) + ":" + std::to_string(lParam));
            return 77;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int OnCreate(LPCREATESTRUCT create) override {
        log.push_back("create:" + std::to_string(create->cx) + "x" + std::to_string(create->cy));
        return refuseCreation ? -1 : CWnd::OnCreate(create);
    }
    void OnDestroy() override {
        log.push_back("destroy");
        CWnd::OnDestroy();
    }
    void OnPaint() override {
        CPaintDC dc(this);
        log.push_back("paint");
    }
    void OnLButtonDown(UINT flags, CPoint point) override { Mouse("ldown", flags, point); }
    void OnLButtonUp(UINT flags, CPoint point) override { Mouse("lup", flags, point); }
    void OnLButtonDblClk(UINT flags, CPoint point) override { Mouse("ldbl", flags, point); }
    void OnRButtonDown(UINT flags, CPoint point) override { Mouse("rdown", flags, point); }
    void OnMouseMove(UINT flags, CPoint point) override { Mouse("move", flags, point); }
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override {
        log.push_back("keydown:" + std::to_string(key));
        if (!consumeKeys)
            CWnd::OnKeyDown(key, repeat, flags);
    }
    void OnKeyUp(UINT key, UINT, UINT) override { log.push_back("keyup:" + std::to_string(key)); }
    void OnSize(UINT, int cx, int cy) override {
        log.push_back("size:" + std::to_string(cx) + "x" + std::to_string(cy));
    }
    void OnTimer(UINT_PTR id) override { log.push_back("timer:" + std::to_string(id)); }
    void OnCaptureChanged(CWnd*) override { log.push_back("capturechanged"); }
    void OnSysColorChange() override { log.push_back("syscolor"); }
    void OnSetFocus(CWnd*) override { log.push_back("setfocus"); }
    UINT OnGetDlgCode() override { return dlgCode; }

private:
    void Mouse(const char* what, UINT flags, CPoint point) {
        log.push_back(what);
        lastFlags = flags;
        lastPoint = point;
    }
};

class CWndMessagesTest : public ::testing::Test {
protected:
    CWndMessagesTest() {
        frame = new wxFrame(nullptr, wxID_ANY, "Messages", wxPoint(50, 50), wxSize(300, 200));
        top.Attach(frame);
        frame->Show();
    }
    ~CWndMessagesTest() override {
        top.DestroyWindow();
        SettleWindows();
    }

    void MakeChild(RecordingWnd& wnd, LPCTSTR className = nullptr, UINT id = 501,
                   CRect rect = CRect(10, 20, 110, 80)) {
        ASSERT_TRUE(
            wnd.CreateEx(0, className, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, &top, id));
    }
    static void Send(wxWindow* window, wxEventType type, int x, int y) {
        wxMouseEvent event(type);
        event.SetPosition(wxPoint(x, y));
        event.SetLeftDown(type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_DCLICK);
        event.SetShiftDown(true);
        event.SetEventObject(window);
        window->GetEventHandler()->ProcessEvent(event);
    }
    static void Key(wxWindow* window, wxEventType type, int key, bool shift = false) {
        wxKeyEvent event(type);
        event.m_keyCode = key;
        event.SetShiftDown(shift);
        event.SetEventObject(window);
        window->GetEventHandler()->ProcessEvent(event);
    }

    CWnd top;
    wxFrame* frame;
};

} // namespace

TEST_F(CWndMessagesTest, CreationRunsOnCreateBeforeShowingAndMayRefuse) {
    RecordingWnd wnd;
    MakeChild(wnd);
    ASSERT_FALSE(wnd.log.empty());
    EXPECT_EQ(wnd.log.front(), "create:100x60");
    EXPECT_TRUE(wnd.GetStyle() & WS_VISIBLE);
    CRect client;
    wnd.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 100, 60));

    RecordingWnd refused;
    refused.refuseCreation = true;
    EXPECT_FALSE(refused.CreateEx(0, nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &top, 502));
    EXPECT_EQ(refused.GetSafeHwnd(), nullptr);
    EXPECT_EQ(refused.log.back(), "destroy");
}

TEST_F(CWndMessagesTest, MouseEventsReachTheHandlersInClientCoordinates) {
    RecordingWnd wnd;
    MakeChild(wnd);
    Send(wnd.GetSafeHwnd(), wxEVT_LEFT_DOWN, 5, 7);
    EXPECT_EQ(wnd.log.back(), "ldown");
    EXPECT_EQ(wnd.lastPoint, CPoint(5, 7));
    EXPECT_EQ(wnd.lastFlags, MK_LBUTTON | MK_SHIFT);
    Send(wnd.GetSafeHwnd(), wxEVT_MOTION, -3, 200); // with the capture, outside the window
    EXPECT_EQ(wnd.log.back(), "move");
    EXPECT_EQ(wnd.lastPoint, CPoint(-3, 200));
    Send(wnd.GetSafeHwnd(), wxEVT_RIGHT_DOWN, 1, 1);
    EXPECT_EQ(wnd.log.back(), "rdown");
}

TEST_F(CWndMessagesTest, DoubleClicksOnlyForClassesThatAskForThem) {
    RecordingWnd plain, doubles;
    MakeChild(plain, AfxRegisterWndClass(0), 501);
    MakeChild(doubles, AfxRegisterWndClass(CS_DBLCLKS), 502, CRect(120, 20, 200, 80));
    Send(plain.GetSafeHwnd(), wxEVT_LEFT_DCLICK, 2, 2);
    Send(doubles.GetSafeHwnd(), wxEVT_LEFT_DCLICK, 2, 2);
    EXPECT_EQ(plain.log.back(), "ldown");
    EXPECT_EQ(doubles.log.back(), "ldbl");
}

TEST_F(CWndMessagesTest, SentMessagesRunAtOncePostedOnesLater) {
    RecordingWnd wnd;
    MakeChild(wnd);
    EXPECT_EQ(wnd.SendMessage(WM_COLOR_CHOSEN, 3, 0x00FF00), 77);
    EXPECT_EQ(wnd.log.back(), "1125:3:65280");
    SettleWindows();
    wnd.log.clear();
    EXPECT_TRUE(wnd.PostMessage(WM_COLOR_CHOSEN, 0, 255));
    EXPECT_TRUE(wnd.log.empty());
    SettleWindows();
    EXPECT_EQ(std::count(wnd.log.begin(), wnd.log.end(), "1125:0:255"), 1);
    // A message posted to a window that goes first is dropped.
    EXPECT_TRUE(wnd.PostMessage(WM_COLOR_CHOSEN, 9, 9));
    wnd.DestroyWindow();
    SettleWindows();
    EXPECT_EQ(wnd.log.back(), "destroy");
    RecordingWnd windowless;
    EXPECT_FALSE(windowless.PostMessage(WM_COLOR_CHOSEN));
}

TEST_F(CWndMessagesTest, PaintSizeAndSystemColoursReachTheirHandlers) {
    RecordingWnd wnd;
    MakeChild(wnd);
    wnd.MoveWindow(10, 20, 150, 90);
    SettleWindows();
    EXPECT_NE(std::find(wnd.log.begin(), wnd.log.end(), "size:150x90"), wnd.log.end());
    wnd.log.clear();
    wnd.Invalidate();
    wnd.UpdateWindow();
    SettleWindows();
    EXPECT_NE(std::find(wnd.log.begin(), wnd.log.end(), "paint"), wnd.log.end());
    wxSysColourChangedEvent changed;
    changed.SetEventObject(wnd.GetSafeHwnd());
    wnd.GetSafeHwnd()->GetEventHandler()->ProcessEvent(changed);
    EXPECT_EQ(wnd.log.back(), "syscolor");
}

TEST_F(CWndMessagesTest, KeysAndTheDialogsTabOrder) {
    RecordingWnd first, second, third;
    MakeChild(first, nullptr, 501, CRect(0, 0, 20, 20));
    MakeChild(second, nullptr, 502, CRect(30, 0, 50, 20));
    MakeChild(third, nullptr, 503, CRect(60, 0, 80, 20));
    third.ModifyStyle(WS_TABSTOP, 0);
    EXPECT_EQ(top.GetNextDlgTabItem(&first), &second);
    EXPECT_EQ(top.GetNextDlgTabItem(&second), &first); // the third is no Tab stop
    EXPECT_EQ(top.GetNextDlgTabItem(&first, TRUE), &second);

    Key(first.GetSafeHwnd(), wxEVT_KEY_DOWN, 'a');
    EXPECT_EQ(first.log.back(), "keydown:65");
    Key(first.GetSafeHwnd(), wxEVT_KEY_UP, WXK_LEFT);
    EXPECT_EQ(first.log.back(), "keyup:37");
    // Tab goes to the next control unless the window wants it.
    first.log.clear();
    Key(first.GetSafeHwnd(), wxEVT_KEY_DOWN, WXK_TAB);
    EXPECT_TRUE(first.log.empty());
    first.dlgCode = DLGC_WANTTAB;
    Key(first.GetSafeHwnd(), wxEVT_KEY_DOWN, WXK_TAB);
    EXPECT_EQ(first.log.back(), "keydown:9");
}

TEST_F(CWndMessagesTest, CaptureTimersAndDestruction) {
    RecordingWnd wnd, other;
    MakeChild(wnd);
    MakeChild(other, nullptr, 502, CRect(120, 20, 200, 80));
    SettleWindows();
    EXPECT_EQ(wnd.SetCapture(), nullptr);
    EXPECT_EQ(CWnd::GetCapture(), &wnd);
    EXPECT_EQ(other.SetCapture(), &wnd);
    EXPECT_EQ(wnd.log.back(), "capturechanged");
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(other.log.back(), "capturechanged");
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    EXPECT_EQ(wnd.SetTimer(7, 10, nullptr), 7u);
    for (int i = 0;
         i < 200 && std::find(wnd.log.begin(), wnd.log.end(), "timer:7") == wnd.log.end(); ++i) {
        wxMilliSleep(5);
        SettleWindows();
    }
    EXPECT_NE(std::find(wnd.log.begin(), wnd.log.end(), "timer:7"), wnd.log.end());
    EXPECT_TRUE(wnd.KillTimer(7));
    EXPECT_FALSE(wnd.KillTimer(7));

    wnd.SetCapture();
    wnd.log.clear();
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.log, (std::vector<std::string>{"capturechanged", "destroy"}));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(CWndMessagesTest, PopUpWindowsSitOnTheScreen) {
    RecordingWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(CS_SAVEBITS), "", WS_POPUP | WS_VISIBLE,
                               CRect(300, 250, 380, 310), &top, 0));
    SettleWindows();
    CRect window;
    popup.GetWindowRect(&window);
    EXPECT_EQ(window, CRect(300, 250, 380, 310));
    CPoint origin(0, 0);
    popup.ClientToScreen(&origin);
    EXPECT_EQ(origin, CPoint(300, 250));
    EXPECT_EQ(CWnd::WindowFromPoint(CPoint(320, 260)), &popup);
    popup.DestroyWindow();
}
