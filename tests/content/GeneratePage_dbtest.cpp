// Generating pages into their files: the whole file against a golden copy, its variants, the
// row's stamps and flags, the Dependents rows, pages that are not generated, failures that
// leave the row as it was, names that leave the site, and previews.
#include "content/QZVantrelPage.h"
#include "db/QZRecordsetCaches.h"
#include "tests/content/GenerationFixture.h"

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {

namespace fs = std::filesystem;

class GeneratePageTest : public GenerationTest {
protected:
    void SetUp() override {
        GenerationTest::SetUp();
        AddSalePage();
    }
    // Generates page 40 as it now stands in the database and saves it; its file.
    std::string GenerateAndSave(LONG id = 40) {
        auto page = LoadPage(id);
        EXPECT_EQ(page->Generate(), 1);
        EXPECT_EQ(page->Save(), 1);
        return ReadFile(PagePath());
    }
};

TEST_F(GeneratePageTest, APageGeneratesByteForByteAsTheGoldenFile) {
    std::string generated = GenerateAndSave();
    fs::path golden = TestDataDir() / "content" / "generated_page.html";
    if (std::getenv("MQ_UPDATE_GOLDEN") != nullptr)
        WriteFile(golden.string(), generated);
    EXPECT_EQ(generated, ReadFile(golden.string()));
    EXPECT_TRUE(m_boxes.shown().empty());
}

class PageVariantTest : public GeneratePageTest, public ::testing::WithParamInterface<int> {};

TEST_P(PageVariantTest, VariantsOfTheHeadAndBody) {
    const ContentKind& pages = ContentKindOf(OBJ_PAGE);
    const ContentKind& styles = ContentKindOf(OBJ_STYLE);
    struct Variant {
        const char* name;
        std::function<void()> change;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    } variants[] = {
        {"no keywords",
         [&] { Update(pages, 40, "Keywords = ''"); },
         {"</title>\n<meta name=\"author\""},
         {"<META"}},
        {"no frames",
         [&] { Update(pages, 40, "HasFrames = 0"); },
         {"</head>\n<body bgcolor=#FFFFEE", "</body>\n</html>\n"},
         {"NOFRAMES"}},
        {"background image",
         [&] {
             Insert("Images",
                    "DbID, ImageID, Name, Directory, FileName, ServiceDbID, ServiceID, "
                    "SectionDbID, SectionID, Deleted",
                    "5, 50, 'Paper', 'img', 'bg.gif', 5, 10, 5, 20, 0");
             Update(styles, kStyle, "BackImageDbID = 5, BackImageID = 50");
         },
         {"<NOFRAMES><body background=\"../../../../site/news/img/bg.gif\" text=#000033 "
          "link=#0000CC vlink=#660066 alink=#CC0000>\n"},
         {"bgcolor"}},
        {"empty colours",
         [&] {
             Update(styles, kStyle,
                    "BackColor = '', TextColor = '', LinkColor = '', "
                    "UsedLinkColor = '', ActiveLinkColor = ''");
         },
         {"<NOFRAMES><body>\n"},
         {"=#"}},
        {"long title",
         [&] {
             Update(pages, 40, "Title = '" + std::string(40, 'T') + std::string(40, 'U') + "'");
         },
         {"<!-- Title: " + std::string(40, 'T') + std::string(13, 'U') + " -->\n",
          "<title>Latest News - " + std::string(40, 'T') + std::string(40, 'U') + "</title>"},
         {}},
    };
    const Variant& variant = variants[GetParam()];
    SCOPED_TRACE(variant.name);
    variant.change();
    std::string file = GenerateAndSave();
    for (const std::string& text : variant.present)
        EXPECT_NE(file.find(text), std::string::npos) << text << "\nin\n" << file;
    for (const std::string& text : variant.absent)
        EXPECT_EQ(file.find(text), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Variants, PageVariantTest, ::testing::Range(0, 5));

TEST_F(GeneratePageTest, GeneratingTwiceCountsTwoVersionsAndRewritesItsOneFile) {
    const ContentKind& pages = ContentKindOf(OBJ_PAGE);
    Insert("Dependents", "ObjDbID, ObjKeyID, ObjTypeID, UseDbID, UseKeyID, UseTypeID",
           "5, 40, 2, 5, 99, 4");
    auto page = LoadPage(40);
    EXPECT_EQ(page->Generate(), 1);
    m_clock.Advance(60);
    EXPECT_EQ(page->Generate(), 1);
    EXPECT_EQ(page->Save(), 1);
    EXPECT_EQ(Number(pages, 40, "VersionGenerated"), 8);
    EXPECT_EQ(Number(pages, 40, "GenerateFlag"), 0);
    EXPECT_EQ(Number(pages, 40, "PublishFlag"), 1);
    EXPECT_EQ(Number(pages, 40, "WhoGenerated"), kUser);
    EXPECT_EQ(Number(pages, 40, "AuthorGenDbID"), kDbId);
    EXPECT_EQ(COleDateTime(Value(pages, 40, "LastGenerated").date),
              COleDateTime(2024, 3, 5, 10, 21, 30));
    EXPECT_EQ(FilesIn("dev/site/news/archive/may"), std::vector<std::string>{"sale.html"});
    EXPECT_NE(ReadFile(PagePath()).find("Version#: 8 "), std::string::npos);
    // The rows of the last run replace the old ones: the header's macro, then the text's.
    EXPECT_EQ(DependentsOf(40), (std::vector<std::string>{"5:40@2 -> 5:13@3", "5:40@2 -> 5:12@3"}));
}

TEST_F(GeneratePageTest, DynamicPagesAndPagesNeverToBeGeneratedAreLeftAlone) {
    Insert("Dependents", "ObjDbID, ObjKeyID, ObjTypeID, UseDbID, UseKeyID, UseTypeID",
           "5, 40, 2, 5, 99, 4");
    for (const char* flag : {"Dynamic", "NeverGenerateFlag"}) {
        SCOPED_TRACE(flag);
        Update(ContentKindOf(OBJ_PAGE), 40, std::string(flag) + " = 1");
        auto page = LoadPage(40);
        EXPECT_EQ(page->Generate(), 0);
        EXPECT_EQ(page->WriteDependents(), 0);
        EXPECT_EQ(page->GetVersionGenerated(), 6);
        EXPECT_EQ(page->GetLastGenerated().GetStatus(), COleDateTime::null);
        EXPECT_TRUE(page->GetRecordset()->m_GenerateFlag);
        EXPECT_FALSE(page->GetPublishFlag());
        EXPECT_FALSE(fs::exists(PagePath()));
        EXPECT_EQ(DependentsOf(40), std::vector<std::string>{"5:40@2 -> 5:99@4"});
        Update(ContentKindOf(OBJ_PAGE), 40, std::string(flag) + " = 0");
    }
    EXPECT_TRUE(m_boxes.shown().empty());
}

// Fails the run in three ways; each leaves the page's row and its Dependents rows as they were.
TEST_F(GeneratePageTest, AFailedRunLeavesTheRowAsItWas) {
    Insert("Dependents", "ObjDbID, ObjKeyID, ObjTypeID, UseDbID, UseKeyID, UseTypeID",
           "5, 40, 2, 5, 99, 4");
    struct Failure {
        const char* name;
        std::function<void()> cause;
        std::vector<std::string> boxes;
    } failures[] = {
        {"a database error", [&] { ExecuteOn(m_path, "DROP TABLE Dependents"); }, {}},
        {"the file cannot be opened",
         [&] {
             fs::remove(PagePath());
             fs::create_directories(PagePath());
         },
         {"Cannot open local file for writing"}},
        {"the directory leaves the site",
         [&] { Update(ContentKindOf(OBJ_PAGE), 40, "Directory = 'archive/../../..'"); },
         {"The directory or file name archive/../../.. leaves the site directory."}},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.name);
        failure.cause();
        auto page = LoadPage(40);
        EXPECT_EQ(page->Generate(), 0);
        EXPECT_EQ(m_boxes.texts(), failure.boxes);
        m_boxes.Clear();
        EXPECT_EQ(page->GetVersionGenerated(), 6);
        EXPECT_EQ(page->GetLastGenerated().GetStatus(), COleDateTime::null);
        EXPECT_EQ(page->GetGeneratedByKey().FormatFull(), "0:0");
        EXPECT_TRUE(page->GetRecordset()->m_GenerateFlag);
        EXPECT_FALSE(page->GetPublishFlag());
    }
    // The engine's own text is logged for the database error.
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("Dependents"), std::string::npos) << Errors()[0];
}

TEST_F(GeneratePageTest, NamesThatLeaveTheSiteAreRefused) {
    const ContentKind& pages = ContentKindOf(OBJ_PAGE);
    struct Case {
        const ContentKind& kind;
        LONG id;
        const char* assignment;
        const char* refused;
    } cases[] = {
        {pages, 40, "Directory = '../outside'", "../outside"},
        {pages, 40, "Directory = '/etc'", "/etc"},
        {pages, 40, "Directory = 'C:\\temp'", "C:\\temp"},
        {pages, 40, "FileName = '../sale.html'", "../sale.html"},
        {pages, 40, "FileName = 'sub/sale.html'", "sub/sale.html"},
        {pages, 40, "FileName = 'sub\\sale.html'", "sub\\sale.html"},
        {ContentKindOf(OBJ_SECTION), kSection, "Directory = '..'", ".."},
        {ContentKindOf(OBJ_SERVICE), kService, "Directory = 'site/../..'", "site/../.."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.assignment);
        ExecuteOn(m_path, "UPDATE Documents SET Directory = 'archive/may', FileName = "
                          "'sale.html' WHERE DocID = 40");
        ExecuteOn(m_path, "UPDATE Sections SET Directory = 'news'");
        ExecuteOn(m_path, "UPDATE Services SET Directory = 'site'");
        Update(c.kind, c.id, c.assignment);
        ClearRecordsetCaches();
        EXPECT_EQ(LoadPage(40)->Generate(), 0);
        EXPECT_EQ(m_boxes.texts(),
                  std::vector<std::string>{std::string("The directory or file name ") + c.refused +
                                           " leaves the site directory."});
        m_boxes.Clear();
    }
    EXPECT_EQ(FilesIn("dev"), std::vector<std::string>{"site"});
    EXPECT_FALSE(fs::exists(UnderRoot("outside")));
}

TEST_F(GeneratePageTest, AnEmptyFileNameTakesTheFirstFreeScratchNameAndKeepsIt) {
    Update(ContentKindOf(OBJ_PAGE), 40, "FileName = ''");
    WriteFile(UnderRoot("dev/site/news/archive/may/Web1.html"), "taken");
    GenerateAndSave();
    EXPECT_EQ(Text(ContentKindOf(OBJ_PAGE), 40, "FileName"), "Web2.html");
    ClearRecordsetCaches();
    auto page = LoadPage(40);
    EXPECT_EQ(page->Generate(), 1);
    EXPECT_EQ(FilesIn("dev/site/news/archive/may"),
              (std::vector<std::string>{"Web1.html", "Web2.html"}));
    EXPECT_NE(ReadFile(UnderRoot("dev/site/news/archive/may/Web2.html")).find("Version#: 8 "),
              std::string::npos);
}

TEST_F(GeneratePageTest, APreviewTakesTheFirstFreeScratchFileAndRewritesItNextTime) {
    WriteFile(UnderRoot("dev/site/news/archive/may/Web1.html"), "one");
    WriteFile(UnderRoot("dev/site/news/archive/may/Web2.html"), "two");
    auto page = LoadPage(40);
    page->PrepareOutput();
    std::string scratch = UnderRoot("dev/site/news/archive/may/Web3.html");
    EXPECT_EQ(page->m_strOutputURL.str(), "file://" + scratch);
    EXPECT_NE(ReadFile(scratch).find("<p>See you soon.</p>"), std::string::npos);
    m_clock.Advance(60);
    EXPECT_EQ(page->Preview(), 1);
    EXPECT_EQ(FilesIn("dev/site/news/archive/may"),
              (std::vector<std::string>{"Web1.html", "Web2.html", "Web3.html"}));
    EXPECT_NE(ReadFile(scratch).find("10:21:30"), std::string::npos);
    // A preview is no generation: the row and its dependencies stay.
    EXPECT_EQ(page->GetVersionGenerated(), 6);
    EXPECT_TRUE(DependentsOf(40).empty());
    EXPECT_FALSE(fs::exists(PagePath()));
    // The object generates as usual after its previews.
    EXPECT_EQ(page->Generate(), 1);
    EXPECT_EQ(DependentsOf(40).size(), 2u);
    page.reset();
    EXPECT_FALSE(fs::exists(scratch));
}

TEST_F(GeneratePageTest, AMacroPreviewsInTheServiceDirectoryWithItsOwnFrame) {
    QZVantrelTemplate macro(QZKeyCombo(kDbId, 13, OBJ_MACRO), TRUE);
    EXPECT_EQ(macro.Preview(), 1);
    std::string scratch = UnderRoot("dev/site/Web1.html");
    EXPECT_EQ(macro.m_strOutputURL.str(), "file://" + scratch);
    EXPECT_EQ(ReadFile(scratch),
              "<html>\n<head>\n<title>Acme - Author meta</title>\n</head>\n"
              "<body bgcolor=#FFFFEE text=#000033 link=#0000CC vlink=#660066 alink=#CC0000>\n"
              "<meta name=\"author\" content=\"Acme Web Team\">\n</body>\n</html>\n");
    EXPECT_FALSE(macro.IsPreview());
}

TEST_F(GeneratePageTest, TheProductionOutputSwitchWritesIntoTheProductionTree) {
    Db().SetProductionOutput(1);
    auto page = LoadPage(40);
    EXPECT_EQ(page->Generate(), 1);
    Db().SetProductionOutput(0);
    EXPECT_TRUE(fs::exists(UnderRoot("prod/site/news/archive/may/sale.html")));
    EXPECT_FALSE(fs::exists(PagePath()));
}

TEST_F(GeneratePageTest, WriteDependentsAnswersZeroWhenTheCompileLoggedErrors) {
    Update(ContentKindOf(OBJ_PAGE), 40, "ScriptBody = '<p>a</p><<macro :99>>'");
    auto page = LoadPage(40);
    EXPECT_EQ(page->WriteDependents(), 0);
    EXPECT_EQ(Errors(), std::vector<std::string>{
                            "Page :40, Line 1: error: macro: invalid macro key 5:99 specified"});
    // The file and the row's stamps are written all the same.
    EXPECT_NE(ReadFile(PagePath()).find("<p>a</p>"), std::string::npos);
    EXPECT_EQ(page->GetVersionGenerated(), 7);
    Update(ContentKindOf(OBJ_PAGE), 40, "ScriptBody = '<p>b</p>'");
    ClearRecordsetCaches();
    EXPECT_EQ(LoadPage(40)->WriteDependents(), 1);
}

TEST_F(GeneratePageTest, WriteDependentsPassesEngineErrorsOn) {
    ExecuteOn(m_path, "DROP TABLE Dependents");
    auto page = LoadPage(40);
    EXPECT_NE(EngineErrorText([&] { page->WriteDependents(); }), "");
    EXPECT_EQ(page->GetVersionGenerated(), 6);
}

TEST_F(GeneratePageTest, MarkingPublishedCopiesThePageFileAndCountsOnlyAGoodCopy) {
    const ContentKind& pages = ContentKindOf(OBJ_PAGE);
    Update(pages, 40, "PublishFlag = 1");
    auto page = LoadPage(40);
    EXPECT_EQ(page->MarkPublished(), 0);
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{"Cannot open local file for reading"});
    EXPECT_TRUE(page->GetPublishFlag());
    EXPECT_EQ(page->GetVersionPublished(), 0);
    EXPECT_EQ(page->GetLastPublished().GetStatus(), COleDateTime::null);

    EXPECT_EQ(page->Generate(), 1);
    EXPECT_EQ(page->MarkPublished(), 1);
    EXPECT_EQ(page->Save(), 1);
    EXPECT_EQ(ReadFile(UnderRoot("prod/site/news/archive/may/sale.html")), ReadFile(PagePath()));
    EXPECT_EQ(Number(pages, 40, "PublishFlag"), 0);
    EXPECT_EQ(Number(pages, 40, "VersionPublished"), 1);
    EXPECT_EQ(Number(pages, 40, "WhoPublished"), kUser);
    EXPECT_EQ(COleDateTime(Value(pages, 40, "LastPublished").date), Now());
}

} // namespace
