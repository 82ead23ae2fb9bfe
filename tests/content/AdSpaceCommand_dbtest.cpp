// The adspace command: the picked ad linked to the interpreter, its image asked of the
// interpreter on a static page and named directly on a dynamic page or in a preview, the
// impression rows of dynamic pages, the rotation's weights, and its errors.
#include "db/QZRecordsetCaches.h"
#include "tests/content/ObjectCommandFixture.h"

namespace {

// An output file that keeps what is written.
class MemoryFile : public CFile {
public:
    void Write(const void* data, UINT count) override {
        text.append(static_cast<const char*>(data), count);
    }
    std::string text;
};

// A page run as the server's interpreter runs a dynamic page: its text's output only, with
// no file of the page's own.
class InterpretedPage : public QZVantrelPage {
public:
    explicit InterpretedPage(LONG id) : QZVantrelPage(QZKeyCombo(5, id, OBJ_PAGE), FALSE) {}
    std::string Run() {
        MemoryFile file;
        m_pOutputFile = &file;
        Compile();
        m_pOutputFile = nullptr;
        return file.text;
    }
};

class AdSpaceCommandTest : public ObjectCommandTest {
protected:
    void SetUp() override {
        ObjectCommandTest::SetUp();
        AddMacro(13, "Banner", "<<adspace :12>>");
    }
    // The page's text, and the page as a dynamic page.
    void DynamicPage(const std::string& text) {
        Update(ContentKindOf(OBJ_PAGE), 40, "Dynamic = 1, ScriptBody = " + Quote(text));
        ClearRecordsetCaches();
    }
};

const char* const kLink = "<a href=\"/CGI-BIN/MQ30i.exe?adlink=5:12&docid=5:40&ad=5:7\">";

TEST_F(AdSpaceCommandTest, AStaticPageAsksTheInterpreterForTheImage) {
    EXPECT_EQ(Body("<<adspace :12>>"),
              std::string(kLink) +
                  "<img src=\"/CGI-BIN/MQ30i.exe?adspace=5:12&docid=5:40&ad=5:7\" border=0></a>");
    EXPECT_TRUE(Impressions().empty());
    EXPECT_TRUE(DependentsOf(40).empty());
    EXPECT_TRUE(ErrorTexts().empty());
}

TEST_F(AdSpaceCommandTest, ADynamicPageNamesTheImageAndCountsEachImpression) {
    DynamicPage("<<adspace \"5:12\">>");
    InterpretedPage page(40);
    std::string expected =
        std::string(kLink) + "<img src=\"/site/news/img/logo.gif\" border=0></a>";
    EXPECT_EQ(page.Run(), expected);
    EXPECT_EQ(page.Run(), expected);
    EXPECT_EQ(Impressions(), (std::vector<std::string>{"5:12 5:7 5:40 2024-03-05 10:20:30",
                                                       "5:12 5:7 5:40 2024-03-05 10:20:30"}));
}

TEST_F(AdSpaceCommandTest, PreviewsNameTheImageAndCountNothing) {
    DynamicPage("<<adspace :12>>");
    auto page = LoadPage(40);
    ASSERT_EQ(page->Preview(), 1);
    EXPECT_NE(ReadFile(UnderRoot("dev/site/news/Web1.html"))
                  .find(std::string(kLink) + "<img src=\"/site/news/img/logo.gif\" border=0></a>"),
              std::string::npos);
    // A macro's preview has no page to name.
    QZVantrelTemplate macro(QZKeyCombo(kDbId, 13, OBJ_MACRO), TRUE);
    ASSERT_EQ(macro.Preview(), 1);
    EXPECT_NE(ReadFile(UnderRoot("dev/site/Web1.html"))
                  .find("<a href=\"/CGI-BIN/MQ30i.exe?adlink=5:12&ad=5:7\"><img "
                        "src=\"/site/news/img/logo.gif\" border=0></a>"),
              std::string::npos);
    EXPECT_TRUE(Impressions().empty());
    EXPECT_TRUE(ErrorTexts().empty());
}

TEST_F(AdSpaceCommandTest, TheRotationPicksByWeight) {
    AddRow(ContentKindOf(OBJ_AD), 8, "Winter offer", "ServiceDbID, ServiceID, ImageDbID, ImageID",
           "5, 10, 5, 3");
    Update(ContentKindOf(OBJ_ADSPACE), 12,
           "AdPercent1 = 40, DbID2 = 5, AdID2 = 8, AdPercent2 = 60");
    for (auto [draw, ad] : {std::pair{39, "5:7"}, {40, "5:8"}, {99, "5:8"}, {0, "5:7"}}) {
        ScriptedDraws draws({1234, draw});
        std::string body = Body("<<adspace :12>>");
        EXPECT_NE(body.find(std::string("&ad=") + ad + "\">"), std::string::npos) << draw;
    }
}

TEST_F(AdSpaceCommandTest, ASlotWithoutAnAdWritesNothing) {
    // All weights 0: the rotation takes slot 10, which is empty.
    Update(ContentKindOf(OBJ_ADSPACE), 12, "AdPercent1 = 0");
    EXPECT_EQ(Body("a<<adspace :12>>b"), "ab");
    EXPECT_TRUE(ErrorTexts().empty());
}

TEST_F(AdSpaceCommandTest, AnAdThatIsGoneLeavesTheImageEmpty) {
    DynamicPage("<<adspace :12>>");
    Update(ContentKindOf(OBJ_ADSPACE), 12, "AdID1 = 99");
    EXPECT_EQ(InterpretedPage(40).Run(),
              "<a href=\"/CGI-BIN/MQ30i.exe?adlink=5:12&docid=5:40&ad=5:99\"><img src=\"\" "
              "border=0></a>");
    EXPECT_TRUE(Impressions().empty());
}

TEST_F(AdSpaceCommandTest, BadKeysAreReportedWithTheirLineAndWriteNothing) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"<<adspace>>", "adspace: no valid adspace key specified"},
        {"<<adspace n=1>>", "adspace: no valid adspace key specified"},
        {"<<adspace k=3:99>>", "adspace: invalid adspace key k=3:99 specified"},
        {"<<adspace 3:99>>", "adspace: invalid adspace key 3:99 specified"},
        {"<<adspace :99>>", "adspace: invalid adspace key 5:99 specified"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Body(std::string("a\n") + c.text + "b"), "a\nb");
        ASSERT_FALSE(Errors().empty());
        EXPECT_EQ(Errors().back(), std::string("Page :40, Line 2: error: ") + c.error);
        m_messages.Clear();
    }
}

} // namespace
