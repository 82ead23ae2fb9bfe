// Publishing a service's objects to a remote production site: files and the transfer database
// go to a real FTP server on 127.0.0.1, and a real HTTP server there is asked to load it.
#include "content/QZService.h"
#include "tests/content/PublishFixture.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/LocalTestServer.h"
#include "tests/support/ReadOnlyFolderFtpServer.h"
#include "tests/support/RecordingHttpServer.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

namespace {

namespace fs = std::filesystem;

constexpr const char* kLoadPath = "/CGI-BIN/mq30i.exe";
constexpr const char* kRequestLine = "GET /CGI-BIN/mq30i.exe?pubId=3:17&db=3-17.mdb HTTP/1.1";

// Service 3:17 "Remote" in directory "svc", published by FTP below the document root
// "docroot" and loaded through the HTTP server; its section 5:21 "Shop" in "sec" holds page
// 5:45 "Catalog" and image 5:55 "Banner" (with a map file), both in directory "dir"; macro 5:12
// has no file. The program's root directory is "C:\Marquill".
class PublishRemoteTest : public PublishTest {
protected:
    void SetUp() override {
        PublishTest::SetUp();
        setenv("NO_PROXY", "127.0.0.1,localhost", 1);
        Insert("Services",
               "DbID, ServiceID, Name, Directory, DevelopPath, ProductionUse_ftp, "
               "Production_ftp_Address, Production_ftp_User, ftpDocRoot, ProductionAlias, "
               "Development_ftp_User, Development_ftp_Password, PublishFlag",
               "3, 17, 'Remote', 'svc', 'C:\\dev', 1, '" + m_ftp.address() +
                   "', 'dev', 'docroot', '" + m_http.address() + "', 'devuser', 'devpass', 1");
        SetFtpPassword("secret");
        Insert("Sections",
               "DbID, SectionID, SectionTitle, Directory, ServiceDbID, ServiceID, PublishFlag",
               "5, 21, 'Shop', 'sec', 3, 17, 1");
        AddObject(OBJ_PAGE, 45, "Catalog", "Directory, FileName, PublishFlag, VersionGenerated",
                  "'dir', 'catalog.html', 1, 3");
        AddObject(OBJ_IMAGE, 55, "Banner", "Directory, FileName, MapFile, PublishFlag",
                  "'dir', 'banner.gif', 'banner.map', 1");
        UpdateObject(OBJ_PAGE, 45, "SectionID = 21");
        UpdateObject(OBJ_IMAGE, 55, "SectionID = 21");
        AddMacro(12, "Footer", "<p>footer</p>");
        UpdateObject(OBJ_MACRO, 12, "PublishFlag = 1");
        WriteFile(UnderRoot("dev/svc/sec/dir/catalog.html"), "<html>catalog\r\n</html>");
        WriteFile(UnderRoot("dev/svc/sec/dir/banner.gif"), std::string("GIF89a\0\x01\xff\r\n", 11));
        WriteFile(UnderRoot("dev/svc/sec/dir/banner.map"), "rect 1,1,2,2 catalog.html\n");
        fs::create_directories(OnServer("docroot"));
        fs::create_directories(UnderRoot("Marquill"));
        TestApp().m_strVantrelRoot = "C:\\Marquill";
        m_http.SetReply(kLoadPath, 200, "Loaded 4 objects.\r\nDone.\r\n");
    }
    void TearDown() override {
        unsetenv("NO_PROXY");
        PublishTest::TearDown();
    }

    void SetFtpPassword(const char* password) {
        QZService service(QZKeyCombo(3, 17, OBJ_SERVICE), TRUE);
        service.GetRecordset()->m_Production_ftp_Password = password;
        ASSERT_EQ(service.Save(), 1);
    }
    void UpdateService(const std::string& assignments) {
        ExecuteOn(m_path, "UPDATE Services SET " + assignments + " WHERE DbID = 3");
    }
    // The service, the section, the page, the image and the macro.
    void ListAll() {
        m_list.AddTail(new QZNameAndKey("Remote", 3, 17, OBJ_SERVICE));
        List(OBJ_SECTION, 21, "Shop");
        List(OBJ_PAGE, 45, "Catalog");
        List(OBJ_IMAGE, 55, "Banner");
        List(OBJ_MACRO, 12, "Footer");
    }
    int RunRemote() { return Run(3, 17); }

    std::string OnServer(const std::string& relative) const {
        return (m_ftpRoot.path() / relative).string();
    }
    std::string TransferPath() const { return UnderRoot("Marquill/3-17.mdb"); }
    std::string ServiceMarks(const std::string& db) const {
        std::string where = " FROM Services WHERE DbID = 3 AND ServiceID = 17";
        return TextIn(db, "SELECT PublishFlag" + where) + " " +
               TextIn(db, "SELECT AuthorPublishedDbID" + where) + ":" +
               TextIn(db, "SELECT WhoPublished" + where) + "@" +
               TextIn(db, "SELECT LastPublished" + where);
    }
    // The marks of the five objects in the site database.
    std::vector<std::string> SiteMarks() const {
        return {ServiceMarks(m_path), MarksIn(m_path, OBJ_SECTION, 21),
                MarksIn(m_path, OBJ_PAGE, 45), MarksIn(m_path, OBJ_IMAGE, 55),
                MarksIn(m_path, OBJ_MACRO, 12)};
    }
    static std::vector<std::string> AllMarked() { return std::vector<std::string>(5, Marked()); }
    static std::vector<std::string> NoneMarked() { return std::vector<std::string>(5, Unmarked()); }
    std::string Copied(const std::string& directory) const {
        return "2|The transfer database, " + TransferPath() + ", was copied to the " + directory +
               " directory on the FTP server.";
    }
    std::string OpenedTransfer() const {
        return "2|Production Transfer Database," + TransferPath() + ", was opened.";
    }
    static std::string Question(const std::string& directory) {
        return "Should this directory be created?\n\n" + directory;
    }

    TempDir m_ftpRoot;
    TempDir m_httpRoot;
    FtpTestServer m_ftp{m_ftpRoot.path().string(), "dev", "secret"};
    RecordingHttpServer m_http{m_httpRoot.path().string()};
};

TEST_F(PublishRemoteTest, ARemoteRunSendsFilesAndTheTransferDatabaseAndTheServerLoadsIt) {
    ListAll();
    EXPECT_EQ(RunRemote(), QZPublishDb::publishDone);

    std::vector<std::string> expected{OpenedTransfer()};
    for (const std::string& line : PublishedLines())
        expected.push_back(line);
    expected.insert(expected.end(), {Copied("/docroot/svc/"), "2|Loaded 4 objects.", "2|Done."});
    EXPECT_EQ(Log(), expected);
    // One Yes for the service's directory and one for every level below it.
    EXPECT_EQ(m_boxes.texts(), (std::vector<std::string>{Question("/docroot/svc/"),
                                                         Question("/docroot/svc/sec/dir")}));
    for (const char* file : {"catalog.html", "banner.gif", "banner.map"})
        EXPECT_EQ(ReadFile(OnServer(std::string("docroot/svc/sec/dir/") + file)),
                  ReadFile(UnderRoot(std::string("dev/svc/sec/dir/") + file)))
            << file;
    EXPECT_FALSE(fs::exists(TransferPath()));
    EXPECT_EQ(SiteMarks(), AllMarked());
    EXPECT_EQ(ColumnIn(m_path, OBJ_PAGE, 45, "VersionPublished"), "3");

    // The transfer database holds the rows under their own keys, with their marks, and no
    // FTP log-in of the service; the site database keeps it.
    std::string uploaded = OnServer("docroot/svc/3-17.mdb");
    ASSERT_TRUE(fs::exists(uploaded));
    EXPECT_EQ(ServiceMarks(uploaded), Marked());
    for (SHORT type : {OBJ_SECTION, OBJ_PAGE, OBJ_IMAGE, OBJ_MACRO}) {
        LONG id = type == OBJ_SECTION ? 21 : type == OBJ_PAGE ? 45 : type == OBJ_IMAGE ? 55 : 12;
        ASSERT_TRUE(HasRow(uploaded, type, id)) << type;
        EXPECT_EQ(MarksIn(uploaded, type, id), Marked());
    }
    EXPECT_EQ(CountRows(uploaded, "SELECT * FROM Documents"), 1);
    std::string where = " FROM Services WHERE DbID = 3 AND ServiceID = 17";
    for (const char* column : {"Production_ftp_User", "Production_ftp_Password",
                               "Development_ftp_User", "Development_ftp_Password"})
        EXPECT_EQ(TextIn(uploaded, std::string("SELECT ") + column + where), "") << column;
    EXPECT_EQ(TextIn(uploaded, "SELECT Name" + where), "Remote");
    EXPECT_EQ(TextIn(m_path, "SELECT Production_ftp_User" + where), "dev");
    EXPECT_EQ(TextIn(m_path, "SELECT Development_ftp_Password" + where), "devpass");

    auto requests = m_http.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].line, kRequestLine);
    EXPECT_EQ(requests[0].Header("User-Agent"), "Marquill");
    EXPECT_FALSE(requests[0].HasHeader("Authorization"));
    EXPECT_FALSE(requests[0].HasHeader("Referer"));
}

TEST_F(PublishRemoteTest, AnEmptyDocumentRootIsTheServersRoot) {
    UpdateService("ftpDocRoot = ''");
    fs::create_directories(OnServer("svc/sec/dir"));
    List(OBJ_PAGE, 45, "Catalog");
    EXPECT_EQ(RunRemote(), QZPublishDb::publishDone);
    EXPECT_EQ(Log(),
              (std::vector<std::string>{OpenedTransfer(), "2|Published: Page - Catalog  (:45)",
                                        Copied("/svc/"), "2|Loaded 4 objects.", "2|Done."}));
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_TRUE(fs::exists(OnServer("svc/3-17.mdb")));
    EXPECT_EQ(ReadFile(OnServer("svc/sec/dir/catalog.html")),
              ReadFile(UnderRoot("dev/svc/sec/dir/catalog.html")));
}

// The production directory is the document root between slashes, the service's directory and
// a slash; refused when missing, the run ends naming it.
TEST_F(PublishRemoteTest, TheProductionDirectoryIsMadeOfTheDocumentRootAndTheDirectory) {
    struct Case {
        const char* root;
        const char* directory;
        const char* production;
    };
    const Case cases[] = {
        {"", "svc", "/svc/"},
        {"web", "svc", "/web/svc/"},
        {"/web", "svc", "/web/svc/"},
        {"web/", "svc", "/web/svc/"},
        {"\\web\\", "svc", "\\web\\svc/"},
        {"web", "svc/", "/web/svc/"},
        {"web", "a\\b", "/web/a\\b/"},
    };
    fs::create_directories(OnServer("web"));
    List(OBJ_MACRO, 12, "Footer");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.production);
        UpdateService(std::string("ftpDocRoot = ") + Quote(c.root) +
                      ", Directory = " + Quote(c.directory));
        m_messages.Clear();
        m_boxes.Clear();
        m_boxes.Answer(IDNO);
        EXPECT_EQ(RunRemote(), QZPublishDb::publishFailed);
        EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{Question(c.production)});
        EXPECT_EQ(Log(),
                  std::vector<std::string>{std::string("0|error: The production directory, ") +
                                           c.production + ", doesn't exist."});
    }
    EXPECT_FALSE(fs::exists(TransferPath()));
    EXPECT_TRUE(m_http.Requests().empty());
}

TEST_F(PublishRemoteTest, AFailedSetUpEndsTheRunWithItsLineAndLeavesNothing) {
    struct Case {
        const char* assignments;
        const char* line;
    };
    const Case cases[] = {
        {"ftpDocRoot = 'missing'",
         "0|error: Unable to change to the document root directory, /missing/."},
        {"Production_ftp_Address = '127.0.0.1:1'",
         "0|error: Unable to create an Internet session: "},
    };
    ListAll();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        UpdateService(c.assignments);
        m_messages.Clear();
        EXPECT_EQ(RunRemote(), QZPublishDb::publishFailed);
        ASSERT_EQ(Log().size(), 1u);
        EXPECT_EQ(Log()[0].rfind(c.line, 0), 0u) << Log()[0];
    }
    SetFtpPassword("wrong");
    UpdateService("Production_ftp_Address = '" + m_ftp.address() + "'");
    m_messages.Clear();
    EXPECT_EQ(RunRemote(), QZPublishDb::publishFailed);
    ASSERT_EQ(Log().size(), 1u);
    EXPECT_EQ(Log()[0].rfind("0|error: Unable to create an Internet session: ", 0), 0u);
    EXPECT_GT(Log()[0].size(),
              std::string("0|error: Unable to create an Internet session: ").size());
    EXPECT_EQ(SiteMarks(), NoneMarked());
    EXPECT_FALSE(fs::exists(TransferPath()));
    EXPECT_TRUE(m_http.Requests().empty());
}

TEST_F(PublishRemoteTest, AnUploadRefusedFailsTheRunMarksNothingAndRemovesTheTransferDatabase) {
    fs::create_directories(OnServer("docroot/svc"));
    ReadOnlyFolderFtpServer locked(m_ftpRoot.path().string(), "dev", "secret",
                                   OnServer("docroot/svc"));
    UpdateService("Production_ftp_Address = '" + locked.address() + "'");
    List(OBJ_MACRO, 12, "Footer");
    EXPECT_EQ(RunRemote(), QZPublishDb::publishFailed);
    EXPECT_EQ(Log(),
              (std::vector<std::string>{OpenedTransfer(), "2|Published: Macro - Footer  (:12)",
                                        "0|error: Unable to copy the transfer database, " +
                                            TransferPath() + ", to the FTP server."}));
    EXPECT_EQ(MarksIn(m_path, OBJ_MACRO, 12), Unmarked());
    EXPECT_FALSE(fs::exists(TransferPath()));
    EXPECT_FALSE(fs::exists(OnServer("docroot/svc/3-17.mdb")));
    EXPECT_TRUE(m_http.Requests().empty());
}

TEST_F(PublishRemoteTest, ALoadRequestRefusedOrFailedFailsTheRunAndMarksNothing) {
    struct Case {
        const char* label;
        std::function<void()> arrange;
        std::vector<std::string> lines; // after the copy line
        bool box;
    };
    fs::create_directories(OnServer("docroot/svc/sec/dir"));
    std::string down = "127.0.0.1:" + std::to_string(UnusedLocalPort());
    const Case cases[] = {
        {"404",
         [&] { m_http.SetReply(kLoadPath, 404, "Not here\r\n"); },
         {"2|Server failed to process the transfer database because: 404"},
         false},
        {"broken answer",
         [&] {
             m_http.SetRawReply(kLoadPath,
                                "HTTP/1.0 200 OK\r\nContent-Length: 400\r\n\r\nLoaded\r\nhalf");
         },
         {"2|Loaded"},
         true},
        {"server down", [&] { UpdateService("ProductionAlias = '" + down + "'"); }, {}, true},
    };
    ListAll();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        c.arrange();
        m_messages.Clear();
        m_boxes.Clear();
        EXPECT_EQ(RunRemote(), QZPublishDb::publishFailed);
        std::vector<std::string> log = Log();
        ASSERT_GE(log.size(), 7u);
        EXPECT_EQ(log[6], Copied("/docroot/svc/"));
        EXPECT_EQ(std::vector<std::string>(log.begin() + 7, log.end()), c.lines);
        if (c.box) {
            ASSERT_EQ(m_boxes.shown().size(), 1u);
            EXPECT_FALSE(m_boxes.texts()[0].empty());
            EXPECT_EQ(m_boxes.shown()[0].type, MB_OK);
        } else {
            EXPECT_TRUE(m_boxes.shown().empty());
        }
        EXPECT_EQ(SiteMarks(), NoneMarked());
        EXPECT_FALSE(fs::exists(TransferPath()));
    }
    EXPECT_EQ(m_http.Requests().size(), 2u); // the third found no server
}

TEST_F(PublishRemoteTest, WithoutADomainNameOnlyTheFilesArePublishedAfterYes) {
    UpdateService("ProductionAlias = ''");
    fs::create_directories(OnServer("docroot/svc/sec/dir"));
    ListAll();
    m_boxes.Answer(IDYES);
    EXPECT_EQ(RunRemote(), QZPublishDb::publishDone);
    EXPECT_EQ(m_boxes.texts(),
              std::vector<std::string>{
                  "You have not entered a Domain Name for this site.\nTherefore Marquill will not "
                  "be able to move the Marquill\nobjects to the remote database.  Would you like "
                  "to publish the\nstatic files (pages, images, etc.)?"});
    EXPECT_EQ(m_boxes.shown()[0].type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(Log(), (std::vector<std::string>{"2|Failed to Publish: Service - Remote  (3:17)",
                                               "2|Failed to Publish: Section - Shop  (:21)",
                                               "2|Published: Page - Catalog  (:45)",
                                               "2|Published: Image - Banner  (:55)",
                                               "2|Failed to Publish: Macro - Footer  (:12)"}));
    EXPECT_EQ(SiteMarks(),
              (std::vector<std::string>{Unmarked(), Unmarked(), Marked(), Marked(), Unmarked()}));
    EXPECT_EQ(ReadFile(OnServer("docroot/svc/sec/dir/banner.map")),
              ReadFile(UnderRoot("dev/svc/sec/dir/banner.map")));
    EXPECT_FALSE(fs::exists(OnServer("docroot/svc/3-17.mdb")));
    EXPECT_FALSE(fs::exists(TransferPath()));
    EXPECT_TRUE(m_http.Requests().empty());
}

TEST_F(PublishRemoteTest, WithoutADomainNameNoEndsTheRun) {
    UpdateService("ProductionAlias = ''");
    ListAll();
    m_boxes.Answer(IDNO);
    EXPECT_EQ(RunRemote(), QZPublishDb::publishFailed);
    EXPECT_EQ(Log(), std::vector<std::string>{
                         "0|error: Domain Name is empty, unable to publish remotely."});
    EXPECT_EQ(SiteMarks(), NoneMarked());
}

TEST_F(PublishRemoteTest, AnAbortStillUploadsAndAsksTheServerToLoadWhatWasTransferred) {
    fs::create_directories(OnServer("docroot/svc/sec/dir"));
    m_http.SetReply(kLoadPath, 200, "");
    List(OBJ_PAGE, 45, "Catalog");
    List(OBJ_MACRO, 12, "Footer");
    m_pump.hook = [this](int) { m_view.m_bAbort = TRUE; };
    EXPECT_EQ(RunRemote(), QZPublishDb::publishDone);
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         OpenedTransfer(), "2|Published: Page - Catalog  (:45)",
                         "0|error: Aborting the production process. Please be patient while we "
                         "complete publishing the pages in progress.",
                         Copied("/docroot/svc/")}));
    EXPECT_EQ(MarksIn(m_path, OBJ_PAGE, 45), Marked());
    EXPECT_EQ(MarksIn(m_path, OBJ_MACRO, 12), Unmarked());
    EXPECT_TRUE(HasRow(OnServer("docroot/svc/3-17.mdb"), OBJ_PAGE, 45));
    EXPECT_FALSE(HasRow(OnServer("docroot/svc/3-17.mdb"), OBJ_MACRO, 12));
    ASSERT_EQ(m_http.Requests().size(), 1u);
    EXPECT_EQ(m_http.Requests()[0].line, kRequestLine);
}

// Another user changes the page after it went into the transfer database: production gets the
// page as it was, so the page stays marked for publishing.
TEST_F(PublishRemoteTest, AnObjectChangedByAnotherUserAfterItsCopyStaysMarked) {
    fs::create_directories(OnServer("docroot/svc/sec/dir"));
    List(OBJ_PAGE, 45, "Catalog");
    List(OBJ_MACRO, 12, "Footer");
    int edited = -1;
    m_pump.hook = [&](int call) {
        if (call != 1)
            return;
        ChildProcess editor("edit", {{"DB", m_path},
                                     {"TYPE", std::to_string(OBJ_PAGE)},
                                     {"ID", "45"},
                                     {"NAME", "Catalog 2"}});
        edited = editor.Wait();
    };
    EXPECT_EQ(RunRemote(), QZPublishDb::publishDone);
    EXPECT_EQ(edited, 0);
    EXPECT_EQ(MarksIn(m_path, OBJ_PAGE, 45), Unmarked());
    EXPECT_EQ(ColumnIn(m_path, OBJ_PAGE, 45, "Title"), "Catalog 2");
    EXPECT_EQ(MarksIn(m_path, OBJ_MACRO, 12), Marked());
    EXPECT_EQ(ColumnIn(OnServer("docroot/svc/3-17.mdb"), OBJ_PAGE, 45, "Title"), "Catalog");
    EXPECT_EQ(Claims(OBJ_PAGE, 45), 0);
}

TEST_F(PublishRemoteTest, ATransferDatabaseLeftByARunThatDiedIsReplaced) {
    fs::create_directories(OnServer("docroot/svc"));
    WriteFile(TransferPath(), "what a run that died left behind");
    List(OBJ_MACRO, 12, "Footer");
    EXPECT_EQ(RunRemote(), QZPublishDb::publishDone);
    EXPECT_EQ(MarksIn(m_path, OBJ_MACRO, 12), Marked());
    EXPECT_FALSE(fs::exists(TransferPath()));
    EXPECT_TRUE(HasRow(OnServer("docroot/svc/3-17.mdb"), OBJ_MACRO, 12));
}

TEST_F(PublishRemoteTest, ATransferDatabaseAnotherProgramHasOpenIsLeftAloneAndTheRunFails) {
    fs::create_directories(OnServer("docroot/svc"));
    CreateSiteDatabase(TransferPath(), 3, "Production", 0);
    TempDir exchange;
    ChildProcess other("open", {{"DB", TransferPath()}, {"DIR", exchange.path().string()}});
    ASSERT_EQ(WaitForFile(exchange.file("opened")), "1");
    List(OBJ_MACRO, 12, "Footer");
    EXPECT_EQ(RunRemote(), QZPublishDb::publishFailed);
    WriteFileAtomically(exchange.file("release"), "");
    EXPECT_EQ(other.Wait(), 0);
    EXPECT_EQ(Log(), std::vector<std::string>{"0|error: Unable to create the production transfer "
                                              "database," +
                                              TransferPath() + "."});
    EXPECT_EQ(m_boxes.shown().size(), 1u); // the database layer's own box
    EXPECT_TRUE(fs::exists(TransferPath()));
    EXPECT_EQ(MarksIn(m_path, OBJ_MACRO, 12), Unmarked());
}

TEST_F(PublishRemoteTest, AnEmptyListAnswers0BeforeAnythingIsSetUp) {
    UpdateService("Production_ftp_Address = '127.0.0.1:1'");
    EXPECT_EQ(RunRemote(), QZPublishDb::publishEmpty);
    EXPECT_TRUE(Log().empty());
    EXPECT_FALSE(fs::exists(TransferPath()));
}

} // namespace
