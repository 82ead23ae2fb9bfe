// The fixture site converted page by page, as the site import converts it: each page's text,
// title, keywords, header, style and warnings against its golden report, and the rows that the
// conversion adds.
#include "tests/content/HTMLImportFixture.h"

#include <cstdlib>

namespace {

namespace fs = std::filesystem;

class HTMLSiteTest : public HTMLImportTest {
protected:
    fs::path SiteRoot() const { return TestDataDir() / "import" / "site"; }

    // What the conversion of page 5:id left: its text, its fields and the warnings about it.
    std::string Report(LONG id, const std::string& text) {
        const ContentKind& pages = ContentKindOf(OBJ_PAGE);
        std::string report = "== text\n" + text + "\n== title\n" + Text(pages, id, "Title") +
                             "\n== keywords\n" + Text(pages, id, "Keywords") + "\n== header\n" +
                             Text(pages, id, "Header") + "\n== style\n" +
                             std::to_string(Number(pages, id, "StyleDbID")) + ":" +
                             std::to_string(Number(pages, id, "StyleID")) + "\n== warnings\n";
        for (const std::string& warning : Warnings())
            report += warning + "\n";
        return report;
    }
};

TEST_F(HTMLSiteTest, EveryPageConvertsAsItsGoldenReport) {
    for (const Imported& file : ImportFolder(SiteRoot())) {
        if (file.key.m_ObjectType != OBJ_PAGE)
            continue;
        SCOPED_TRACE(file.relative);
        m_messages.Clear();
        std::string report =
            Report(file.key.m_KeyID, Convert(file.key.m_KeyID, SiteRoot(), file.relative));
        fs::path golden = TestDataDir() / "import" / "golden" / (file.relative + ".txt");
        if (std::getenv("MQ_UPDATE_GOLDEN") != nullptr)
            WriteFile(golden.string(), report);
        EXPECT_EQ(report, ReadFile(golden.string()));
    }
}

TEST_F(HTMLSiteTest, TheRowsTheConversionAdds) {
    for (const Imported& file : ImportFolder(SiteRoot()))
        if (file.key.m_ObjectType == OBJ_PAGE)
            Convert(file.key.m_KeyID, SiteRoot(), file.relative);

    EXPECT_EQ(Rows("Forms", "DbID, FormID, ServiceDbID, ServiceID, Title, ActionBody, ScriptBody"),
              (std::vector<std::string>{
                  "5|1|5|10|Hostile - Form|<<run \"cgi-bin/x.pl?a=&quot;b&quot;&c=&lt;&lt;run\">>|"
                  "\n<p>Inside the form</p>\n",
                  "5|2|5|10|Acme Home - Form|<<run \"cgi-bin/order.pl\">>|"
                  "\n<input type=\"text\" name=\"qty\"> <<image 5:201>>\n",
              }));
    EXPECT_EQ(
        Rows("MQ_Script",
             "DbID, ScriptID, ServiceDbID, ServiceID, SectionDbID, SectionID, Language, Type, "
             "ScriptBody"),
        (std::vector<std::string>{
            "5|1|5|10|5|20|NULL|NULL|if (a << 2) { document.write(\"<<run \\\"touch "
            "mq-import-ran\\\">>\"); }",
            "5|2|5|10|5|20|JavaScript|text/javascript|\nfunction hi() { return 1 < 2; }\n",
        }));
    EXPECT_EQ(Rows("MQ_ActiveX", "DbID, ObjectID, ServiceDbID, ServiceID, SectionDbID, SectionID, "
                                 "ClassID"),
              (std::vector<std::string>{"5|1|5|10|5|20|clsid:0A1B"}));
    // Pages with equal bodies share one style; the fixture's own style 5:30 came first.
    EXPECT_EQ(Rows("Styles",
                   "StyleID, ServiceDbID, ServiceID, StyleName, BackImageDbID, BackImageID, "
                   "BackColor, TextColor, LinkColor, UsedLinkColor, ActiveLinkColor",
                   "StyleID > 30"),
              (std::vector<std::string>{
                  "31|5|10|Style: Upper|0|0|NULL|NULL|NULL||NULL",
                  "32|5|10|Style: Hostile|0|0|'F\"00'|NULL|NULL||NULL",
                  "33|5|10|Style: Acme Home|5|200|FFFFEE|000033|0000CC|660066|CC0000",
              }));
    EXPECT_EQ(Count("SELECT * FROM Semaphor"), 0);
}

} // namespace
