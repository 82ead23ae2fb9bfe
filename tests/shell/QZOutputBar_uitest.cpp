// The output pane on a real display: the log's lines and colours, clearing, the commands it
// takes while its log has the focus, and the engine messages it receives as the sink.

#include "content/QZEngineMessage.h"
#include "platform/ui/BarStyles.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resources.h"
#include "shell/CVantrel3App.h"
#include "shell/QZOutputBar.h"
#include "shell/QZOutputMessageSink.h"
#include "tests/shell/ShellUiSupport.h"
#include "wintoolkit/frame/SECFrameWnd.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/stc/stc.h>

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kTextColor = RGB(0, 0, 128);

class QZOutputBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterResources();
        g_EditorColors.text = kTextColor;
        ASSERT_TRUE(frame.Create(nullptr, "Output", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CRect(0, 0, 700, 400)));
        frame.EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(
            bar.Create(&frame, "Output Window", WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, 0, 108));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_BOTTOM);
        frame.RecalcLayout();
        InstallOutputMessageSink(bar);
    }
    void TearDown() override {
        UninstallOutputMessageSink();
        frame.DestroyWindow();
        SettleWindows();
    }

    void Post(int kind, const char* text) {
        app.PostEngineMessage(new QZEngineMessage(kind, text));
    }
    CString LogText() {
        CString text;
        bar.GetLog().GetWindowText(text);
        return text;
    }
    // The colour of the first character of a line of the log.
    COLORREF LineColour(int line) {
        QZEngineMessageCtrl& log = bar.GetLog();
        const long start = log.LineIndex(line);
        log.SetSel(start, start + 1);
        CHARFORMAT cf;
        log.GetSelectionCharFormat(cf);
        return cf.crTextColor;
    }
    wxStyledTextCtrl* Control() {
        return dynamic_cast<wxStyledTextCtrl*>(bar.GetLog().GetSafeHwnd());
    }

    CVantrel3App app;
    SECFrameWnd frame;
    QZOutputBar bar;
};

TEST_F(QZOutputBarTest, TheBarHoldsTheLogInItsOutputTab) {
    EXPECT_EQ(bar.GetTabWnd().GetDlgCtrlID(), 107);
    EXPECT_EQ(bar.GetLog().GetDlgCtrlID(), 106);
    ASSERT_EQ(bar.GetTabWnd().GetTabCount(), 1);
    LPCTSTR label = nullptr;
    BOOL selected = FALSE;
    CWnd* page = nullptr;
    DWORD extra = 0;
    bar.GetTabWnd().GetTabInfo(0, label, selected, page, extra);
    EXPECT_STREQ(label, "Output");
    EXPECT_EQ(page, &bar.GetLog());
    EXPECT_TRUE(selected);
    // The log starts with one empty line.
    EXPECT_EQ(LogText(), CString("\n"));
}

TEST_F(QZOutputBarTest, MessagesClearAndMoreMessagesGiveTheLogLineByLine) {
    Post(QZEngineMessage::kindProgress, "------- Generating -------");
    Post(QZEngineMessage::kindError, "missing end");
    EXPECT_EQ(LogText(), CString("------- Generating -------\nerror: missing end\n\n"));
    bar.ClearEngineMessages();
    EXPECT_EQ(LogText(), CString(""));
    bar.ClearEngineMessages();
    EXPECT_EQ(LogText(), CString("")) << "clearing an empty log leaves it empty";
    Post(QZEngineMessage::kindWarning, "first after the clear");
    Post(QZEngineMessage::kindProgress, "second");
    EXPECT_EQ(LogText(), CString("warning: first after the clear\nsecond\n\n"));
    ClearOutputMessages();
    EXPECT_EQ(LogText(), CString(""));
}

TEST_F(QZOutputBarTest, LinesWithLowerCaseErrorAreRedTheOthersInTheTextColour) {
    struct Case {
        const char* text;
        int kind;
        bool red;
    };
    const Case cases[] = {
        {"unknown command", QZEngineMessage::kindError, true},
        {"plain line after a red one", QZEngineMessage::kindProgress, false},
        {"tag not closed", QZEngineMessage::kindWarning, false},
        {"Error with a capital", QZEngineMessage::kindProgress, false},
        {"the page myerrors.html was written", QZEngineMessage::kindProgress, true},
        {"a detail line while verbose is on", QZEngineMessage::kindDetail, false},
    };
    app.m_bVerboseMessages = TRUE;
    for (const Case& c : cases)
        Post(c.kind, c.text);
    for (int line = 0; line < static_cast<int>(std::size(cases)); ++line)
        EXPECT_EQ(LineColour(line), cases[line].red ? RGB(255, 0, 0) : kTextColor)
            << cases[line].text;
    // The line break after a red line keeps the text colour.
    QZEngineMessageCtrl& log = bar.GetLog();
    const long end = log.LineIndex(1) - 1;
    log.SetSel(end, end + 1);
    CHARFORMAT cf;
    log.GetSelectionCharFormat(cf);
    EXPECT_EQ(cf.crTextColor, kTextColor);
}

TEST_F(QZOutputBarTest, DetailLinesOnlyWhileVerboseMessagesAreOn) {
    app.m_bVerboseMessages = FALSE;
    Post(QZEngineMessage::kindDetail, "hidden detail");
    app.m_bVerboseMessages = TRUE;
    Post(QZEngineMessage::kindDetail, "shown detail");
    EXPECT_EQ(LogText(), CString("shown detail\n\n"));
    bar.AddEngineMessage(nullptr);
    EXPECT_EQ(LogText(), CString("shown detail\n\n"));
}

TEST_F(QZOutputBarTest, TypingChangesNothing) {
    Post(QZEngineMessage::kindProgress, "kept");
    wxStyledTextCtrl* control = Control();
    ASSERT_NE(control, nullptr);
    control->SetFocus();
    for (int key : {int('x'), int(WXK_BACK), int(WXK_DELETE), int(WXK_RETURN)}) {
        for (wxEventType type : {wxEVT_KEY_DOWN, wxEVT_CHAR}) {
            wxKeyEvent event(type);
            event.m_keyCode = key;
            event.m_uniChar = key;
            event.SetEventObject(control);
            control->GetEventHandler()->ProcessEvent(event);
        }
    }
    EXPECT_EQ(LogText(), CString("kept\n\n"));
}

TEST_F(QZOutputBarTest, CopyIsGreyedUntilSomethingIsSelectedThenCopiesIt) {
    Post(QZEngineMessage::kindProgress, "first line");
    Post(QZEngineMessage::kindError, "second line");
    RecordingCmdUI before(57634);
    bar.OnUpdateEditCopy(&before);
    EXPECT_EQ(before.enabled, FALSE);

    bar.GetLog().SetSel(0, 5);
    RecordingCmdUI after(57634);
    bar.OnUpdateEditCopy(&after);
    EXPECT_EQ(after.enabled, TRUE);
    bar.OnEditCopy();
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTextDataObject data;
    EXPECT_TRUE(wxTheClipboard->GetData(data));
    wxTheClipboard->Close();
    EXPECT_EQ(data.GetText().utf8_string(), "first");

    bar.OnEditSelectAll();
    long start = -1;
    long end = -1;
    bar.GetLog().GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, bar.GetLog().GetTextLength());
}

TEST_F(QZOutputBarTest, TheLineAndColumnPaneShowsTheCaret) {
    for (const char* text : {"one", "two", "three", "four"})
        Post(QZEngineMessage::kindProgress, text);
    QZEngineMessageCtrl& log = bar.GetLog();
    const long third = log.LineIndex(2);
    log.SetSel(third, third);
    RecordingCmdUI pane(172);
    bar.OnUpdateLineColumn(&pane);
    EXPECT_EQ(pane.enabled, TRUE);
    EXPECT_EQ(pane.text, " Ln 3, Col 1");
    log.SetSel(third + 3, third + 3);
    bar.OnUpdateLineColumn(&pane);
    EXPECT_EQ(pane.text, " Ln 3, Col 4");
}

TEST_F(QZOutputBarTest, TheLogIsTheFocusedTargetOnlyWhileItHasTheFocus) {
    frame.SetForegroundWindow();
    bar.GetLog().SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return bar.LogHasFocus() != FALSE; }));
    frame.SetFocus();
    EXPECT_TRUE(PumpUntil([&] { return !bar.LogHasFocus(); }));
}

} // namespace
