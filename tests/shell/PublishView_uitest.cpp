// The Publish Objects dialog on a real display, over the publishing engine and real sites: a
// local production site, and a remote one whose real FTP server on 127.0.0.1 refuses the
// login. The objects marked for publishing are listed checked with their kinds' icons; what
// the user unchecks stays marked and is listed again; "Mark All in Site" marks the site in
// one go or not at all; an abort, a refusal and a locked database all end with the completion
// line and the buttons as they were.

#include "content/QZService.h"
#include "res/Resource.h"
#include "res/Resources.h"
#include "shell/QZPublishView.h"
#include "tests/content/PublishFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/shell/DialogScript.h"
#include "tests/support/LocalTestServer.h"

#include <wx/vlbox.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using Script = DialogScript;

constexpr const char* kStart = "2|------- Starting to Publish Objects -------";
constexpr const char* kCompleted = "2|------- Completed Publishing Objects -------";

class PublishViewTest : public PublishTest {
protected:
    void SetUp() override {
        PublishTest::SetUp();
        RegisterResources();
        AddEveryKind();
        std::filesystem::create_directories(UnderRoot("prod/site"));
    }

    // The lines of the check list, as "text" with " [x]" when checked.
    static Lines Shown(QZPublishView& view) {
        Lines lines;
        for (int line = 0; line < view.m_CheckList.GetCount(); ++line) {
            CString text;
            view.m_CheckList.GetText(line, text);
            lines.push_back(text.str() + (view.m_CheckList.GetCheck(line) == 1 ? " [x]" : ""));
        }
        return lines;
    }
    static int LineOf(QZPublishView& view, const std::string& text) {
        for (int line = 0; line < view.m_CheckList.GetCount(); ++line) {
            CString shown;
            view.m_CheckList.GetText(line, shown);
            if (shown.str() == text)
                return line;
        }
        return -1;
    }
    static bool Has(const Lines& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    static std::string Label(wxDialog* d, int id) {
        auto* button = Script::Item<wxButton>(d, id);
        return button ? button->GetLabel().utf8_string() : "";
    }
    static bool Enabled(wxDialog* d, int id) {
        auto* button = Script::Item<wxButton>(d, id);
        return button && button->IsEnabled();
    }
    // The buttons as an idle dialog shows them.
    static void ExpectIdle(wxDialog* d, QZPublishView& view) {
        EXPECT_EQ(Label(d, IDC_PUB_PUBLISH), "&Publish");
        EXPECT_EQ(Label(d, IDC_PUB_MARKALL), "&Mark All in Site");
        EXPECT_EQ(Label(d, IDCANCEL), "&Cancel");
        EXPECT_TRUE(Enabled(d, IDC_PUB_PUBLISH));
        EXPECT_TRUE(Enabled(d, IDC_PUB_MARKALL));
        EXPECT_EQ(view.m_bRunning, 0);
    }

    void Open(std::function<void(wxDialog*, QZPublishView&)> script) {
        QZPublishView view;
        Script driver([&](wxDialog* d) { script(d, view); });
        view.DoModal();
        EXPECT_EQ(driver.opened, 1);
    }
};

TEST_F(PublishViewTest, IconsOfTheKinds) {
    const std::pair<SHORT, int> icons[] = {
        {OBJ_SERVICE, 53}, {OBJ_SECTION, 52},    {OBJ_PAGE, 4},     {OBJ_MACRO, 6},
        {OBJ_IMAGE, 8},    {OBJ_QUERY, 39},      {OBJ_MESSAGE, 12}, {OBJ_STYLE, 24},
        {OBJ_FORM, 20},    {OBJ_ACTIVEX, 16},    {OBJ_JAVA, 14},    {OBJ_MEDIA, 44},
        {OBJ_SCRIPT, 18},  {OBJ_ADVERTISER, 46}, {OBJ_EVENT, 42},   {OBJ_ADSPACE, 50},
        {OBJ_AD, 48},      {OBJ_AUTHOR, 18},     {OBJ_PHOTO, 18},
    };
    for (const auto& [type, icon] : icons)
        EXPECT_EQ(QZPublishCheckListBox::IconOf(type), icon) << type;
}

TEST_F(PublishViewTest, UncheckedObjectsStayMarkedAndAreListedAgain) {
    Open([&](wxDialog* d, QZPublishView& view) {
        EXPECT_EQ(d->GetTitle().utf8_string(), "Publish Objects");
        const Lines before = Shown(view);
        ASSERT_GE(before.size(), 18u);
        EXPECT_TRUE(Has(before, "Spring Sale  (:40) [x]"));
        EXPECT_TRUE(Has(before, "Page banner  (:12) [x]"));
        // Every line carries its kind's icon.
        POSITION pos = view.m_pObjectList->GetHeadPosition();
        for (int line = 0; pos; ++line) {
            const QZNameAndKey* item = view.m_pObjectList->GetNext(pos);
            EXPECT_EQ(static_cast<int>(view.m_CheckList.GetItemData(line)),
                      QZPublishCheckListBox::IconOf(item->m_Key.m_ObjectType));
        }
        if (const char* shot = std::getenv("MQ_PUBLISH_SCREENSHOT")) {
            for (int round = 0; round < 10; ++round) {
                d->Refresh();
                d->Update();
                SettleWindows();
                wxMilliSleep(30);
            }
            const std::string command = std::string("import -window root '") + shot + "'";
            EXPECT_EQ(std::system(command.c_str()), 0);
        }
        // The user clicks the macro's check box.
        auto* list = dynamic_cast<wxVListBox*>(d->FindWindow(IDC_PUB_LIST));
        ASSERT_NE(list, nullptr);
        const int macro = LineOf(view, "Page banner  (:12)");
        list->ScrollToRow(static_cast<size_t>(macro));
        const wxRect row = list->GetItemRect(static_cast<size_t>(macro));
        wxMouseEvent click(wxEVT_LEFT_DOWN);
        click.SetPosition(wxPoint(row.x + 6, row.y + row.height / 2));
        click.SetEventObject(list);
        list->GetEventHandler()->ProcessEvent(click);
        EXPECT_EQ(view.m_CheckList.GetCheck(macro), 0);
        m_messages.Clear();
        Script::Click(d, IDC_PUB_PUBLISH);
        const Lines log = Log();
        ASSERT_GE(log.size(), 2u);
        EXPECT_EQ(log.front(), kStart);
        EXPECT_EQ(log.back(), kCompleted);
        EXPECT_FALSE(Has(log, "2|Published: Macro - Page banner  (:12)"));
        EXPECT_TRUE(Has(log, "2|Published: Page - Spring Sale  (:40)"));
        // What was published dropped out; the macro is back, checked.
        const Lines after = Shown(view);
        EXPECT_TRUE(Has(after, "Page banner  (:12) [x]")) << ::testing::PrintToString(after);
        EXPECT_FALSE(Has(after, "Spring Sale  (:40) [x]"));
        ExpectIdle(d, view);
        Script::Click(d, IDCANCEL);
    });
    EXPECT_EQ(MarksIn(m_path, OBJ_MACRO, 12), Unmarked());
    EXPECT_EQ(MarksIn(m_path, OBJ_PAGE, 40), Marked());
    EXPECT_TRUE(HasRow(m_productionDb, OBJ_PAGE, 40));
    EXPECT_FALSE(HasRow(m_productionDb, OBJ_MACRO, 12));
}

TEST_F(PublishViewTest, MarkAllListsUnmarkedObjectsButNotNeverPublishOrDeletedOnes) {
    UpdateObject(OBJ_MACRO, 12, "PublishFlag = 0");
    UpdateObject(OBJ_IMAGE, 50, "PublishFlag = 0, NeverPublishFlag = 1");
    UpdateObject(OBJ_FORM, 62, "PublishFlag = 0, Deleted = 1");
    Open([&](wxDialog* d, QZPublishView& view) {
        EXPECT_FALSE(Has(Shown(view), "Page banner  (:12) [x]"));
        Script::Click(d, IDC_PUB_MARKALL);
        const Lines after = Shown(view);
        EXPECT_TRUE(Has(after, "Page banner  (:12) [x]")) << ::testing::PrintToString(after);
        EXPECT_FALSE(Has(after, "Logo  (:50) [x]"));
        EXPECT_FALSE(Has(after, "Order  (:62) [x]"));
        ExpectIdle(d, view);
        Script::Click(d, IDCANCEL);
    });
    EXPECT_EQ(MarksIn(m_path, OBJ_MACRO, 12), Unmarked()); // marked for publishing: flag 1
    EXPECT_EQ(ColumnIn(m_path, OBJ_IMAGE, 50, "PublishFlag"), "0");
    EXPECT_TRUE(m_boxes.texts().empty());
}

TEST_F(PublishViewTest, MarkAllOnALockedDatabaseMarksNothingAndSaysSo) {
    UpdateObject(OBJ_MACRO, 12, "PublishFlag = 0");
    Open([&](wxDialog* d, QZPublishView& view) {
        {
            WriteLockHolder lock(m_path);
            Script::Click(d, IDC_PUB_MARKALL);
        }
        EXPECT_EQ(m_boxes.texts(),
                  Lines{"The objects of this site could not be marked for publishing."});
        EXPECT_FALSE(Has(Shown(view), "Page banner  (:12) [x]"));
        ExpectIdle(d, view);
        Script::Click(d, IDCANCEL);
    });
    EXPECT_EQ(ColumnIn(m_path, OBJ_MACRO, 12, "PublishFlag"), "0");
}

TEST_F(PublishViewTest, AbortKeepsTheDialogLogsTheCompletionLineAndRestoresTheButtons) {
    Open([&](wxDialog* d, QZPublishView& view) {
        const size_t listed = Shown(view).size();
        m_pump.hook = [&](int call) {
            if (call != 1)
                return;
            // While the run is on, the list cannot be refilled from under it.
            EXPECT_FALSE(Enabled(d, IDC_PUB_MARKALL));
            EXPECT_FALSE(Enabled(d, IDC_PUB_PUBLISH));
            EXPECT_EQ(Label(d, IDC_PUB_PUBLISH), "Publishing...");
            EXPECT_EQ(Label(d, IDCANCEL), "&Abort");
            Script::Click(d, IDCANCEL);
            EXPECT_EQ(Label(d, IDCANCEL), "Aborting...");
            EXPECT_TRUE(d->IsModal());
        };
        m_messages.Clear();
        Script::Click(d, IDC_PUB_PUBLISH);
        m_pump.hook = nullptr;
        EXPECT_TRUE(d->IsModal());
        EXPECT_EQ(Log().back(), kCompleted);
        // Only what came before the abort was published.
        EXPECT_GT(Shown(view).size(), 1u);
        EXPECT_LT(Shown(view).size(), listed);
        ExpectIdle(d, view);
        Script::Click(d, IDCANCEL);
    });
}

TEST_F(PublishViewTest, AnFtpServerThatRefusesTheLoginEndsTheRunWithTheButtonsRestored) {
    TempDir ftpRoot;
    std::filesystem::create_directories(ftpRoot.path() / "docroot");
    FtpTestServer ftp(ftpRoot.path().string(), "dev", "secret");
    setenv("NO_PROXY", "127.0.0.1,localhost", 1);
    UpdateObject(OBJ_SERVICE, kService,
                 "ProductionUse_ftp = 1, Production_ftp_Address = '" + ftp.address() +
                     "', Production_ftp_User = 'dev', ftpDocRoot = 'docroot'");
    {
        QZService service(QZKeyCombo(kDbId, kService, OBJ_SERVICE), TRUE);
        service.GetRecordset()->m_Production_ftp_Password = "wrong";
        ASSERT_EQ(service.Save(), 1);
    }
    Open([&](wxDialog* d, QZPublishView& view) {
        const Lines before = Shown(view);
        m_messages.Clear();
        Script::Click(d, IDC_PUB_PUBLISH);
        const Lines log = Log();
        ASSERT_EQ(log.size(), 3u) << ::testing::PrintToString(log);
        EXPECT_EQ(log[0], kStart);
        EXPECT_EQ(log[1].rfind("0|error: Unable to create an Internet session: ", 0), 0u);
        EXPECT_EQ(log[2], kCompleted);
        EXPECT_EQ(Shown(view), before);
        ExpectIdle(d, view);
        Script::Click(d, IDCANCEL);
    });
    unsetenv("NO_PROXY");
    EXPECT_EQ(MarksIn(m_path, OBJ_PAGE, 40), Unmarked());
}

TEST_F(PublishViewTest, AQuitRequestTakenByThePumpAbortsTheRun) {
    // The request stays for the rest of the process: the run happens in a copy of this test
    // program of its own.
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            Open([&](wxDialog* d, QZPublishView& view) {
                const size_t listed = Shown(view).size();
                m_pump.hook = [&](int call) {
                    if (call == 1)
                        RequestQuit();
                };
                Script::Click(d, IDC_PUB_PUBLISH);
                m_pump.hook = nullptr;
                EXPECT_EQ(Log().back(), kCompleted);
                EXPECT_GT(Shown(view).size(), 1u);
                EXPECT_LT(Shown(view).size(), listed);
                ExpectIdle(d, view);
                Script::Click(d, IDCANCEL);
            });
            std::exit(::testing::Test::HasFailure() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
