#include "db/CProgressDlg.h"
#include "platform/core/StringTable.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/MessagePump.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/support/CountingPump.h"

#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/panel.h>

namespace {

// Opens the bookkeeping members and the bar of the dialog to the tests.
class ProgressDlgProbe : public CProgressDlg {
public:
    using CProgressDlg::CProgressDlg;
    wxGauge* Gauge() const { return dynamic_cast<wxGauge*>(m_Progress.GetSafeHwnd()); }
    int Position() const { return m_Progress.GetPos(); }
};

CString TextOf(CWnd* window) {
    CString text;
    if (window)
        window->GetWindowText(text);
    return text;
}

// A shown main window for the dialog to disable.
class CProgressDlgTest : public ::testing::Test {
protected:
    CProgressDlgTest() {
        RegisterResources();
        mainFrame =
            new wxFrame(nullptr, wxID_ANY, "Main window", wxPoint(20, 20), wxSize(600, 400));
        mainFrame->Show();
        mainWnd.Attach(mainFrame);
        SetMainWnd(&mainWnd);
    }
    ~CProgressDlgTest() override {
        SetMainWnd(nullptr);
        mainWnd.DestroyWindow();
        SettleWindows();
    }

    CWnd mainWnd;
    wxFrame* mainFrame;
};

} // namespace

TEST_F(CProgressDlgTest, ShowsTheDefaultCaptionAndTheStepNames) {
    ProgressDlgProbe dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_EQ(TextOf(&dlg), "Please Wait:  Converting Database...");
    EXPECT_EQ(TextOf(dlg.GetDlgItem(IDC_PROGDLG_STATUS)), "");
    dlg.StepIt();
    dlg.SetStatus("InitDbUpdate");
    EXPECT_EQ(TextOf(dlg.GetDlgItem(IDC_PROGDLG_STATUS)), "InitDbUpdate");
}

TEST_F(CProgressDlgTest, CaptionComesFromTheStringGiven) {
    StringTable::Register(9114, "Copying the site...");
    ProgressDlgProbe dlg(9114);
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(TextOf(&dlg), "Copying the site...");
    StringTable::Register(9114, nullptr);
}

TEST_F(CProgressDlgTest, ControlsStandWhereTheResourcePlacesThem) {
    ProgressDlgProbe dlg;
    ASSERT_TRUE(dlg.Create());
    wxWindow* window = dlg.GetSafeHwnd();
    EXPECT_EQ(window->GetClientSize(), window->ConvertDialogToPixels(wxSize(186, 47)));
    EXPECT_FALSE(window->HasFlag(wxCLOSE_BOX));
    EXPECT_FALSE(window->HasFlag(wxSYSTEM_MENU));
    wxWindow* bar = dlg.GetDlgItem(IDC_PROGDLG_PROGRESS)->GetSafeHwnd();
    EXPECT_EQ(bar, dlg.Gauge());
    EXPECT_EQ(bar->GetPosition(), window->ConvertDialogToPixels(wxPoint(16, 21)));
    EXPECT_EQ(bar->GetSize(), window->ConvertDialogToPixels(wxSize(154, 13)));
    wxWindow* status = dlg.GetDlgItem(IDC_PROGDLG_STATUS)->GetSafeHwnd();
    EXPECT_EQ(status->GetPosition(), window->ConvertDialogToPixels(wxPoint(13, 7)));
    EXPECT_EQ(status->GetSize(), window->ConvertDialogToPixels(wxSize(158, 8)));
}

TEST_F(CProgressDlgTest, FiveStepsOfAnUpdateLeaveTheBarAtFiftyAndARevertAtSixty) {
    ProgressDlgProbe dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.SetForegroundWindow();
    const char* steps[] = {"InitDbUpdate", "CreateTables", "DeleteQueryDefs", "CreateQueryDefs",
                           "RestoreOriginalData"};
    int expected = 0;
    for (const char* step : steps) {
        EXPECT_EQ(dlg.StepIt(), expected);
        dlg.SetStatus(step);
        expected += 10;
    }
    EXPECT_EQ(dlg.Position(), 50);
    EXPECT_EQ(dlg.Gauge()->GetValue(), 50);
    EXPECT_EQ(dlg.Gauge()->GetRange(), 100);
    EXPECT_EQ(dlg.StepIt(), 50);
    dlg.SetStatus("Copy Data Step");
    EXPECT_EQ(dlg.Gauge()->GetValue(), 60);
    EXPECT_EQ(TextOf(dlg.GetDlgItem(IDC_PROGDLG_STATUS)), "Copy Data Step");
}

TEST_F(CProgressDlgTest, StepItLetsTheWaitingMessagesThroughBeforeItSteps) {
    ProgressDlgProbe dlg;
    ASSERT_TRUE(dlg.Create());
    int seenPosition = -1;
    wxTheApp->CallAfter([&] { seenPosition = dlg.Position(); });
    EXPECT_EQ(dlg.StepIt(), 0);
    EXPECT_EQ(seenPosition, 0);
    EXPECT_EQ(dlg.Position(), 10);

    CountingPump pump;
    SetMessagePump(&pump);
    dlg.StepIt();
    dlg.StepIt();
    SetMessagePump(nullptr);
    EXPECT_EQ(pump.calls, 2);
}

TEST_F(CProgressDlgTest, OwnerIsDisabledWhileTheDialogExistsAndEnabledAfter) {
    {
        ProgressDlgProbe dlg;
        ASSERT_TRUE(dlg.Create());
        EXPECT_FALSE(mainWnd.IsWindowEnabled());
        EXPECT_TRUE(dlg.GetSafeHwnd()->IsEnabled());
        dlg.StepIt();
        EXPECT_FALSE(mainWnd.IsWindowEnabled());
    }
    EXPECT_TRUE(mainWnd.IsWindowEnabled());
}

TEST_F(CProgressDlgTest, OwnerIsTheTopLevelWindowOfTheParentGiven) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Other");
    new wxPanel(frame, 77);
    frame->Show();
    CWnd other;
    other.Attach(frame);
    {
        ProgressDlgProbe dlg;
        ASSERT_TRUE(dlg.Create(other.GetDlgItem(77)));
        EXPECT_FALSE(other.IsWindowEnabled());
        EXPECT_TRUE(mainWnd.IsWindowEnabled());
    }
    EXPECT_TRUE(other.IsWindowEnabled());
}

TEST_F(CProgressDlgTest, OwnerDisabledBeforeStaysDisabled) {
    mainWnd.EnableWindow(FALSE);
    {
        ProgressDlgProbe dlg;
        ASSERT_TRUE(dlg.Create());
    }
    EXPECT_FALSE(mainWnd.IsWindowEnabled());
}

TEST_F(CProgressDlgTest, DestroyingTwiceEnablesTheOwnerOnlyOnce) {
    ProgressDlgProbe dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_TRUE(mainWnd.IsWindowEnabled());
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
    mainWnd.EnableWindow(FALSE);
    EXPECT_FALSE(dlg.DestroyWindow());
    EXPECT_FALSE(mainWnd.IsWindowEnabled());
    mainWnd.EnableWindow(TRUE);
}

TEST_F(CProgressDlgTest, FailedCreateEnablesTheOwnerAgain) {
    DialogTemplates::Register(IDD_PROGRESS, nullptr);
    ProgressDlgProbe dlg;
    EXPECT_FALSE(dlg.Create());
    RegisterResources();
    EXPECT_TRUE(mainWnd.IsWindowEnabled());
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
    // Used anyway, as the update does, the dialog stays harmless.
    EXPECT_EQ(dlg.StepIt(), 0);
    dlg.SetStatus("InitDbUpdate");
}

TEST_F(CProgressDlgTest, EnterEscapeAndClosingLeaveTheDialogOpen) {
    ProgressDlgProbe dlg;
    ASSERT_TRUE(dlg.Create());
    wxWindow* window = dlg.GetSafeHwnd();
    PressKey(window, WXK_RETURN);
    PressKey(window, WXK_ESCAPE);
    window->Close();
    SettleWindows();
    EXPECT_EQ(dlg.GetSafeHwnd(), window);
    EXPECT_TRUE(dlg.IsWindowVisible());
}

TEST_F(CProgressDlgTest, WithoutAnyOwnerNothingIsDisabled) {
    SetMainWnd(nullptr);
    ProgressDlgProbe dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_TRUE(mainWnd.IsWindowEnabled());
    EXPECT_EQ(dlg.GetSafeHwnd()->GetParent(), nullptr);
}
