// The About box, the legal notice and the credits on a real display: exact texts and fonts,
// the notice file cut at its first null byte, empty or missing, the credits' frames advancing
// on their timer, and screenshots of the About box and the credits for a look by eye.

#include "platform/ui/CFont.h"
#include "platform/ui/WindowMessages.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/CAboutDlg.h"
#include "shell/CCreditDlg.h"
#include "shell/CVantrel3App.h"
#include "shell/QZLegal.h"
#include "tests/shell/ShellUiSupport.h"

#include <wx/dialog.h>
#include <wx/modalhook.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

// Runs `onShown` once a modal dialog of the program is up (the dialog's object is passed).
class ModalScript : public wxModalDialogHook {
public:
    explicit ModalScript(std::function<void(CWnd*)> onShown) : m_onShown(std::move(onShown)) {
        Register();
    }
    ~ModalScript() override { Unregister(); }
    int Enter(wxDialog* dialog) override {
        CWnd* wnd = CWnd::FromHandle(dialog);
        opened.push_back(wnd);
        dialog->CallAfter([this, wnd] { m_onShown(wnd); });
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

    std::vector<CWnd*> opened;

private:
    std::function<void(CWnd*)> m_onShown;
};

std::string TextOf(CWnd* dialog, UINT id) {
    CWnd* item = dialog->GetDlgItem(static_cast<int>(id));
    if (!item)
        return "<missing>";
    CString text;
    item->GetWindowText(text);
    return std::string(text);
}

LONG WeightOf(CWnd* dialog, UINT id) {
    LOGFONT lf{};
    dialog->GetDlgItem(static_cast<int>(id))->GetFont()->GetLogFont(&lf);
    return lf.lfWeight;
}

void Press(CWnd* dialog, UINT id) {
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<int>(id), BN_CLICKED), 0);
}

class CAboutDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterResources();
        app.m_strDatabasePath = "/home/someone/Marquill/mq.mdb";
        app.m_strProgramDirectory = folder.path().string().c_str();
    }

    CVantrel3App app;
    TempDir folder;
    MessageBoxRecorder boxes;
};

TEST_F(CAboutDlgTest, TheBoxShowsBuildDatabaseAndNoticeLinesInTheirFonts) {
    CAboutDlg about;
    ASSERT_TRUE(about.Create(IDD_ABOUTBOX));
    EXPECT_EQ(TextOf(&about, IDC_ABOUT_TITLE), "Marquill 3.0 (Build 318)");
    EXPECT_EQ(TextOf(&about, IDC_ABOUT_DATABASE),
              "Development Database Version:        1.30\n"
              "Database Location:       /home/someone/Marquill/mq.mdb");
    EXPECT_EQ(WeightOf(&about, IDC_ABOUT_TITLE), FW_BOLD);
    EXPECT_EQ(WeightOf(&about, IDC_ABOUT_NOTICE), FW_BOLD);
    EXPECT_EQ(WeightOf(&about, IDC_ABOUT_TRADEMARK), FW_NORMAL);
    for (UINT line = 500; line <= 504; ++line)
        EXPECT_FALSE(TextOf(&about, line).empty()) << line;
    EXPECT_EQ(TextOf(&about, IDC_ABOUT_LICENSE), "License");
    EXPECT_EQ(TextOf(&about, IDC_ABOUT_CREDITS), "Credits");
    EXPECT_EQ(TextOf(&about, IDOK), "Done");
    about.DestroyWindow();
}

TEST_F(CAboutDlgTest, AboutRunsModallyItsButtonsOpenTheNoticeAndTheCreditsAndDoneEndsIt) {
    std::vector<std::string> seen;
    ModalScript script([&](CWnd* dialog) {
        if (auto* about = dynamic_cast<CAboutDlg*>(dialog)) {
            seen.push_back("about " + TextOf(about, IDC_ABOUT_TITLE));
            EXPECT_TRUE(ScreenshotOf(about->GetSafeHwnd(), ScreenshotPath("about.png")));
            Press(about, IDC_ABOUT_LICENSE);
            Press(about, IDC_ABOUT_CREDITS);
            Press(about, IDOK);
        } else if (dynamic_cast<QZLegal*>(dialog)) {
            seen.push_back("legal");
            Press(dialog, IDOK);
        } else if (auto* credits = dynamic_cast<CCreditDlg*>(dialog)) {
            seen.push_back("credits " + std::to_string(credits->GetFrameCount()) + " frames");
            Press(dialog, IDOK);
        }
    });
    app.OnAppAbout();
    EXPECT_EQ(seen, (std::vector<std::string>{"about Marquill 3.0 (Build 318)", "legal",
                                              "credits 24 frames"}));
}

TEST_F(CAboutDlgTest, TheNoticeIsTheFileUpToItsFirstNullByte) {
    struct Case {
        const char* name;
        std::string bytes;
        bool write;
        std::string notice;
        std::vector<std::string> boxes;
    };
    const std::string dir = folder.path().string();
    const Case cases[] = {
        {"cut at the null",
         std::string("End-user licence\nSecond line\0hidden after it", 42),
         true,
         "End-user licence\nSecond line",
         {}},
        {"empty file", "", true, "", {}},
        {"missing file", "", false, "", {dir}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(folder.file("mq30eula.txt"));
        if (c.write)
            std::ofstream(folder.file("mq30eula.txt"), std::ios::binary) << c.bytes;
        boxes.Clear();
        QZLegal legal;
        ASSERT_TRUE(legal.Create(IDD_LEGAL));
        EXPECT_EQ(std::string(legal.m_strNotice), c.notice);
        CString shown;
        legal.GetNoticeCtrl().GetWindowText(shown);
        EXPECT_EQ(std::string(shown), c.notice);
        EXPECT_EQ(boxes.texts(), c.boxes);
        if (!c.boxes.empty()) {
            EXPECT_EQ(boxes.shown()[0].type & 0xF, MB_OKCANCEL);
        }
        legal.DestroyWindow();
    }
}

TEST_F(CAboutDlgTest, TheCreditsKeepAtMost32FramesAndAdvanceOnTheirTimer) {
    std::vector<UINT> frames;
    for (int i = 0; i < 40; ++i)
        frames.push_back(IDB_CREDITS_FIRST + static_cast<UINT>(i % 5));
    CCreditDlg credits(IDB_CREDITS_LAST);
    credits.SetFrames(static_cast<int>(frames.size()), frames.data());
    credits.SetFrameValues(static_cast<int>(frames.size()), frames.data());
    EXPECT_EQ(credits.GetFrameCount(), 32);
    EXPECT_EQ(credits.GetValueCount(), 32);
    EXPECT_EQ(credits.GetFrameId(31), frames[31]);

    const UINT ids[] = {248, 249, 250, 251, 252, 254, 256, 257, 258, 259, 260, 261};
    const UINT ticks[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    credits.SetFrames(12, ids);
    credits.SetFrameValues(12, ticks);
    credits.SetText(IDS_CREDITS_TEXT, 11, 5, 0, 40, 50, RGB(255, 255, 255), 1, TRUE);
    CString text;
    text.LoadString(IDS_CREDITS_TEXT);
    EXPECT_EQ(credits.GetText(), text);

    ASSERT_TRUE(credits.Create(IDD_CREDITS));
    credits.ShowWindow(SW_SHOW);
    EXPECT_NE(credits.GetTimerId(), 0u);
    EXPECT_EQ(credits.GetCurrentFrame(), 0);
    ASSERT_TRUE(PumpUntil([&] { return credits.GetCurrentFrame() >= 6; }));
    EXPECT_TRUE(ScreenshotOf(credits.GetSafeHwnd(), ScreenshotPath("credits.png")));

    // New frames stop the timer and start over at frame 0.
    credits.SetFrames(3, ids);
    EXPECT_EQ(credits.GetCurrentFrame(), 0);
    EXPECT_TRUE(PumpUntil([&] { return credits.GetCurrentFrame() == 2; }));
    credits.DestroyWindow();
    EXPECT_EQ(credits.GetTimerId(), 0u);
}

} // namespace
