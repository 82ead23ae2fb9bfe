// A page that uses forms, scripts and queries, generated from a real site database with real
// data databases and compared with its golden file; where forms post to; the Dependents rows;
// and every message of the form, query, script and row commands with its line.

#include "db/QZRecordsetCaches.h"
#include "tests/content/FormsFixture.h"

#include <filesystem>

namespace {

const char* const kPageText =
    "<h1>Forms and data</h1>\n"
    "<<set cat = \"tools\", greeting = \"Welcome\">>\n"
    "<<form :13>>\n"
    "<<form :14, onsubmit=\"return check(this)\", greeting=\"Hello\">>\n"
    "<<script :21>>\n"
    "<<script :22>>\n"
    "<table>\n"
    "<<query :31>><<firstrow>><tr><th>#</th><th>Name</th><th>Price</th></tr>\n"
    "<</firstrow>><tr><td><<print [rownumber]>>/<<print [rowcount]>></td>"
    "<td><<print [Name]>></td><td><<print [Price]>></td></tr>\n"
    "<<norows>><tr><td>No products</td></tr>\n"
    "<</query>>\n"
    "</table>\n"
    "<<query :32>><<firstrow>><h2>Orders</h2><</firstrow>>order <<print [OrderID]>>\n"
    "<<norows>><p>No orders yet.</p>\n"
    "<</query>>\n"
    "<ul><<query :33>><li><<print [rownumber]>>. <<print [Name]>></li><</query>></ul>\n"
    "<p><<print greeting>></p>\n";

class FormsPageTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        AddForm(13, "Search", "<input name=\"category\" value=\"<<print cat>>\">",
                "<<addrow :42, Customer=\"x\">>");
        AddForm(14, "Greeting", "<p><<print greeting>></p>");
        AddScript(21, "Category", "JavaScript", "text/javascript",
                  "var category = \"<<print cat>>\";");
        AddScript(22, "Plain", "VBScript", "", "msg = 1");
        AddPage(40, "Shop", "FileName, ScriptBody", "'shop.html', " + Quote(kPageText));
    }

    // Generates page 40; the file it wrote under the test's folder.
    std::string GenerateShop(const std::string& relative) {
        ClearRecordsetCaches();
        auto page = LoadPage(40);
        EXPECT_EQ(page->Generate(), 1);
        EXPECT_EQ(page->Save(), 1);
        return ReadFile(UnderRoot(relative));
    }
};

TEST_F(FormsPageTest, GeneratesFormsScriptsAndQueriesAsTheGoldenFileHasThem) {
    std::string file = GenerateShop("dev/site/news/shop.html");
    EXPECT_EQ(file, ReadFile((TestDataDir() / "content" / "forms_page.html").string()));
    EXPECT_TRUE(Errors().empty());
    EXPECT_EQ(DependentsOf(40), (std::vector<std::string>{"5:40@2 -> 5:13@13", "5:40@2 -> 5:14@13",
                                                          "5:40@2 -> 5:21@20", "5:40@2 -> 5:22@20",
                                                          "5:40@2 -> 5:31@5", "5:40@2 -> 5:32@5",
                                                          "5:40@2 -> 5:33@5"}));
    // The form's action text did not run: the page only shows the form.
    EXPECT_EQ(DataRows(ShopFile(), "SELECT * FROM Orders"), "");
}

TEST_F(FormsPageTest, TheProductionSwitchReadsTheProductionDataDatabases) {
    Db().SetProductionOutput(1);
    std::string file = GenerateShop("prod/site/news/shop.html");
    Db().SetProductionOutput(0);
    EXPECT_EQ(file, ReadFile((TestDataDir() / "content" / "forms_page_production.html").string()));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(FormsPageTest, FormsPostToTheSecureDirectoriesOfTheirPagesSection) {
    struct Case {
        const char* section;
        const char* serviceDirectory;
        const char* cgiPath;
        const char* file;
        const char* opening;
    } cases[] = {
        {"SecureCGI = 0", "site", "/CGI-BIN/", "dev/site/news/form.html",
         "<form method=\"post\" action=\"/CGI-BIN/MQ30i.exe\">"},
        {"SecureCGI = 1", "site", "/CGI-BIN/", "dev/site/news/form.html",
         "<form method=\"post\" action=\"/site/news/CGI-BIN/MQ30i.exe\">"},
        {"SecureCGI = 1", "", "/CGI-BIN/", "dev/news/form.html",
         "<form method=\"post\" action=\"/news/CGI-BIN/MQ30i.exe\">"},
        {"SecureCGI = 1, Directory = ''", "", "/cgi/", "dev/form.html",
         "<form method=\"post\" action=\"/cgi/MQ30i.exe\">"},
    };
    Update(ContentKindOf(OBJ_PAGE), 40, "FileName = 'form.html', ScriptBody = '<<form :14>>'");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opening);
        Update(ContentKindOf(OBJ_SECTION), kSection, c.section);
        Update(ContentKindOf(OBJ_SERVICE), kService,
               std::string("Directory = '") + c.serviceDirectory + "'");
        TestApp().m_strCGIAppRelPath = c.cgiPath;
        std::string file = GenerateShop(c.file);
        size_t start = file.find("<form ");
        ASSERT_NE(start, std::string::npos);
        EXPECT_EQ(file.substr(start, file.find('\n', start) - start), c.opening);
        // The hidden field names the form by its full key.
        EXPECT_NE(file.find("<input name=\"formid\" value=\"5:14\" type=hidden>"),
                  std::string::npos);
    }
    TestApp().m_strCGIAppRelPath = "/CGI-BIN/";
}

TEST_F(FormsPageTest, ACommandWhoseKeyLoadsNothingWritesNothingAndSaysWhy) {
    const char* const text = "[<<form>>]\n"
                             "[<<form :99>>]\n"
                             "[<<form f=:99>>]\n"
                             "[<<query>>x<<norows>>y<</query>>]\n"
                             "[<<query :99>>x<<norows>>y<</query>>]\n"
                             "[<<query q=:98>>x<<norows>>y<</query>>]\n"
                             "[<<query :44>>x<<norows>>y<</query>>]\n"
                             "[<<script>>]\n"
                             "[<<script :99>>]\n"
                             "[<<script s=:98>>]\n"
                             "[<<addrow :0>>]\n"
                             "[<<email :99>><<returnpage :99>><<generate :99>><<execquery :0>>]\n"
                             "[<<run \"\">>]\n"
                             "[<<run \"no-such-program-mq\">>]\n"
                             "[<<file \"\">>]\n"
                             "[<<printfile \"C:\\none.txt\">>]\n";
    Update(ContentKindOf(OBJ_PAGE), 40, "ScriptBody = " + Quote(text));
    std::string file = GenerateShop("dev/site/news/shop.html");
    size_t start = file.find(">\n", file.find("<body")) + 2;
    EXPECT_EQ(file.substr(start, file.find("</body>") - start),
              "[]\n[]\n[]\n[]\n[]\n[]\n[]\n[]\n[]\n[]\n[]\n[]\n[]\n[]\n[]\n[]\n");
    // An empty list is reported by the expression language as the text is parsed.
    EXPECT_EQ(Errors(), (std::vector<std::string>{
                            "Page :40, Line 1: error: operand expected",
                            "Page :40, Line 4: error: operand expected",
                            "Page :40, Line 8: error: operand expected",
                            "Page :40, Line 1: error: form: no valid form ID specified",
                            "Page :40, Line 2: error: form: invalid form key 5:99 specified",
                            "Page :40, Line 3: error: form: invalid form key f=5:99 specified",
                            "Page :40, Line 4: error: query: no query key specified",
                            "Page :40, Line 5: error: query: invalid query key 5:99 specified",
                            "Page :40, Line 6: error: query: invalid query key q=5:98 specified",
                            "Page :40, Line 7: error: query: Can't open query 5:44 ",
                            "Page :40, Line 8: error: script: no valid script key specified",
                            "Page :40, Line 9: error: script: invalid script key 5:99 specified",
                            "Page :40, Line 10: error: script: invalid script key s=5:98 specified",
                            "Page :40, Line 11: error: row action: no valid query key specified",
                            "Page :40, Line 13: error: run: no program specified",
                            "Page :40, Line 14: error: run: the program no-such-program-mq "
                            "unable to execute",
                            "Page :40, Line 15: error: file: no filename specified",
                            "Page :40, Line 16: error: file: can't open file C:\\none.txt for "
                            "reading",
                        }));
    // The query of a missing data file made no file.
    EXPECT_FALSE(std::filesystem::exists(UnderRoot("data/missing.mdb")));
    EXPECT_TRUE(DependentsOf(40).empty());
}

} // namespace
