// The link and extlink commands: static links by the site's directories, interpreter links for
// dynamic pages and links with parameters, secure and SecureCGI links, image targets, the
// refusal of a link inside a link, their errors and their dependency rows.
#include "db/QZRecordsetCaches.h"
#include "tests/content/ObjectCommandFixture.h"

namespace {

class LinkCommandTest : public ObjectCommandTest {
protected:
    void SetUp() override {
        ObjectCommandTest::SetUp();
        AddPage(41, "Offers", "FileName", "'p2.html'");
        AddPage(42, "Search", "FileName", "'search.html'");
        Update(ContentKindOf(OBJ_PAGE), 42, "Dynamic = 1");
        AddPage(43, "Account", "FileName, Directory", "'account.html', 'members'");
        Update(ContentKindOf(OBJ_PAGE), 43, "AccessControl = 1");
        // A section whose interpreter links run below the section's own directory.
        Insert("Sections",
               "DbID, SectionID, SectionName, SectionTitle, Directory, ServiceDbID, ServiceID, "
               "StyleDbID, StyleID, SecureCGI, Deleted",
               "5, 21, 'shop', 'Shop', 'shop', 5, 10, 5, 30, 1, 0");
        AddPage(44, "Basket", "FileName", "'basket.html'");
        Update(ContentKindOf(OBJ_PAGE), 44, "SectionID = 21");
        AddMacro(12, "Footer", "<<link :41>>offers<</link>>");
    }
    void TearDown() override {
        TestApp().m_strCGIAppRelPath = "/CGI-BIN/";
        ObjectCommandTest::TearDown();
    }
};

TEST_F(LinkCommandTest, LinksWriteTheTargetsAddress) {
    struct Case {
        const char* text;
        const char* anchor;
    } cases[] = {
        {"<<link :41>>", "<a href=\"../../site/news/p2.html\">"},
        {"<<link :41, anchor=\"top\">>", "<a href=\"../../site/news/p2.html#top\">"},
        {"<<link linkid=:41>>", "<a href=\"../../site/news/p2.html\">"},
        {"<<link \"5:41\">>", "<a href=\"../../site/news/p2.html\">"},
        // The key is the target, not a parameter passed on.
        {"<<link default>>", "<a href=\"../../site/news/p2.html\">"},
        {"<<link :43, ANCHOR=\"me\">>", "<a href=\"https://www.acme.test/site/news/members/"
                                        "account.html#me\">"},
        {"<<link :41, n=5, anchor=\"top\">>", "<a href=\"/CGI-BIN/MQ30i.exe?docid=5:41&%6e=5\">"},
        {"<<link :41, q=\"a b&c=d\", x=2.5>>",
         "<a href=\"/CGI-BIN/MQ30i.exe?docid=5:41&%71=%61+b%26c%3dd&%78=2.5\">"},
        {"<<link :42, anchor=\"top\">>", "<a href=\"/CGI-BIN/MQ30i.exe?docid=5:42\">"},
        {"<<link :41, n=1, secure=1>>",
         "<a href=\"https://www.acme.test/CGI-BIN/MQ30i.exe?docid=5:41&%6e=1\">"},
        {"<<link :41, n=1, secure=0>>",
         "<a href=\"http://www.acme.test/CGI-BIN/MQ30i.exe?docid=5:41&%6e=1\">"},
        {"<<link :43, n=1>>",
         "<a href=\"https://www.acme.test/CGI-BIN/MQ30i.exe?docid=5:43&%6e=1\">"},
        {"<<link :43, n=1, Secure=0>>",
         "<a href=\"http://www.acme.test/CGI-BIN/MQ30i.exe?docid=5:43&%6e=1\">"},
        // A static link of such a page is secure whatever the parameter says.
        {"<<link :43, secure=0>>", "<a href=\"https://www.acme.test/site/news/members/"
                                   "account.html\">"},
        {"<<link :44>>", "<a href=\"../../site/shop/basket.html\">"},
        {"<<link :44, n=1>>", "<a href=\"/site/shop/CGI-BIN/MQ30i.exe?docid=5:44&%6e=1\">"},
        {"<<link :3@image>>", "<a href=\"../../site/news/img/logo.gif\">"},
        {"<<link \"5:3@image\", anchor=\"x\">>", "<a href=\"../../site/news/img/logo.gif\">"},
        // Another kind's key links to nothing.
        {"<<link :12@macro>>", "<a href=\"\">"},
        {"<<link :41, other=\"class=nav\", onMouseOver=\"hi()\", onClick=\"go()\", "
         "target=\"_top\">>",
         "<a href=\"../../site/news/p2.html\" class=nav onMouseOver=\"hi()\" onClick=\"go()\" "
         "target=\"_top\">"},
        {"<<link :41, onmouseover=\"hi()\", ONCLICK=\"go()\", Target=\"_top\">>",
         "<a href=\"../../site/news/p2.html\" onMouseOver=\"hi()\" onClick=\"go()\" "
         "target=\"_top\">"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Body(std::string(c.text) + "Go<</link>>"), std::string(c.anchor) + "Go</a>");
    }
    EXPECT_EQ(ErrorTexts(), std::vector<std::string>{});
}

TEST_F(LinkCommandTest, InterpreterLinksStartWithTheApplicationsPath) {
    TestApp().m_strCGIAppRelPath = "/scripts/";
    EXPECT_EQ(Body("<<link :42>>x<</link>>"), "<a href=\"/scripts/MQ30i.exe?docid=5:42\">x</a>");
}

TEST_F(LinkCommandTest, TheBodySeesTheLinksParameters) {
    EXPECT_EQ(Body("<<link :41, n=5>>n is <<print n>><</link>> <<print n>>"),
              "<a href=\"/CGI-BIN/MQ30i.exe?docid=5:41&%6e=5\">n is 5</a> ");
}

TEST_F(LinkCommandTest, ExtlinkLinksToItsText) {
    EXPECT_EQ(Body("<<extlink \"http://x.test/\", other=\"id=x\", onclick=\"c()\", "
                   "target=\"_blank\">>X<</extlink>>|<<extlink href=\"mailto:a@b.test\">>M"
                   "<</extlink>>"),
              "<a href=\"http://x.test/\" id=x onClick=\"c()\" target=\"_blank\">X</a>|"
              "<a href=\"mailto:a@b.test\">M</a>");
    EXPECT_EQ(Body("<<extlink :41>>X<</extlink>>"), "X");
    EXPECT_EQ(ErrorTexts(), std::vector<std::string>{"extlink: no valid link target specified"});
}

TEST_F(LinkCommandTest, ALinkInsideALinkIsRefusedAndLaterLinksWork) {
    const char* inner[] = {"<<link :41>>b<</link>>", "<<extlink \"http://x.test/\">>b<</extlink>>",
                           "<<media :19>>b<</media>>", "<<macro :12>>"};
    const char* errors[] = {
        "link: can't use a link inside a link", "extlink: can't use a link inside a link",
        "media: can't use a link inside a link", "link: can't use a link inside a link"};
    for (int i = 0; i < 4; i++) {
        SCOPED_TRACE(inner[i]);
        m_messages.Clear();
        std::string body =
            Body(std::string("<<link :42>>a") + inner[i] + "c<</link>><<link :41>>d<</link>>");
        std::string plain = i == 3 ? "offers" : "b";
        EXPECT_EQ(body, "<a href=\"/CGI-BIN/MQ30i.exe?docid=5:42\">a" + plain +
                            "c</a><a href=\"../../site/news/p2.html\">d</a>");
        EXPECT_EQ(ErrorTexts(), std::vector<std::string>{errors[i]});
    }
    // Outside a link the macro's link is written.
    EXPECT_EQ(Body("<<macro :12>>"), "<a href=\"../../site/news/p2.html\">offers</a>");
}

TEST_F(LinkCommandTest, BadKeysAreReportedWithTheirLineAndTheBodyIsWrittenPlain) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"<<link>>", "link: no valid page key specified"},
        {"<<link n=5>>", "link: no valid page key specified"},
        {"<<link \"none\">>", "link: no valid page key specified"},
        {"<<link k=3:99>>", "link: invalid page key k=3:99 specified"},
        {"<<link 3:99>>", "link: invalid page key 3:99 specified"},
        {"<<link :99@image>>", "link: invalid page key 5:99 specified"},
        {"<<link 0:99@image>>", "link: invalid page key 5:99 specified"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Body(std::string("a\n") + c.text + "b<</link>>"), "a\nb");
        ASSERT_FALSE(Errors().empty());
        EXPECT_EQ(Errors().back(), std::string("Page :40, Line 2: error: ") + c.error);
        m_messages.Clear();
    }
}

TEST_F(LinkCommandTest, PagesAndImagesLinkedAreDependencies) {
    Body("<<link :41>>a<</link>><<link :3@image>>b<</link>><<link :12@macro>>c<</link>>"
         "<<extlink \"http://x.test/\">>d<</extlink>>");
    EXPECT_EQ(DependentsOf(40), (std::vector<std::string>{"5:40@2 -> 5:41@2", "5:40@2 -> 5:3@4"}));
}

TEST_F(LinkCommandTest, AMacroPreviewLinksFromTheSiteRoot) {
    QZVantrelTemplate macro(QZKeyCombo(kDbId, 12, OBJ_MACRO), TRUE);
    ASSERT_EQ(macro.Preview(), 1);
    std::string file = ReadFile(UnderRoot("dev/site/Web1.html"));
    EXPECT_NE(file.find("<a href=\"/site/news/p2.html\">offers</a>"), std::string::npos) << file;
    EXPECT_TRUE(ErrorTexts().empty());
}

} // namespace
