// Retrieving a site over HTTP from a real server on 127.0.0.1: the links followed at each
// depth, each URL once, the log, paths that would leave the folder, redirections, the limits,
// and the site retrieved, imported and converted.
#include "content/import/QZHTMLContext.h"
#include "content/import/QZRetrievalLimits.h"
#include "tests/content/HTMLImportFixture.h"
#include "tests/support/CountingPump.h"
#include "tests/support/ImportSiteServer.h"
#include "tests/support/RecordingHttpServer.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

namespace fs = std::filesystem;

class RetrievalTest : public HTMLImportTest {
protected:
    void SetUp() override {
        HTMLImportTest::SetUp();
        // The test server is asked directly, whatever proxy the environment names.
        setenv("NO_PROXY", "127.0.0.1,localhost", 1);
        m_cwd = fs::current_path();
        QZRetrievalLimits limits;
        limits.maxFileBytes = 1024 * 1024;
        limits.maxScanBytes = 64 * 1024;
        limits.connectTimeoutMs = 3000;
        limits.idleTimeoutMs = 1000;
        m_oldLimits = SetRetrievalLimits(limits);
        m_oldPump = SetMessagePump(&m_pump);
        fs::create_directories(Target());
    }
    void TearDown() override {
        SetMessagePump(m_oldPump);
        SetRetrievalLimits(m_oldLimits);
        unsetenv("NO_PROXY");
        EXPECT_EQ(fs::current_path(), m_cwd);
        HTMLImportTest::TearDown();
    }

    fs::path Target() const { return m_dir.path() / "copies" / "site"; }
    std::string Site(const std::string& path) const { return m_server.Url("/site/" + path); }
    // Retrieves from the URL into the target folder; the caller's flag afterwards.
    int Retrieve(const std::string& url, int depth) {
        int flag = 1;
        QZHTMLContext retrieval(url.c_str(), Target().c_str(), &flag, nullptr, depth, "");
        return flag;
    }
    // Every file, folder ("/" after it) and symbolic link ("@" after it) under the folder.
    static std::vector<std::string> Tree(const fs::path& root) {
        std::vector<std::string> tree;
        for (auto it = fs::recursive_directory_iterator(root);
             it != fs::recursive_directory_iterator(); ++it) {
            std::string name = fs::relative(it->path(), root).string();
            if (it->is_symlink())
                name += "@";
            else if (it->is_directory())
                name += "/";
            tree.push_back(name);
        }
        std::sort(tree.begin(), tree.end());
        return tree;
    }
    // The log as "kind|display" lines.
    std::vector<std::string> Log() const {
        std::vector<std::string> log;
        for (const auto& line : m_messages.lines())
            log.push_back(std::to_string(line.kind) + "|" + line.display);
        return log;
    }
    std::string Downloading(const std::string& url) const { return "2|Downloading " + url; }
    std::string Error(const std::string& text) const { return "0|error: " + text; }

    int m_otherPort = UnusedLocalPort();
    ImportSiteServer m_server{(TestDataDir() / "import").string(), m_otherPort};
    CountingPump m_pump;

private:
    fs::path m_cwd;
    QZRetrievalLimits m_oldLimits;
    MessagePump* m_oldPump = nullptr;
};

struct DepthCase {
    int depth;
    std::vector<std::string> order; // the site's paths in the order they are retrieved
};

class RetrievalDepthTest : public RetrievalTest, public ::testing::WithParamInterface<DepthCase> {};

TEST_P(RetrievalDepthTest, FollowsTheLinksOfItsDepthOnceEachInTheirOrder) {
    const DepthCase& c = GetParam();
    EXPECT_EQ(Retrieve(Site("index.html"), c.depth), 1);

    std::vector<std::string> log, paths, files;
    for (const std::string& path : c.order) {
        log.push_back(Downloading(Site(path)));
        paths.push_back("/site/" + path);
        std::string file = path.back() == '/' ? path + "index.html" : path;
        files.push_back(file);
        // Written byte for byte.
        EXPECT_EQ(ReadFile((Target() / file).string()),
                  ReadFile((TestDataDir() / "import" / "site" / file).string()))
            << file;
    }
    EXPECT_EQ(Log(), log);
    EXPECT_EQ(m_server.Paths(), paths);
    std::vector<std::string> tree;
    for (const std::string& file : Tree(Target()))
        if (file.back() != '/')
            tree.push_back(file);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(tree, files);
    for (const auto& request : m_server.Requests()) {
        EXPECT_EQ(request.agent, "Marquill");
        EXPECT_EQ(request.accept, "*/*");
    }
    // The window's messages went through once for each URL at least.
    EXPECT_GE(m_pump.calls, static_cast<int>(c.order.size()));
}

INSTANTIATE_TEST_SUITE_P(Depths, RetrievalDepthTest,
                         ::testing::Values(
                             // "PAGE2.HTML" is "page2.html"; "Upper.HTML" is a page and is scanned;
                             // the link back to the start page, queries, fragments, mail, other
                             // sites, "../" and "/index.html" are not followed.
                             DepthCase{0, {"index.html", "page2.html", "Upper.HTML"}},
                             DepthCase{1,
                                       {"index.html", "pics/bg.gif", "pics/logo.gif", "page2.html",
                                        "sub/p.html", "sub/", "Upper.HTML", "media/tune.wav"}},
                             DepthCase{2,
                                       {"index.html", "pics/bg.gif", "pics/logo.gif", "page2.html",
                                        "sub/p.html", "sub/x/q.html", "sub/", "Upper.HTML",
                                        "media/tune.wav"}}),
                         [](const ::testing::TestParamInfo<DepthCase>& info) {
                             return "Depth" + std::to_string(info.param.depth);
                         });

TEST_F(RetrievalTest, AStartURLWithoutAPageExtensionRetrievesNothing) {
    for (const std::string& url : {Site(""), Site("pics/logo.gif")}) {
        m_messages.Clear();
        EXPECT_EQ(Retrieve(url, 2), 0);
        EXPECT_EQ(Log(), std::vector<std::string>{"2|URL " + url +
                                                  " must have extension .htm, .html, .shtm, "
                                                  ".shtml, or .asp"});
    }
    EXPECT_TRUE(m_server.Paths().empty());
    EXPECT_TRUE(Tree(Target()).empty());
}

TEST_F(RetrievalTest, AStartPageWithACapitalisedExtensionIsScannedToo) {
    EXPECT_EQ(Retrieve(Site("Upper.HTML"), 0), 1);
    EXPECT_EQ(m_server.Paths(), (std::vector<std::string>{"/site/Upper.HTML", "/site/index.html",
                                                          "/site/page2.html"}));
}

TEST_F(RetrievalTest, AMissingStartPageIsAnErrorAndClearsTheFlag) {
    EXPECT_EQ(Retrieve(Site("missing.html"), 0), 0);
    EXPECT_EQ(Log(), (std::vector<std::string>{Downloading(Site("missing.html")),
                                               Error("Invalid URL " + Site("missing.html"))}));
    EXPECT_TRUE(Tree(Target()).empty());
}

TEST_F(RetrievalTest, AServerThatCannotBeReachedIsAnError) {
    std::string url = "http://127.0.0.1:" + std::to_string(UnusedLocalPort()) + "/site/index.html";
    EXPECT_EQ(Retrieve(url, 0), 0);
    EXPECT_EQ(Log(), (std::vector<std::string>{Downloading(url), Error("Invalid URL " + url)}));
}

TEST_F(RetrievalTest, PathsThatWouldLeaveTheFolderAreRefused) {
    fs::path copies = m_dir.path() / "copies";
    std::ofstream(copies / "x.html") << "mine";
    auto outside = [&] {
        std::vector<std::string> tree = Tree(copies);
        tree.erase(
            std::remove_if(tree.begin(), tree.end(),
                           [](const std::string& name) { return name.rfind("site", 0) == 0; }),
            tree.end());
        return tree;
    };
    std::vector<std::string> before = outside();
    auto refused = [&](const std::string& path) {
        return std::vector<std::string>{
            Downloading(Site(path)), Error("URL " + Site(path) + " has no safe local file name")};
    };

    // "./../x.html" and "%2e%2e/x.html" lie above the start page's folder and are not followed;
    // at depth 0 neither are "a//b.html" and "sub/..%2f..%2fx.html", which lie below it.
    EXPECT_EQ(Retrieve(Site("traversal.html"), 0), 1);
    std::vector<std::string> log{Downloading(Site("traversal.html"))};
    for (const char* path : {"a%5cb.html", "c%3ad.html", "n%00.html"})
        for (const std::string& line : refused(path))
            log.push_back(line);
    for (const char* path : {"page2.html", "index.html", "Upper.HTML"})
        log.push_back(Downloading(Site(path)));
    EXPECT_EQ(Log(), log);

    // At depth 2 these two are refused by name.
    m_messages.Clear();
    fs::remove_all(Target());
    fs::create_directories(Target());
    Retrieve(Site("traversal.html"), 2);
    std::vector<std::string> lines = Log();
    for (const char* path : {"a//b.html", "sub/..%2f..%2fx.html"})
        for (const std::string& line : refused(path))
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;

    for (const std::string& path : m_server.Paths())
        EXPECT_EQ(path.find_first_of("%:\\"), std::string::npos) << path;
    for (const std::string& path : m_server.Paths())
        EXPECT_NE(path.substr(path.size() - 7), "/x.html") << path;
    EXPECT_EQ(outside(), before);
    EXPECT_EQ(ReadFile((copies / "x.html").string()), "mine");
}

TEST_F(RetrievalTest, NoSymbolicLinkOrOtherNameLeadsOutOfTheFolder) {
    fs::path outside = m_dir.path() / "outside";
    fs::create_directories(outside);
    std::ofstream(outside / "page2.html") << "outside";
    std::ofstream(outside / "Upper.HTML") << "outside too";
    fs::create_directory_symlink(outside, Target() / "sub");
    fs::create_symlink(outside / "page2.html", Target() / "page2.html");
    fs::create_hard_link(outside / "Upper.HTML", Target() / "Upper.HTML");

    EXPECT_EQ(Retrieve(Site("index.html"), 1), 1);

    EXPECT_EQ(Tree(outside), (std::vector<std::string>{"Upper.HTML", "page2.html"}));
    EXPECT_EQ(ReadFile((outside / "page2.html").string()), "outside");
    EXPECT_EQ(ReadFile((outside / "Upper.HTML").string()), "outside too");
    // Each file that could not be made was shown in a box; the walk went on.
    std::string target = Target().string();
    EXPECT_EQ(m_boxes.texts(), (std::vector<std::string>{
                                   target + "/page2.html contains an invalid path.",
                                   target + "/sub contains an invalid path.",
                                   target + "/sub contains an invalid path.",
                                   "Access to " + target + "/Upper.HTML was denied.",
                               }));
    EXPECT_TRUE(fs::exists(Target() / "index.html"));
    EXPECT_TRUE(fs::exists(Target() / "pics" / "logo.gif"));
}

TEST_F(RetrievalTest, RedirectionsAreFollowedOnTheSameHostOnlyAndFiveAtMost) {
    auto hop = [&](const std::string& path) { return m_server.Url("/hop/" + path); };
    auto offSite = [&](const std::string& path, const std::string& to) {
        return Error("URL " + hop(path) + " redirects to " + to + " off the site");
    };
    std::string port = std::to_string(m_server.port());
    EXPECT_EQ(Retrieve(hop("index.html"), 0), 1);
    EXPECT_EQ(Log(),
              (std::vector<std::string>{
                  Downloading(hop("index.html")),
                  Downloading(hop("same.html")),
                  Downloading(hop("offsite.html")),
                  offSite("offsite.html", "http://localhost:" + port + "/hop/target.html"),
                  Downloading(hop("otherport.html")),
                  offSite("otherport.html",
                          "http://127.0.0.1:" + std::to_string(m_otherPort) + "/hop/target.html"),
                  Downloading(hop("ftp.html")),
                  offSite("ftp.html", "ftp://127.0.0.1/hop/target.html"),
                  Downloading(hop("loop.html")),
                  Error("URL " + hop("loop.html") + " redirects more than 5 times"),
                  Downloading(hop("chain1.html")),
                  Downloading(hop("chain0.html")),
                  Error("URL " + hop("chain0.html") + " redirects more than 5 times"),
                  // Followed to https on the same host, where this server speaks no TLS.
                  Downloading(hop("https.html")),
                  Error("Invalid URL " + hop("https.html")),
                  Downloading(hop("missing.html")),
                  Error("Invalid URL " + hop("missing.html")),
                  Downloading(hop("after.html")),
              }));
    EXPECT_EQ(Tree(Target()),
              (std::vector<std::string>{"after.html", "chain1.html", "index.html", "same.html"}));
    EXPECT_NE(ReadFile((Target() / "same.html").string()).find("/hop/target.html"),
              std::string::npos);
    // Only the redirections allowed reached the target: from same.html and chain1.html.
    std::vector<std::string> paths = m_server.Paths();
    EXPECT_EQ(std::count(paths.begin(), paths.end(), "/hop/target.html"), 2);
    EXPECT_EQ(std::count(paths.begin(), paths.end(), "/hop/loop.html"), 6);
}

TEST_F(RetrievalTest, EachLimitReachedEndsItsURLWithOneErrorLine) {
    auto limits = [&](const std::string& path) { return m_server.Url("/limits/" + path); };
    EXPECT_EQ(Retrieve(limits("index.html"), 0), 1);
    EXPECT_EQ(Log(),
              (std::vector<std::string>{
                  Downloading(limits("index.html")),
                  Downloading(limits("big.html")),
                  Error("URL " + limits("big.html") + " is larger than 1048576 bytes: not saved"),
                  Downloading(limits("slow.html")),
                  Error("Invalid URL " + limits("slow.html")),
                  Downloading(limits("wide.html")),
                  Error("URL " + limits("wide.html") +
                        " is scanned for links in its first 65536 bytes only"),
                  Downloading(limits("after.html")),
              }));
    // The partial files are gone; the wide page is whole.
    EXPECT_EQ(Tree(Target()), (std::vector<std::string>{"after.html", "index.html", "wide.html"}));
    EXPECT_GT(fs::file_size(Target() / "wide.html"), 100000u);
}

TEST_F(RetrievalTest, ARunStopsAtItsLimitOfURLs) {
    QZRetrievalLimits limits = QZRetrievalLimits::Current();
    limits.maxURLs = 3;
    SetRetrievalLimits(limits);
    EXPECT_EQ(Retrieve(Site("index.html"), 1), 1);
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         Downloading(Site("index.html")), Downloading(Site("pics/bg.gif")),
                         Downloading(Site("pics/logo.gif")),
                         Error("URL " + Site("page2.html") +
                               " not retrieved: a run retrieves at most 3 URLs")}));
}

// Asked while the start page comes: the page is kept and no link is followed.
TEST_F(RetrievalTest, TheEndOfTheProgramAskedDuringARunStopsItAfterThePageInProgress) {
    m_pump.quit = true;
    EXPECT_EQ(Retrieve(Site("index.html"), 1), 1);
    EXPECT_EQ(Log(), std::vector<std::string>{Downloading(Site("index.html"))});
    EXPECT_EQ(Tree(Target()), std::vector<std::string>{"index.html"});
}

TEST_F(RetrievalTest, ARetrievedSiteImportsAndConverts) {
    EXPECT_EQ(Retrieve(Site("index.html"), 2), 1);
    std::map<std::string, QZKeyCombo> keys;
    for (const Imported& file : ImportFolder(Target()))
        keys[file.relative] = file.key;
    std::map<std::string, std::string> texts;
    for (const auto& [relative, key] : keys)
        if (key.m_ObjectType == OBJ_PAGE)
            texts[relative] = Convert(key.m_KeyID, Target(), relative);
    auto key = [&](const std::string& relative) { return keys.at(relative).FormatFull().str(); };
    auto contains = [&](const std::string& page, const std::string& text) {
        EXPECT_NE(texts[page].find(text), std::string::npos) << page << ": " << text;
    };
    contains("index.html", "<p><<image " + key("pics/logo.gif") +
                               ",height=40,width=120,border=0,alt=\"Acme logo\">></p>");
    contains("index.html", "<<link " + key("page2.html") +
                               ",anchor=\"s2\",target=_top>>Page two<</link>> and <<link " +
                               key("page2.html") + ">>again<</link>>");
    contains("index.html", "<<link " + key("sub/p.html") + ">>sub page<</link>>, <<link " +
                               key("sub/x/q.html") +
                               ">>deep<</link>>, <a href=\"sub/x/y/r.html\">deeper</a>");
    contains("index.html", "<<media " + key("media/tune.wav") + ",onClick=\"play()\">>");
    contains("index.html", "<applet codebase=\"classes\" code=\"Clock.class\"");
    contains("sub/p.html", "<<link " + key("page2.html") + ">>Two<</link>> <<link " +
                               key("sub/x/q.html") + ">>Q<</link>> <<image " +
                               key("pics/logo.gif") + ">>");
    contains("sub/x/q.html", "<<link " + key("index.html") + ">>Home<</link>>");
    EXPECT_EQ(Rows("Forms", "Title, ActionBody"),
              std::vector<std::string>{"Acme Home - Form|<<run \"cgi-bin/order.pl\">>"});
    EXPECT_EQ(Rows("MQ_Script", "Language, ScriptBody"),
              std::vector<std::string>{"JavaScript|\nfunction hi() { return 1 < 2; }\n"});
    EXPECT_EQ(Rows("MQ_ActiveX", "ClassID"), std::vector<std::string>{"clsid:0A1B"});
    // index.html and page2.html share the style with the background image.
    EXPECT_EQ(Rows("Styles", "StyleName, BackImageID, BackColor", "BackImageID <> 0"),
              std::vector<std::string>{"Style: Acme Home|" +
                                       std::to_string(keys.at("pics/bg.gif").m_KeyID) + "|FFFFEE"});
    EXPECT_EQ(Count("SELECT * FROM Semaphor"), 0);
}

} // namespace
