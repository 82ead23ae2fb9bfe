// Inserting a registered component into a service: its objects under new keys with every
// reference between them rewritten (and the others left alone), its files in the service's
// development directory, its database copied into the target directory and stripped to its own
// tables; and the checks that stop an insertion before any file is copied.
#include "content/QZComponentMover.h"
#include "tests/content/ComponentFixture.h"

namespace {

namespace fs = std::filesystem;

class ComponentInsertionTest : public ComponentTest {
protected:
    void SetUp() override {
        ComponentTest::SetUp();
        BuildPackage(Package(), 3);
        ASSERT_EQ(Register(Package()), 1);
        fs::create_directories(Target());
        fs::create_directories(m_dir.path() / "dev");
    }

    std::string Copy() const { return (Target() / "guest.mdb").string(); }
    std::vector<std::string> Site(const std::string& sql) { return Rows(m_path, sql); }
};

TEST_F(ComponentInsertionTest, EveryKindIsCopiedUnderNewKeysWithItsReferencesRewritten) {
    int result = InsertGuestBook(Target().string());
    EXPECT_EQ(Errors(), std::vector<std::string>());
    ASSERT_EQ(result, 2);
    // The section of DbID 0 and the deleted rows stay behind; references to them, and to
    // objects the component does not hold, keep their keys.
    EXPECT_EQ(Site("SELECT SectionID, ServiceDbID, ServiceID, StyleDbID, StyleID, DefaultDocDbID, "
                   "DefaultDocID, SectionTitle FROM Sections WHERE SectionID <> 20"),
              (std::vector<std::string>{"21|5|10|5|31|5|1|Guests"}));
    EXPECT_EQ(Site("SELECT ImageID, ServiceID, SectionDbID, SectionID, Name FROM Images"),
              (std::vector<std::string>{"1|10|5|21|Logo", "2|10|77|2|Old picture"}));
    EXPECT_EQ(Site("SELECT StyleID, ServiceID, BackImageDbID, BackImageID, StyleName FROM Styles "
                   "WHERE StyleID <> 30"),
              (std::vector<std::string>{"31|10|5|1|Guest style"}));
    EXPECT_EQ(Site("SELECT DocID, ServiceID, SectionDbID, SectionID, StyleDbID, StyleID, Title, "
                   "ScriptBody FROM Documents"),
              (std::vector<std::string>{
                  "1|10|5|21|5|31|Guest book|<<image 5:1>> <<link 5:2>>next<</link>> "
                  "<<macro 5:1>> <<form 5:1>> <<image 99:4>> <<image 77:7>>",
                  "2|10|77|2|99|3|Second|<<link 5:1>>back<</link>>"}));
    EXPECT_EQ(Site("SELECT Header FROM Documents WHERE DocID = 1"),
              (std::vector<std::string>{"<<macro 5:1>>"}));
    EXPECT_EQ(Site("SELECT FormID, ServiceID, ScriptBody, ActionBody FROM Forms"),
              (std::vector<std::string>{"1|10|<<image 5:1>>|<<returnpage 5:1>>"}));
    EXPECT_EQ(Site("SELECT MessageID, ServiceID, Body FROM Messages"),
              (std::vector<std::string>{"1|10|Thanks <<image 5:1>>"}));
    EXPECT_EQ(Site("SELECT QueryID, ServiceID, QueryName, DatabaseName FROM Query"),
              (std::vector<std::string>{"1|10|Entries|" + Copy()}));
    EXPECT_EQ(Site("SELECT TemplateID, ServiceID, ScriptBody FROM Templates"),
              (std::vector<std::string>{"1|10|<<image 5:1>>"}));
    for (const char* table : {"MQ_ActiveX", "MQ_Java", "MQ_Media"})
        EXPECT_EQ(Site(std::string("SELECT ServiceID, SectionDbID, SectionID FROM ") + table),
                  (std::vector<std::string>{"10|5|21"}))
            << table;
    EXPECT_EQ(Site("SELECT ScriptID, ServiceID, SectionID, ScriptBody FROM MQ_Script"),
              (std::vector<std::string>{"1|10|21|<<macro 5:1>>"}));
    EXPECT_EQ(Site("SELECT EventID, ServiceID, ScriptBody FROM MQ_Events"),
              (std::vector<std::string>{"1|10|<<macro 5:1>>"}));
    EXPECT_EQ(Site("SELECT AdvertiserID, ServiceID, BusinessName FROM MQ_Advertiser"),
              (std::vector<std::string>{"1|10|Acme Ads"}));
    // Ads 77:24 and 77:23 became 5:2 and 5:1; the ad space's own number 23 plays no part.
    EXPECT_EQ(Site("SELECT AdSpaceID, ServiceID, DbID1, AdID1, DbID2, AdID2, DbID3, AdID3 FROM "
                   "MQ_AdSpace"),
              (std::vector<std::string>{"1|10|5|2|5|1|99|24"}));
    EXPECT_EQ(Site("SELECT AdID, ServiceID, AdvertiserDbID, AdvertiserID, ImageDbID, ImageID "
                   "FROM MQ_Ad"),
              (std::vector<std::string>{"1|10|5|1|5|1", "2|10|5|1|99|4"}));
    EXPECT_EQ(Count("SELECT * FROM Semaphor"), 0);
    EXPECT_EQ(fs::current_path().string(), m_savedDirectory);
}

TEST_F(ComponentInsertionTest, TheCopyKeepsOnlyItsOwnTablesWithTheirKeysMapped) {
    ASSERT_EQ(InsertGuestBook(Target().string()), 2);
    EXPECT_EQ(TableNames(Copy()), (std::vector<std::string>{"Guest's Entries"}));
    EXPECT_EQ(QueryNames(Copy()), (std::vector<std::string>{"EntriesByPage"}));
    EXPECT_EQ(Rows(Copy(), "SELECT EntryID, PageKey, ImageKey, HomePageImageKey, backpagekey, "
                           "Note FROM [Guest's Entries] ORDER BY EntryID"),
              (std::vector<std::string>{"1|5:1|5:1|5:1|5:2|77:10", "2|99:10|77:0|none|5:1|77:4",
                                        "3|NULL|77:7|12|:10|NULL"}));
}

TEST_F(ComponentInsertionTest, TheFilesGoToTheDevelopmentDirectoryAndTheLinksNowhere) {
    WriteFile((ServiceDirectory() / "index.html").string(), "<p>Home</p>");
    // A site file that happens to have the component database's name is the site's own.
    WriteFile((ServiceDirectory() / "guest.mdb").string(), "the site's own file");
    // A site file equal to the component's is no conflict.
    WriteFile((ServiceDirectory() / "readme.txt").string(), "Guest book version 3");
    ASSERT_EQ(InsertGuestBook(Target().string()), 2);
    EXPECT_EQ(Tree(ServiceDirectory()),
              (std::vector<std::string>{"guest.mdb", "index.html", "pages/", "pages/entry.html",
                                        "pages/more/", "pages/more/help.html", "pics/",
                                        "pics/logo.gif", "readme.txt"}));
    EXPECT_EQ(ReadFile((ServiceDirectory() / "pics" / "logo.gif").string()), "GIF89a logo");
    EXPECT_EQ(ReadFile((ServiceDirectory() / "guest.mdb").string()), "the site's own file");
    EXPECT_EQ(Tree(Target()), (std::vector<std::string>{"guest.mdb"}));
}

TEST_F(ComponentInsertionTest, ASecondInsertionIntoTheSameDirectoryChangesNothing) {
    ASSERT_EQ(InsertGuestBook(Target().string()), 2);
    fs::remove(ServiceDirectory() / "pics" / "logo.gif");
    m_messages.Clear();
    EXPECT_EQ(InsertGuestBook(Target().string()), 1);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"error: The component database " + Copy() +
                                                  " exists already."}));
    EXPECT_FALSE(fs::exists(ServiceDirectory() / "pics" / "logo.gif"));
    EXPECT_EQ(Count("SELECT * FROM Documents"), 2);
    EXPECT_EQ(TableNames(Copy()), (std::vector<std::string>{"Guest's Entries"}));
    EXPECT_EQ(fs::current_path().string(), m_savedDirectory);
}

TEST_F(ComponentInsertionTest, AConflictingSiteFileStopsItBeforeAnyCopy) {
    WriteFile((ServiceDirectory() / "pics" / "logo.gif").string(), "the site's own logo");
    fs::create_directories(ServiceDirectory() / "pages" / "more" / "help.html");
    EXPECT_EQ(InsertGuestBook(Target().string()), 1);
    fs::path component = Components() / "guestbook";
    EXPECT_EQ(
        Errors(),
        (std::vector<std::string>{
            "error: The component file " + (component / "pages" / "more" / "help.html").string() +
                " would replace the site file " +
                (ServiceDirectory() / "pages" / "more" / "help.html").string() + ".",
            "error: The component file " + (component / "pics" / "logo.gif").string() +
                " would replace the site file " +
                (ServiceDirectory() / "pics" / "logo.gif").string() + "."}));
    EXPECT_EQ(Tree(ServiceDirectory()),
              (std::vector<std::string>{"pages/", "pages/more/", "pages/more/help.html/", "pics/",
                                        "pics/logo.gif"}));
    EXPECT_EQ(ReadFile((ServiceDirectory() / "pics" / "logo.gif").string()), "the site's own logo");
    EXPECT_TRUE(fs::is_empty(Target()));
    EXPECT_EQ(Count("SELECT * FROM Documents"), 0);
    EXPECT_EQ(fs::current_path().string(), m_savedDirectory);
}

TEST_F(ComponentInsertionTest, ATargetNamingAnExistingFileStandsForItsFolder) {
    fs::create_directories(m_dir.path() / "data.v2");
    WriteFile((Target() / "choice.txt").string(), "");
    struct Case {
        std::string target;
        fs::path copy;
    };
    for (const Case& c : {Case{(Target() / "choice.txt").string(), Target() / "guest.mdb"},
                          Case{(m_dir.path() / "data.v2").string() + "/",
                               m_dir.path() / "data.v2" / "guest.mdb"}}) {
        SCOPED_TRACE(c.target);
        EXPECT_EQ(InsertGuestBook(c.target), 2);
        EXPECT_TRUE(fs::exists(c.copy));
        // The site file copied by the first insertion is the component's own: no conflict.
    }
    // Each insertion copies every object again under further new keys.
    EXPECT_EQ(Count("SELECT * FROM Documents"), 4);
    // A target that does not exist is refused before anything is copied.
    EXPECT_EQ(InsertGuestBook((m_dir.path() / "nowhere" / "new.v3").string()), 1);
    EXPECT_EQ(Count("SELECT * FROM Documents"), 4);
}

TEST_F(ComponentInsertionTest, AnEntryThatNamesNoRegisteredComponentInsertsNothing) {
    QZComponentMover mover;
    EXPECT_EQ(mover.InstallComponent(&Db(), QZKeyCombo(kDbId, kService, OBJ_SERVICE),
                                     "Guest Book without tabs", Target().c_str()),
              1);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"error: The component  of  is not registered."}));
    EXPECT_FALSE(fs::exists(ServiceDirectory()));
    EXPECT_TRUE(fs::is_empty(Target()));
}

TEST_F(ComponentInsertionTest, AServiceOrRegisteredLocationThatCannotServeInsertsNothing) {
    struct Case {
        const char* label;
        LONG service;
        std::string sql;
        std::string error;
    };
    // In this order: each case's change stays for the next, whose check comes first.
    const Case cases[] = {
        {"no service", 11, "", "error: The service 5:11 cannot be loaded."},
        {"location outside the Components folder", kService,
         "UPDATE ComponentsInstalled SET DatabaseLocation = '" +
             (Package() / "guest.mdb").string() + "'",
         "error: The component database " + (Package() / "guest.mdb").string() +
             " is not a file of the Components folder " + Components().string() + "."},
        {"directory leaving the development directory", kService,
         "UPDATE Services SET Directory = '..\\..\\elsewhere' WHERE ServiceID = 10",
         "error: The directory ..\\..\\elsewhere leaves the development directory " +
             (m_dir.path() / "dev").string() + "."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        m_messages.Clear();
        if (!c.sql.empty())
            ExecuteOn(m_path, c.sql);
        QZComponentMover mover;
        EXPECT_EQ(mover.InstallComponent(&Db(), QZKeyCombo(kDbId, c.service, OBJ_SERVICE),
                                         "Zerin's Labs\tGuest Book\t3", Target().c_str()),
                  1);
        EXPECT_EQ(Errors(), (std::vector<std::string>{c.error}));
        EXPECT_TRUE(fs::is_empty(Target()));
        EXPECT_FALSE(fs::exists(m_dir.path() / "elsewhere"));
        EXPECT_EQ(Count("SELECT * FROM Documents"), 0);
    }
}

TEST_F(ComponentInsertionTest, ACopyWithoutOwnTablesIsStrippedAllTheSame) {
    fs::path plain = m_dir.path() / "pkg" / "plain";
    fs::create_directories(plain);
    CreateSiteDatabase((plain / "plain.mdb").string(), 78);
    ExecuteOn((plain / "plain.mdb").string(),
              "INSERT INTO ComponentsInstalled (ComponentSrc, ComponentTitle, VersionNumber) "
              "VALUES ('Zerin Labs', 'Plain', 1)");
    ExecuteOn((plain / "plain.mdb").string(),
              "INSERT INTO Templates (DbID, TemplateID, TemplateName, Deleted) VALUES (78, 3, "
              "'Footer', 0)");
    ASSERT_EQ(Register(plain, "plain.mdb"), 1);
    QZComponentMover mover;
    EXPECT_EQ(mover.InstallComponent(&Db(), QZKeyCombo(kDbId, kService, OBJ_SERVICE),
                                     "Zerin Labs\tPlain\t1", Target().c_str()),
              2);
    EXPECT_EQ(TableNames((Target() / "plain.mdb").string()), std::vector<std::string>());
    EXPECT_EQ(QueryNames((Target() / "plain.mdb").string()), std::vector<std::string>());
    EXPECT_EQ(Site("SELECT TemplateID, ServiceID, TemplateName FROM Templates"),
              (std::vector<std::string>{"1|10|Footer"}));
}

} // namespace
