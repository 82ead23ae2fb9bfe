// Publishing a service's objects to a local production site: the production database and
// tree on this machine.
#include "tests/content/PublishFixture.h"
#include "tests/support/ChildProcess.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

class PublishLocalTest : public PublishTest {
protected:
    void SetUp() override {
        PublishTest::SetUp();
        AddEveryKind();
        fs::create_directories(UnderRoot("prod/site"));
    }
    std::string Opened() const {
        return "2|Production Database," + m_productionDb + ", was opened.";
    }
};

TEST_F(PublishLocalTest, EveryKindReachesProductionUnderItsOwnKeyWithItsFilesAndIsMarked) {
    // Production has an older copy of the macro, and a page of its own under another key.
    ExecuteOn(m_productionDb, "INSERT INTO Templates (DbID, TemplateID, TemplateName, ScriptBody) "
                              "VALUES (5, 12, 'Old banner', 'old text')");
    ExecuteOn(m_productionDb, "INSERT INTO Documents (DbID, DocID, Title) VALUES (7, 1, 'Own')");
    ListEveryKind();

    EXPECT_EQ(Run(), QZPublishDb::publishDone);

    std::vector<std::string> expected{Opened()};
    for (const std::string& line : PublishedLines())
        expected.push_back(line);
    EXPECT_EQ(Log(), expected);
    // Each missing directory of the production tree was asked for (and made) once.
    std::vector<std::string> questions;
    for (const char* directory : {"news/archive/may", "news/img", "news/applets", "news/media"})
        questions.push_back("Should this directory be created?\n\n" +
                            UnderRoot(std::string("prod/site/") + directory));
    EXPECT_EQ(m_boxes.texts(), questions);
    for (POSITION position = m_list.GetHeadPosition(); position != nullptr;) {
        const QZNameAndKey* entry = m_list.GetNext(position);
        SHORT type = entry->m_Key.m_ObjectType;
        LONG id = entry->m_Key.m_KeyID;
        const char* name = KindOf(type).nameColumn;
        SCOPED_TRACE(entry->m_DisplayText.str());
        ASSERT_TRUE(HasRow(m_productionDb, type, id));
        EXPECT_EQ(ColumnIn(m_productionDb, type, id, name), ColumnIn(m_path, type, id, name));
        // The production row carries the marks, as the site database does.
        EXPECT_EQ(MarksIn(m_path, type, id), Marked());
        EXPECT_EQ(MarksIn(m_productionDb, type, id), Marked());
        EXPECT_EQ(Claims(type, id), 0);
    }
    // The macro was overwritten in place; the production's own page stays; nothing else came.
    EXPECT_EQ(ColumnIn(m_productionDb, OBJ_MACRO, 12, "ScriptBody"),
              ColumnIn(m_path, OBJ_MACRO, 12, "ScriptBody"));
    EXPECT_EQ(CountRows(m_productionDb, "SELECT * FROM Templates"), 1);
    EXPECT_EQ(CountRows(m_productionDb, "SELECT * FROM Documents"), 3);
    EXPECT_EQ(ColumnIn(m_path, OBJ_PAGE, 40, "VersionPublished"), "6");
    EXPECT_EQ(CountRows(m_productionDb, "SELECT * FROM Semaphor"), 0);

    // The files, byte for byte; the image's map file beside it; none for the dynamic page.
    for (const char* file : {"news/archive/may/sale.html", "news/img/logo.gif", "news/img/logo.map",
                             "news/strip.jpg", "news/applets/Clock.class", "news/media/intro.wav"})
        EXPECT_EQ(ProductionFile(file), ReadFile(UnderRoot(std::string("dev/site/") + file)))
            << file;
    EXPECT_FALSE(fs::exists(UnderRoot("prod/site/news/order.html")));
    EXPECT_EQ(FilesIn("prod/site/news/img"), (std::vector<std::string>{"logo.gif", "logo.map"}));
}

TEST_F(PublishLocalTest, AFileAlreadyInProductionIsReplacedAndAnObjectListedTwiceIsCopiedTwice) {
    WriteFile(UnderRoot("prod/site/news/strip.jpg"), "an older and longer strip of pictures");
    List(OBJ_IMAGE, 51, "Strip");
    List(OBJ_IMAGE, 51, "Strip");
    EXPECT_EQ(Run(), QZPublishDb::publishDone);
    EXPECT_EQ(ProductionFile("news/strip.jpg"), ReadFile(UnderRoot("dev/site/news/strip.jpg")));
    EXPECT_EQ(CountRows(m_productionDb, "SELECT * FROM Images"), 1);
    EXPECT_EQ(Log().size(), 3u);
}

TEST_F(PublishLocalTest, AMissingProductionDirectoryIsMadeWithEveryLevelAfterYes) {
    Update(ContentKindOf(OBJ_SERVICE), kService, "ProductionPath = 'C:\\web\\prod'");
    List(OBJ_IMAGE, 51, "Strip");
    m_boxes.Answer(IDYES);
    m_boxes.Answer(IDYES);
    EXPECT_EQ(Run(), QZPublishDb::publishDone);
    std::string directory = UnderRoot("web/prod/site");
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_EQ(m_boxes.texts()[0], "Should this directory be created?\n\n" + directory);
    EXPECT_EQ(m_boxes.texts()[1], "Should this directory be created?\n\n" + directory + "/news");
    EXPECT_EQ(m_boxes.shown()[0].type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_TRUE(fs::exists(directory + "/news/strip.jpg"));
}

TEST_F(PublishLocalTest, AMissingProductionDirectoryRefusedEndsTheRun) {
    fs::remove_all(UnderRoot("prod/site"));
    List(OBJ_IMAGE, 51, "Strip");
    m_boxes.Answer(IDNO);
    EXPECT_EQ(Run(), QZPublishDb::publishFailed);
    EXPECT_EQ(Log(), std::vector<std::string>{"0|error: The production directory, " +
                                              UnderRoot("prod/site") + ", doesn't exist."});
    EXPECT_FALSE(fs::exists(UnderRoot("prod/site")));
    EXPECT_EQ(MarksIn(m_path, OBJ_IMAGE, 51), Unmarked());
}

TEST_F(PublishLocalTest, OnlyADatabaseMarkedProductionInAnyCaseIsAccepted) {
    List(OBJ_QUERY, 60, "Products");
    for (const char* mark : {"production", "PrOdUcTiOn", "", "Development"}) {
        SCOPED_TRACE(mark);
        ExecuteOn(m_productionDb,
                  std::string("UPDATE Marquill SET Miscellaneous = '") + mark + "'");
        m_messages.Clear();
        bool accepted = std::string(mark).size() == 10;
        EXPECT_EQ(Run(), accepted ? QZPublishDb::publishDone : QZPublishDb::publishFailed);
        if (accepted)
            EXPECT_EQ(Log().front(), Opened());
        else
            EXPECT_EQ(Log(), std::vector<std::string>{"2|Database," + m_productionDb +
                                                      ", is not a production database."});
    }
}

TEST_F(PublishLocalTest, TheSetUpFailsWithItsLineWhenTheServiceOrTheProductionDatabaseIsMissing) {
    List(OBJ_QUERY, 60, "Products");
    EXPECT_EQ(Run(kDbId, 99), QZPublishDb::publishFailed);
    EXPECT_EQ(Log(), std::vector<std::string>{"0|error: No production server listed, please "
                                              "enter a production alias before publishing."});

    m_messages.Clear();
    Update(ContentKindOf(OBJ_SERVICE), kService, "ProductionDatabasePath = ''");
    EXPECT_EQ(Run(), QZPublishDb::publishFailed);
    EXPECT_EQ(Log(), std::vector<std::string>{
                         "0|error: The production database path is empty for this service,\r\n "
                         "please enter the location of the production database."});

    m_messages.Clear();
    Update(ContentKindOf(OBJ_SERVICE), kService, "ProductionDatabasePath = 'C:\\none.mdb'");
    EXPECT_EQ(Run(), QZPublishDb::publishFailed);
    EXPECT_EQ(Log(), std::vector<std::string>{"2|Unable to open Production Database," +
                                              UnderRoot("none.mdb") + "."});
    EXPECT_EQ(m_boxes.shown().size(), 1u); // the database layer's own box
    EXPECT_EQ(MarksIn(m_path, OBJ_QUERY, 60), Unmarked());

    m_messages.Clear();
    Update(ContentKindOf(OBJ_SERVICE), kService, "Directory = '..\\site'");
    EXPECT_EQ(Run(), QZPublishDb::publishFailed);
    EXPECT_EQ(Log(),
              std::vector<std::string>{
                  "0|error: The directory or file name ..\\site leaves the site directory."});

    // The engine's own text follows the line when the service cannot be read at all.
    m_messages.Clear();
    ExecuteOn(m_path, "DROP TABLE Services");
    EXPECT_EQ(Run(), QZPublishDb::publishFailed);
    std::vector<std::string> log = Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "0|error: No production server listed, please enter a production alias "
                      "before publishing.");
    EXPECT_EQ(log[1].rfind("0|error: ", 0), 0u);
    EXPECT_GT(log[1].size(), 9u);
}

TEST_F(PublishLocalTest, AnEmptyListAnswers0BeforeAnythingIsSetUp) {
    fs::remove_all(UnderRoot("prod/site"));
    EXPECT_EQ(Run(), QZPublishDb::publishEmpty);
    EXPECT_TRUE(Log().empty());
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(PublishLocalTest, AnObjectClaimedByAnotherProgramIsSkippedWithItsLine) {
    TempDir exchange;
    ChildProcess holder(
        "hold",
        {{"DB", m_path}, {"USER", "5:101"}, {"KEYS", "2:40"}, {"DIR", exchange.path().string()}});
    ASSERT_EQ(WaitForFile(exchange.file("claimed")), "1");
    List(OBJ_PAGE, 40, "Spring Sale");
    List(OBJ_MACRO, 13, "Author meta");
    EXPECT_EQ(Run(), QZPublishDb::publishDone);
    WriteFileAtomically(exchange.file("release"), "");
    EXPECT_EQ(holder.Wait(), 0);
    EXPECT_EQ(Log(), (std::vector<std::string>{Opened(),
                                               "2|Spring Sale  (:40) was locked by another user.",
                                               "2|Failed to Publish: Page - Spring Sale  (:40)",
                                               "2|Published: Macro - Author meta  (:13)"}));
    EXPECT_FALSE(HasRow(m_productionDb, OBJ_PAGE, 40));
    EXPECT_FALSE(fs::exists(UnderRoot("prod/site/news")));
    EXPECT_EQ(MarksIn(m_path, OBJ_PAGE, 40), Unmarked());
    EXPECT_EQ(MarksIn(m_path, OBJ_MACRO, 13), Marked());
}

TEST_F(PublishLocalTest, EntriesThatArePublishedByNoKindOrHaveNoRowAreReportedAndSkipped) {
    AddObject(OBJ_PHOTO, 80, "Beach");
    List(OBJ_PHOTO, 80, "Beach");
    List(OBJ_AUTHOR, 100, "Editor");
    List(OBJ_PAGE, 99, "Gone");
    List(OBJ_FORM, 62, "Order");
    EXPECT_EQ(Run(), QZPublishDb::publishDone);
    EXPECT_EQ(Log(), (std::vector<std::string>{Opened(), "2|Invalid object type: Beach  (:80)",
                                               "2|Invalid object type: Editor  (:100)",
                                               "2|Failed to Publish: Page - Gone  (:99)",
                                               "2|Published: Form - Order  (:62)"}));
    EXPECT_FALSE(HasRow(m_productionDb, OBJ_PAGE, 99));
    EXPECT_EQ(CountRows(m_productionDb, "SELECT * FROM PhotoImages"), 0);
}

// A file that does not reach production leaves its object marked for publishing; its row is in
// production already.
TEST_F(PublishLocalTest, AFileNotCopiedLeavesTheObjectUnmarked) {
    fs::remove(UnderRoot("dev/site/news/media/intro.wav"));
    List(OBJ_MEDIA, 65, "Intro");
    EXPECT_EQ(Run(), QZPublishDb::publishDone);
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         Opened(), "0|error: The associated file, intro.wav does not exist.",
                         "2|Failed to copy the file associated with: Multimedia - Intro  (:65)"}));
    EXPECT_FALSE(fs::exists(UnderRoot("prod/site/news")));
    EXPECT_EQ(MarksIn(m_path, OBJ_MEDIA, 65), Unmarked());
    EXPECT_EQ(Claims(OBJ_MEDIA, 65), 0);
    EXPECT_EQ(MarksIn(m_productionDb, OBJ_MEDIA, 65), Marked());
}

TEST_F(PublishLocalTest, NamesThatWouldLeaveEitherTreeAreRefusedAndNothingIsReadOrWritten) {
    struct Case {
        const char* directory;
        const char* fileName;
        const char* refused;
    };
    const Case cases[] = {
        {"../../../outside", "intro.wav", "../../../outside"},
        {"media/../..", "intro.wav", "media/../.."},
        {"/tmp", "intro.wav", "/tmp"},
        {"C:\\media", "intro.wav", "C:\\media"},
        {"media", "..\\..\\intro.wav", "..\\..\\intro.wav"},
        {"media", "../intro.wav", "../intro.wav"},
        {"media", "..", ".."},
    };
    WriteFile(UnderRoot("outside/intro.wav"), "outside the tree");
    List(OBJ_MEDIA, 65, "Intro");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refused);
        UpdateObject(OBJ_MEDIA, 65,
                     std::string("Directory = ") + Quote(c.directory) +
                         ", FileName = " + Quote(c.fileName));
        m_messages.Clear();
        EXPECT_EQ(Run(), QZPublishDb::publishDone);
        EXPECT_EQ(Log(), (std::vector<std::string>{
                             Opened(),
                             std::string("0|error: The directory or file name ") + c.refused +
                                 " leaves the site directory.",
                             "2|Failed to copy the file associated with: Multimedia - Intro  "
                             "(:65)"}));
        EXPECT_TRUE(m_boxes.shown().empty());
        EXPECT_EQ(MarksIn(m_path, OBJ_MEDIA, 65), Unmarked());
    }
    EXPECT_FALSE(fs::exists(UnderRoot("prod/site/news")));
    EXPECT_EQ(FilesIn("outside"), std::vector<std::string>{"intro.wav"});
    EXPECT_EQ(FilesIn("prod"), std::vector<std::string>{"site"});
}

TEST_F(PublishLocalTest, MissingObjectDirectoriesAreMadeWithEveryLevelAfterOneYes) {
    UpdateObject(OBJ_IMAGE, 51, "Directory = 'a\\b/c'");
    PutDevelopFile("news/a/b/c/strip.jpg", "strip");
    List(OBJ_IMAGE, 51, "Strip");
    m_boxes.Answer(IDYES);
    EXPECT_EQ(Run(), QZPublishDb::publishDone);
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{"Should this directory be created?\n\n" +
                                                        UnderRoot("prod/site/news/a/b/c")});
    EXPECT_EQ(ProductionFile("news/a/b/c/strip.jpg"), "strip");
    EXPECT_EQ(MarksIn(m_path, OBJ_IMAGE, 51), Marked());
}

TEST_F(PublishLocalTest, AMissingObjectDirectoryRefusedFailsThatFileOnly) {
    List(OBJ_IMAGE, 51, "Strip");
    List(OBJ_QUERY, 60, "Products");
    m_boxes.Answer(IDNO);
    EXPECT_EQ(Run(), QZPublishDb::publishDone);
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         Opened(),
                         "0|error: The production directory, " + UnderRoot("prod/site/news") +
                             ", doesn't exist.",
                         "2|Failed to copy the file associated with: Image - Strip  (:51)",
                         "2|Published: Query - Products  (:60)"}));
}

TEST_F(PublishLocalTest, AnEngineErrorOnOneObjectIsLoggedAndTheRunGoesOn) {
    // Production holds the page as a deleted row: not found by its key, yet the key is taken.
    ExecuteOn(m_productionDb,
              "INSERT INTO Documents (DbID, DocID, Title, Deleted) VALUES (5, 40, 'Old', 1)");
    List(OBJ_PAGE, 40, "Spring Sale");
    List(OBJ_QUERY, 60, "Products");
    EXPECT_EQ(Run(), QZPublishDb::publishDone);
    std::vector<std::string> log = Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1].rfind("2|Failed to Publish: Spring Sale  (:40) because of: ", 0), 0u)
        << log[1];
    EXPECT_EQ(log[2], "2|Published: Query - Products  (:60)");
    EXPECT_EQ(MarksIn(m_path, OBJ_PAGE, 40), Unmarked());
    EXPECT_EQ(Claims(OBJ_PAGE, 40), 0);
    EXPECT_EQ(ColumnIn(m_productionDb, OBJ_PAGE, 40, "Title"), "Old");
}

TEST_F(PublishLocalTest, AnAbortAfterTheFirstObjectCompletesItAndStops) {
    List(OBJ_IMAGE, 51, "Strip");
    List(OBJ_QUERY, 60, "Products");
    m_pump.hook = [this](int) { m_view.m_bAbort = TRUE; };
    EXPECT_EQ(Run(), QZPublishDb::publishDone);
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         Opened(), "2|Published: Image - Strip  (:51)",
                         "0|error: Aborting the production process. Please be patient while we "
                         "complete publishing the pages in progress."}));
    EXPECT_EQ(m_pump.calls, 1);
    EXPECT_EQ(MarksIn(m_path, OBJ_IMAGE, 51), Marked());
    EXPECT_EQ(ProductionFile("news/strip.jpg"), ReadFile(UnderRoot("dev/site/news/strip.jpg")));
    EXPECT_FALSE(HasRow(m_productionDb, OBJ_QUERY, 60));
    EXPECT_EQ(MarksIn(m_path, OBJ_QUERY, 60), Unmarked());
}

TEST_F(PublishLocalTest, TheEndOfTheProgramAskedDuringTheRunStopsItAsAbortDoes) {
    List(OBJ_IMAGE, 51, "Strip");
    List(OBJ_QUERY, 60, "Products");
    m_pump.hook = [this](int) { m_pump.quit = true; };
    EXPECT_EQ(Run(), QZPublishDb::publishDone);
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         Opened(), "2|Published: Image - Strip  (:51)",
                         "0|error: Aborting the production process. Please be patient while we "
                         "complete publishing the pages in progress."}));
    EXPECT_EQ(m_pump.calls, 1);
    EXPECT_EQ(MarksIn(m_path, OBJ_IMAGE, 51), Marked());
    EXPECT_FALSE(HasRow(m_productionDb, OBJ_QUERY, 60));
    EXPECT_EQ(MarksIn(m_path, OBJ_QUERY, 60), Unmarked());
}

} // namespace
