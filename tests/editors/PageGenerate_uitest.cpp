// Generate in the page editor: the page's file written and logged, a page never to be
// generated and a dynamic page, and the save question first.

#include "editors/CVantrel3Doc.h"
#include "editors/QZEditorServiceProvider.h"
#include "platform/ui/CDocManager.h"
#include "platform/ui/MainWnd.h"
#include "platform/ui/WindowStyles.h"
#include "tests/content/GenerationFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/support/ChildProcess.h"
#include "wintoolkit/workbook/SECWorkbook.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const char* const kStart = "- Starting to Generate Page -------";
const char* const kFinish = "- Finished Generating Page -------";

} // namespace

class PageGenerateTest : public GenerationTest {
protected:
    void SetUp() override {
        GenerationTest::SetUp();
        TestApp().m_bConfirmSave = TRUE;
        ASSERT_TRUE(m_book.Create(nullptr, "Marquill", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(0, 0, 800, 600)));
        SetMainWnd(&m_book);
        RegisterEditorTemplates(TestApp());
        QZDocument::SetTreeRefresher([this](SHORT type, const QZKeyCombo& key) {
            m_refreshed.push_back(std::to_string(type) + " " + key.FormatFull().str());
        });
    }
    void TearDown() override {
        for (CDocument* document : AfxGetDocManager().GetOpenDocuments())
            static_cast<QZDocument*>(document)->SetModifiedFlag(FALSE);
        AfxGetDocManager().CloseAllDocuments(FALSE);
        AfxGetDocManager().DeleteTemplates();
        QZDocument::SetTreeRefresher(nullptr);
        SetMainWnd(nullptr);
        m_book.DestroyWindow();
        SettleWindows();
        GenerationTest::TearDown();
    }

    // The page editor of page 5:id.
    CVantrel3Doc* OpenPage(LONG id) {
        if (!m_services.OpenObject(OBJ_PAGE, QZKeyCombo(5, id, OBJ_PAGE)))
            return nullptr;
        return dynamic_cast<CVantrel3Doc*>(AfxGetDocManager().GetOpenDocuments().back());
    }
    std::vector<std::string> Logged() const {
        std::vector<std::string> lines;
        for (const auto& line : m_messages.lines())
            lines.push_back(line.display);
        return lines;
    }

    SECWorkbook m_book;
    QZEditorServiceProvider m_services;
    std::vector<std::string> m_refreshed;
};

TEST_F(PageGenerateTest, GenerateWritesThePageFileAndMarksItForPublishing) {
    AddPage(41, "Home", "FileName", "'home.html'");
    CVantrel3Doc* document = OpenPage(41);
    ASSERT_NE(document, nullptr);
    document->OnGenerate();
    EXPECT_TRUE(std::filesystem::exists(UnderRoot("dev/site/news/home.html")));
    const std::vector<std::string> logged = Logged();
    ASSERT_GE(logged.size(), 2u);
    EXPECT_EQ(logged.front(), kStart);
    EXPECT_EQ(logged.back(), kFinish);
    EXPECT_TRUE(Errors().empty());
    const ContentKind& page = ContentKindOf(OBJ_PAGE);
    EXPECT_EQ(Number(page, 41, "GenerateFlag"), 0);
    EXPECT_EQ(Number(page, 41, "PublishFlag"), 1);
    EXPECT_EQ(m_refreshed, std::vector<std::string>{"2 5:41"});
    EXPECT_TRUE(m_boxes.texts().empty());
}

TEST_F(PageGenerateTest, APageNeverToBeGeneratedLogsOnlyTheStartLine) {
    AddPage(42, "Archive", "FileName", "'archive.html'");
    Update(ContentKindOf(OBJ_PAGE), 42, "NeverGenerateFlag = 1");
    CVantrel3Doc* document = OpenPage(42);
    ASSERT_NE(document, nullptr);
    document->OnGenerate();
    EXPECT_EQ(Logged(), std::vector<std::string>{kStart});
    EXPECT_FALSE(std::filesystem::exists(UnderRoot("dev/site/news/archive.html")));
    EXPECT_TRUE(m_boxes.texts().empty());
}

TEST_F(PageGenerateTest, ADynamicPageIsNotGenerated) {
    AddPage(43, "Cart", "FileName", "'cart.asp'");
    Update(ContentKindOf(OBJ_PAGE), 43, "Dynamic = 1");
    CVantrel3Doc* document = OpenPage(43);
    ASSERT_NE(document, nullptr);
    document->OnGenerate();
    EXPECT_EQ(Logged(), std::vector<std::string>{kStart});
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{"Unable to generate page."});
}

TEST_F(PageGenerateTest, CancelInTheSaveQuestionGeneratesNothing) {
    AddPage(44, "Home", "FileName", "'home.html'");
    CVantrel3Doc* document = OpenPage(44);
    ASSERT_NE(document, nullptr);
    document->SetModifiedFlag(TRUE);
    m_boxes.Answer(IDCANCEL);
    document->OnGenerate();
    ASSERT_EQ(m_boxes.texts().size(), 1u);
    EXPECT_TRUE(Logged().empty());
    EXPECT_FALSE(std::filesystem::exists(UnderRoot("dev/site/news/home.html")));
    EXPECT_TRUE(document->IsModified());
}

TEST_F(PageGenerateTest, AReadOnlyCopyIsNotGenerated) {
    AddPage(45, "Home", "FileName", "'home.html'");
    const std::string dir = m_dir.path().string();
    ChildProcess other("hold", {{"DB", m_path}, {"DIR", dir}, {"USER", "5:200"}, {"KEYS", "2:45"}});
    ASSERT_EQ(WaitForFile(dir + "/claimed"), "1");
    CVantrel3Doc* document = OpenPage(45);
    ASSERT_NE(document, nullptr);
    m_boxes.Clear();
    document->OnGenerate();
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{"This record is a Read Only copy"});
    EXPECT_TRUE(Logged().empty());
    EXPECT_FALSE(std::filesystem::exists(UnderRoot("dev/site/news/home.html")));
    EXPECT_EQ(Number(ContentKindOf(OBJ_PAGE), 45, "GenerateFlag"), 1);
    WriteFileAtomically(dir + "/release", "");
    EXPECT_EQ(other.Wait(), 0);
}
