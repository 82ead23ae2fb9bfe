// Importing a site from a local directory tree: the new service and its sections, one row and
// one log line per page, image, multimedia and class file down to the depth limit, the
// Directory rule, page texts with CR LF line ends, the converted links, and what is skipped
// (deeper directories, links, other files, files that cannot be read).
#include "content/import/QZImportSite.h"
#include "tests/content/ComponentFixture.h"
#include "tests/support/CountingPump.h"
#include "tests/support/UnprivilegedFileAccess.h"

namespace {

namespace fs = std::filesystem;

// A multibyte name: 16 characters before ".html", 31 bytes.
const std::string kAccented = "a\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
                              "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";

class ImportSiteTest : public ComponentTest {
protected:
    void SetUp() override {
        ComponentTest::SetUp();
        BuildTree();
    }

    fs::path Root() const { return m_dir.path() / "web" / "acme"; }
    std::string Path(const std::string& relative) const { return (Root() / relative).string(); }

    void BuildTree() {
        WriteFile(Path("index.html"), "<html><head><title>Acme Home</title></head><body>"
                                      "<a href=\"news/story.htm\">News</a> <img src=\"logo.gif\"> "
                                      "if 1 << 2 <<run \"touch pwned\">></body></html>");
        WriteFile(Path("lines.htm"), std::string("one\ntwo\rthree\r\nfo\0ur\r", 22));
        // The CR LF pair straddles the first 1,023 bytes and the rest.
        WriteFile(Path("big.html"), std::string(1022, 'x') + "\r\nend");
        WriteFile(Path(kAccented + ".html"), "accented");
        WriteFile(Path("logo.gif"), "GIF89a12345");
        WriteFile(Path("Photo.JPG"), "JPEG");
        WriteFile(Path("notes.txt"), "not imported");
        WriteFile(Path("README"), "not imported");
        WriteFile(Path("news/story.htm"),
                  "<a href=\"../index.html\">Home</a> <img src=\"../logo.gif\">");
        WriteFile(Path("news/clip.wav"), "RIFF");
        WriteFile(Path("news/archive/old.html"), "old");
        WriteFile(Path("news/archive/Applet.class"), "CAFEBABE");
        WriteFile(Path("news/archive/deep/deep.html"), "too deep");
        WriteFile((m_dir.path() / "elsewhere" / "away.html").string(), "away");
        fs::create_symlink(Root() / "index.html", Root() / "alias.html");
        fs::create_directory_symlink(m_dir.path() / "elsewhere", Root() / "linked");
        fs::create_directory_symlink(m_dir.path() / "elsewhere", Root() / "news" / "linked");
    }

    void Import(LONG depth) {
        QZImportSite import(Root().c_str(), depth);
        EXPECT_EQ(fs::current_path().string(), m_savedDirectory);
    }

    // The progress lines logged, with the root's path written "<root>".
    std::vector<std::string> Created() const {
        std::vector<std::string> lines;
        for (const auto& line : m_messages.lines()) {
            if (line.kind != 2)
                continue;
            std::string text = line.display;
            size_t at = text.find(Root().string());
            if (at != std::string::npos)
                text.replace(at, Root().string().size(), "<root>");
            lines.push_back(text);
        }
        return lines;
    }

    std::vector<std::string> Site(const std::string& sql) { return Rows(m_path, sql); }
    std::string PageText(LONG id) { return Text(ContentKindOf(OBJ_PAGE), id, "ScriptBody"); }
};

const std::vector<std::string> kRootLines = {
    "Image :1: Created from file <root>/Photo.JPG",
    "Page :1: Created from file <root>/" + kAccented + ".html",
    "Page :2: Created from file <root>/big.html",
    "Page :3: Created from file <root>/index.html",
    "Page :4: Created from file <root>/lines.htm",
    "Image :2: Created from file <root>/logo.gif",
};

std::vector<std::string> Joined(std::vector<std::string> lines,
                                const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

TEST_F(ImportSiteTest, DepthZeroImportsTheRootsFilesIntoTheMainSection) {
    Import(0);
    EXPECT_EQ(Created(), kRootLines);
    EXPECT_EQ(Site("SELECT ServiceID, Name, Directory, DevelopPath FROM Services WHERE "
                   "ServiceID <> 10"),
              (std::vector<std::string>{"11|acme|acme|" + (m_dir.path() / "web").string()}));
    EXPECT_EQ(Site("SELECT SectionID, ServiceDbID, ServiceID, SectionTitle, SectionName FROM "
                   "Sections WHERE SectionID <> 20"),
              (std::vector<std::string>{"21|5|11|Main Section|Main Section"}));
    EXPECT_EQ(Site("SELECT DocID, ServiceID, SectionID, FileName FROM Documents"),
              (std::vector<std::string>{"1|11|21|" + kAccented + ".html", "2|11|21|big.html",
                                        "3|11|21|index.html", "4|11|21|lines.htm"}));
    // A title is cut by characters, never inside one.
    EXPECT_EQ(Site("SELECT Title FROM Documents WHERE DocID = 1"),
              (std::vector<std::string>{kAccented}));
    EXPECT_EQ(Site("SELECT ImageID, ServiceID, SectionID, FileName, Name, ImageFileSize FROM "
                   "Images"),
              (std::vector<std::string>{"1|11|21|Photo.JPG|Photo.JPG|4",
                                        "2|11|21|logo.gif|logo.gif|11"}));
    EXPECT_EQ(TestApp().GetCurrentServiceKey().FormatFull(), "5:11");
    EXPECT_EQ(TestApp().GetCurrentSectionKey().FormatFull(), "5:21");
    EXPECT_EQ(Count("SELECT * FROM Semaphor"), 0);
    EXPECT_EQ(Errors(), std::vector<std::string>());
}

TEST_F(ImportSiteTest, DepthOneMakesASectionOfEachFirstLevelDirectory) {
    Import(1);
    EXPECT_EQ(Created(),
              Joined(kRootLines, {"Multimedia Object :1: Created from file <root>/news/clip.wav",
                                  "Page :5: Created from file <root>/news/story.htm"}));
    EXPECT_EQ(Site("SELECT SectionID, ServiceID, SectionTitle, SectionName, Directory FROM "
                   "Sections WHERE SectionID > 21"),
              (std::vector<std::string>{"22|11|news|news|news"}));
    // The section's directory places its files: their own Directory stays empty.
    EXPECT_EQ(Site("SELECT DocID, SectionID, Directory FROM Documents WHERE DocID = 5"),
              (std::vector<std::string>{"5|22|NULL"}));
    EXPECT_EQ(Site("SELECT MediaID, ServiceID, SectionID, FileName, Title, Directory FROM "
                   "MQ_Media"),
              (std::vector<std::string>{"1|11|22|clip.wav|clip.wav|NULL"}));
    EXPECT_EQ(TestApp().GetCurrentSectionKey().FormatFull(), "5:21");
}

TEST_F(ImportSiteTest, DepthTwoRecordsTheSecondLevelDirectoryAndGoesNoDeeper) {
    // A limit above 2 acts as 2; the second import makes a second service of the same tree.
    struct Run {
        LONG depth;
        std::string service;
        std::string news;
        std::string oldPage;
        std::string applet;
    };
    for (const Run& run : {Run{2, "11", "22", "5", "1"}, Run{5, "12", "24", "11", "2"}}) {
        SCOPED_TRACE(run.depth);
        m_messages.Clear();
        Import(run.depth);
        std::vector<std::string> created = Created();
        ASSERT_EQ(created.size(), 10u);
        EXPECT_EQ(created[6],
                  ":" + run.applet + ": Created from file <root>/news/archive/Applet.class");
        EXPECT_EQ(created[7],
                  "Page :" + run.oldPage + ": Created from file <root>/news/archive/old.html");
        EXPECT_EQ(Site("SELECT ServiceID, SectionID, Directory FROM Documents WHERE DocID = " +
                       run.oldPage),
                  (std::vector<std::string>{run.service + "|" + run.news + "|archive"}));
        EXPECT_EQ(Site("SELECT ServiceID, SectionID, Code, Title, Directory FROM MQ_Java WHERE "
                       "JavaID = " +
                       run.applet),
                  (std::vector<std::string>{run.service + "|" + run.news +
                                            "|Applet.class|Applet.class|archive"}));
    }
    EXPECT_EQ(Count("SELECT * FROM Documents WHERE FileName = 'deep.html'"), 0);
    EXPECT_EQ(Count("SELECT * FROM Documents WHERE FileName = 'away.html'"), 0);
    EXPECT_EQ(Count("SELECT * FROM Documents WHERE FileName = 'alias.html'"), 0);
}

TEST_F(ImportSiteTest, PageTextsHaveCrLfLineEndsAndNoNulBytes) {
    Import(0);
    EXPECT_EQ(PageText(4), "one\r\ntwo\r\nthree\r\nfour\r\n");
    EXPECT_EQ(PageText(2), std::string(1022, 'x') + "\r\nend");
}

TEST_F(ImportSiteTest, ImportedPagesNameEachOtherByKeyAndStayLiteral) {
    Import(1);
    std::string index = PageText(3);
    EXPECT_NE(index.find("<<link 5:5>>News<</link>>"), std::string::npos) << index;
    EXPECT_NE(index.find("<<image 5:2>>"), std::string::npos) << index;
    EXPECT_EQ(index.find("<<run"), std::string::npos) << index;
    EXPECT_EQ(index.find("1 << 2"), std::string::npos) << index;
    std::string story = PageText(5);
    EXPECT_NE(story.find("<<link 5:3>>Home<</link>>"), std::string::npos) << story;
    EXPECT_NE(story.find("<<image 5:2>>"), std::string::npos) << story;
}

// The end of the program asked while the walk lists "news": the root's files stay imported,
// nothing of "news" is, and the imported pages are still converted.
TEST_F(ImportSiteTest, TheEndOfTheProgramAskedDuringTheWalkStopsItAfterTheStepInProgress) {
    struct QuitAtSecondPump : CountingPump {
        void PumpWaitingMessages() override { quit = ++calls >= 2; }
    } pump;
    MessagePump* previous = SetMessagePump(&pump);
    Import(2);
    SetMessagePump(previous);
    EXPECT_EQ(pump.calls, 2);
    EXPECT_EQ(Created(), kRootLines);
    EXPECT_EQ(Count("SELECT * FROM MQ_Media"), 0);
    EXPECT_EQ(Site("SELECT SectionName FROM Sections WHERE SectionID > 21"),
              (std::vector<std::string>{"news"}));
    EXPECT_NE(PageText(3).find("<<image 5:2>>"), std::string::npos) << "links converted";
}

TEST_F(ImportSiteTest, ARootThatCannotBeReadMakesNothing) {
    QZImportSite import((m_dir.path() / "missing").c_str(), 2);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"error: Cannot read the directory " +
                                                  (m_dir.path() / "missing").string() + "."}));
    EXPECT_EQ(Count("SELECT * FROM Services"), 1);
    EXPECT_EQ(Count("SELECT * FROM Sections"), 1);
    EXPECT_EQ(TestApp().GetCurrentServiceKey().FormatFull(), "5:10");
    EXPECT_EQ(TestApp().GetCurrentSectionKey().FormatFull(), "5:20");
}

TEST_F(ImportSiteTest, AFileThatCannotBeReadGetsNoRowAndTheWalkGoesOn) {
    UnprivilegedFileAccess::MakeUnreadable(Root() / "big.html");
    UnprivilegedFileAccess::MakeUnreadable(Root() / "logo.gif");
    {
        UnprivilegedFileAccess access(m_dir.path());
        Import(0);
    }
    EXPECT_EQ(Errors(),
              (std::vector<std::string>{"error: Cannot read the file " + Path("big.html") + ".",
                                        "error: Cannot read the file " + Path("logo.gif") + "."}));
    EXPECT_EQ(
        Site("SELECT DocID, FileName FROM Documents"),
        (std::vector<std::string>{"1|" + kAccented + ".html", "2|index.html", "3|lines.htm"}));
    EXPECT_EQ(Site("SELECT ImageID, FileName FROM Images"),
              (std::vector<std::string>{"1|Photo.JPG"}));
}

TEST_F(ImportSiteTest, NamesLongerThanTheirColumnsAreSkippedWithAnErrorLine) {
    // File names and directory names are stored whole, in columns of 30 characters.
    std::string longName(31, 'n');
    WriteFile(Path(longName + ".gif"), "GIF");
    WriteFile(Path(longName + "/inside.html"), "inside");
    Import(1);
    EXPECT_EQ(Errors(), (std::vector<std::string>{
                            "error: The directory " + Path(longName) +
                                " is skipped: its name is longer than 30 characters.",
                            "error: The file " + Path(longName + ".gif") +
                                " is skipped: its name is longer than 30 characters."}));
    EXPECT_EQ(Created().size(), 8u);
    EXPECT_EQ(Count("SELECT * FROM Documents WHERE FileName = 'inside.html'"), 0);
    EXPECT_EQ(Count("SELECT * FROM Sections"), 3);
}

} // namespace
