// Converting imported pages into template text: the tokenizer, each tag's conversion, forms,
// scripts and objects left open or opened twice, the body's style, the head's fields, hostile
// text that must not run, and a converted hostile page generated.
#include "content/QZVantrelPage.h"
#include "content/import/QZHTMLContext.h"
#include "template/values/QZSymbol.h"
#include "tests/content/HTMLImportFixture.h"

#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class HTMLConverterTest : public HTMLImportTest {
protected:
    void SetUp() override {
        HTMLImportTest::SetUp();
        // The page at sub/index.html sees its neighbours through these.
        AddImported(Root(), "sub/pics/a.gif", QZKeyCombo(kDbId, 7, OBJ_IMAGE));
        AddImported(Root(), "sub/page2.html", QZKeyCombo(kDbId, 9, OBJ_PAGE));
        AddImported(Root(), "top.html", QZKeyCombo(kDbId, 11, OBJ_PAGE));
        AddImported(Root(), "sub/Applets/Clock.class", QZKeyCombo(kDbId, 12, OBJ_JAVA));
    }

    // Converts the HTML as the page sub/index.html (page 5:60 the first time, then on).
    std::string Sub(const std::string& html) {
        return ConvertText(m_nextPage++, html, "sub/index.html");
    }

    LONG m_nextPage = 60;
};

// ---- Tokenizer ----

TEST_F(HTMLConverterTest, TheTokenizerReadsTagsAsItsStateTableSays) {
    AddPage(50, "Scanner");
    auto page = LoadPage(50);
    QZHTMLContext scanner(page.get(), &m_names, Root().c_str(), Root().c_str());
    struct Case {
        const char* html;
        std::vector<std::string> tokens; // "token|text|attributes"
    } cases[] = {
        // The name holds letters only: "1" is skipped.
        {"<h1>", {"114|<h1>|"}},
        {"<A HREF=\"x y\" Title=z>", {"101|<A HREF=\"x y\" Title=z>|HREF=x y;Title=z"}},
        // Only double quotes delimit; a single quote belongs to a bare value.
        {"<img src='a b'>", {"100|<img src='a b'>|src='a;b="}},
        {"<img ismap src=\"a.gif\">", {"100|<img ismap src=\"a.gif\">|ismap=;src=a.gif"}},
        {"<a href=x HREF=y>", {"101|<a href=x HREF=y>|href=y"}},
        {"<a title=\"a>b\">", {"101|<a title=\"a>b\">|title=a>b"}},
        // Comments and declarations: what precedes the first letter is skipped.
        {"<!-- note x=1 -->", {"114|<!-- note x=1 -->|x=1"}},
        {"<!DOCTYPE html>", {"114|<!DOCTYPE html>|html="}},
        {"<>", {"114|<>|"}},
        {"</Form >", {"104|</Form >|"}},
        {"<meta http-equiv=Keywords>", {"111|<meta http-equiv=Keywords>|http=;equiv=Keywords"}},
        {"<p =x>", {"114|<p =x>|x="}},
        // A "<" followed by a space and a letter starts a tag in text.
        {"a < b c> d", {"112|a |", "114|< b c>|c=", "112| d|"}},
        {"x<", {"112|x|", "112|<|"}},
        {"<a href=\"open", {"101|<a href=\"open|href=open"}},
        {"<img src=", {"100|<img src=|src="}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html);
        scanner.BeginScan(c.html);
        std::vector<std::string> tokens;
        for (int token = scanner.NextToken(); token != QZHTMLContext::HTML_END;
             token = scanner.NextToken()) {
            std::string attributes;
            SymbolTable* table = scanner.GetSymbolTable();
            LONG seen = 0;
            for (QZSymbol* entry = table->GetFirst(); entry != nullptr && seen < table->GetCount();
                 entry = table->GetNext()) {
                if (entry->GetName().IsEmpty())
                    continue;
                seen++;
                attributes += (attributes.empty() ? "" : ";") + entry->GetName().str() + "=" +
                              entry->GetString().str();
            }
            std::string text(c.html + scanner.GetTokenStart(),
                             scanner.GetPosition() - scanner.GetTokenStart());
            tokens.push_back(std::to_string(token) + "|" + text + "|" + attributes);
        }
        EXPECT_EQ(tokens, c.tokens);
    }
}

// ---- Each tag ----

TEST_F(HTMLConverterTest, TagsBecomeCommandsNamingTheImportedObjects) {
    struct Case {
        const char* html;
        const char* text;
    } cases[] = {
        {"<img src=\"pics/a.gif\" width=10 ismap>", "<<image 5:7,width=10,ismap>>"},
        {"<img ISMAP SRC=pics/A.GIF>", "<<image 5:7,ismap>>"},
        {"<img src=\"http://x.test/pics/a.gif\" width=10>",
         "<img src=\"http://x.test/pics/a.gif\" width=10>"},
        {"<img src=\"\">", "<img src=\"\">"},
        {"<img src=\"pics/none.gif\">", "<img src=\"pics/none.gif\">"},
        {"<img src=\"./pics/../pics/a.gif\" alt=\"A &amp; B\" align=left usemap=\"#m\" vspace=2 "
         "hspace=1 border=0 height=5>",
         "<<image 5:7,height=5,hspace=1,vspace=2,border=0,alt=\"A &amp; B\",align=left,"
         "usemap=\"#m\">>"},
        {"<a href=\"page2.html#s2\" target=_top>Two</a>",
         "<<link 5:9,anchor=\"s2\",target=_top>>Two<</link>>"},
        {"<a href=\"pics/a.gif\" onclick=\"show()\" onmouseover=\"hi()\">A</a>",
         "<<media 5:7,onMouseOver=\"hi()\",onClick=\"show()\">>A<</media>>"},
        {"<a href=\"../top.html\">Top</a>", "<<link 5:11>>Top<</link>>"},
        {"<a href=\"/top.html\">Top</a>", "<<link 5:11>>Top<</link>>"},
        {"<a href=\"pics\\a.gif\">A</a>", "<<media 5:7>>A<</media>>"},
        {"<a href=\"http://x.test/a.html#b\">X</a>",
         "<<extlink \"http://x.test/a.html#b\">>X<</extlink>>"},
        {"<a name=\"n\">N</a>", "<a name=\"n\">N</a>"},
        {"<a href=\"#n\">N</a>", "<a href=\"#n\">N</a>"},
        {"<a href=\"\">E</a>", "<a href=\"\">E</a>"},
        {"<a href=\"page2.html?x=1\">Q</a>", "<a href=\"page2.html?x=1\">Q</a>"},
        {"</a>", "</a>"},
        {"<form method=get action=\"s.pl\"><input name=q></form>",
         "<form method=get action=\"s.pl\"><input name=q></form>"},
        {"<form method=post><input></form>", "<form method=post><input></form>"},
        {"<html><body></body></html>", ""},
        {"a < b c> d", "a < b c> d"},
        {"<applet code=\"Clock.class\" codebase=\"Applets\" width=9 title=\"T\">x</applet>",
         "<<java 5:12,width=9,title=\"T\">>x<</java>>"},
        {"<applet code=\"None.class\">x</applet>", "<applet code=\"None.class\">x</applet>"},
        {"<frame src=\"page2.html\">", "<frame src=\"page2.html\">"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html);
        EXPECT_EQ(Sub(c.html), c.text);
    }
}

TEST_F(HTMLConverterTest, TheHeadGoesIntoThePagesFields) {
    const ContentKind& pages = ContentKindOf(OBJ_PAGE);
    std::string text = Sub("<head><title>Sp</title><title>Spring</title>"
                           "<meta http-equiv=keywords content=\"a, b\">"
                           "<meta http-equiv=\"Keywords\">"
                           "<meta http-equiv=refresh content=5>"
                           "<meta name=author content=me>"
                           "<link rel=x></head><p>Body</p>");
    EXPECT_EQ(text, "<meta name=author content=me><p>Body</p>");
    EXPECT_EQ(Text(pages, 60, "Title"), "Spring");
    // A keywords tag without content repeats the last content given.
    EXPECT_EQ(Text(pages, 60, "Keywords"), "a, b");
    EXPECT_EQ(Text(pages, 60, "Header"), "<meta http-equiv=refresh content=5><link rel=x>");
}

TEST_F(HTMLConverterTest, AHeadLeftOpenEndsWhereTheBodyBeginsOrTheTextEnds) {
    const ContentKind& pages = ContentKindOf(OBJ_PAGE);
    EXPECT_EQ(Sub("<head><style>s</style><body><p>Body</p>"), "<p>Body</p>");
    EXPECT_EQ(Text(pages, 60, "Header"), "<style>s</style>");
    EXPECT_EQ(Sub("<head><style>t</style>"), "");
    EXPECT_EQ(Text(pages, 61, "Header"), "<style>t</style>");
}

// ---- Forms, scripts and objects ----

TEST_F(HTMLConverterTest, AFormThatPostsBecomesAFormRow) {
    EXPECT_EQ(Sub("<p>Order</p><FORM Method=Post Action=\"cgi/o.pl\" target=_self "
                  "onsubmit=\"return ok()\"><img src=pics/a.gif></form><p>After</p>"),
              "<p>Order</p><<form 5:1,target=_self,onSubmit=\"return ok()\">><p>After</p>");
    EXPECT_EQ(Rows("Forms", "ServiceDbID, ServiceID, Title, ActionBody, ScriptBody"),
              std::vector<std::string>{"5|10|Imported page - Form|<<run \"cgi/o.pl\">>|"
                                       "<<image 5:7>>"});
    EXPECT_EQ(Warnings(), std::vector<std::string>{
                              "Page :60: warning: The action of form 5:1 became the run command "
                              "<<run \"cgi/o.pl\">>"});
}

TEST_F(HTMLConverterTest, TheFormTitleTakesFortyThreeCharactersOfThePageTitle) {
    std::string title = std::string(40, 'a') + "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9";
    AddPage(70, title, "ScriptBody", "'<form method=post action=x></form>'");
    Convert(70, Root(), "index.html");
    EXPECT_EQ(Rows("Forms", "Title"),
              std::vector<std::string>{std::string(40, 'a') + "\xc3\xa9\xc3\xa9\xc3\xa9 - Form"});
}

struct OpenCase {
    const char* label;
    const char* html;
    const char* text;
    std::vector<std::string> forms;   // ScriptBody of each form
    std::vector<std::string> scripts; // ScriptBody of each script
    long objects;
};

class OpenElementTest : public HTMLConverterTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenElementTest, IsClosedAsItsClosingTagWouldWithNoRowLeftClaimed) {
    const OpenCase& c = GetParam();
    EXPECT_EQ(Sub(c.html), c.text);
    EXPECT_EQ(Rows("Forms", "ScriptBody"), c.forms);
    EXPECT_EQ(Rows("MQ_Script", "ScriptBody"), c.scripts);
    EXPECT_EQ(Count("SELECT * FROM MQ_ActiveX"), c.objects);
    EXPECT_EQ(Count("SELECT * FROM Semaphor"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    FormsScriptsAndObjects, OpenElementTest,
    ::testing::Values(
        OpenCase{"form left open",
                 "<p>Before</p><form method=post action=a><p>In</p>",
                 "<p>Before</p><<form 5:1>>",
                 {"<p>In</p>"},
                 {},
                 0},
        OpenCase{"form opened twice",
                 "<form method=post action=a><p>1</p><form method=post action=b><p>2</p></form>"
                 "<p>3</p>",
                 "<<form 5:1>><<form 5:2>><p>3</p>",
                 {"<p>1</p>", "<p>2</p>"},
                 {},
                 0},
        OpenCase{"script left open",
                 "<p>x</p><script>var a = 1;",
                 "<p>x</p><<script 5:1>>",
                 {},
                 {"var a = 1;"},
                 0},
        OpenCase{"script inside a script",
                 "<script>a<script>b</script>c",
                 "<<script 5:1>>c",
                 {},
                 {"a<script>b"},
                 0},
        OpenCase{"script left open in a form",
                 "<form method=post action=a><script>s</form>t",
                 "<<form 5:1>>",
                 {"<<script 5:1>>"},
                 {"s</form>t"},
                 0},
        OpenCase{"object closed with its form",
                 "<form method=post action=a><object classid=c>o</form>t",
                 "<<form 5:1>>t",
                 {"<<activex 5:1>>o<</activex>>"},
                 {},
                 1},
        OpenCase{"object left open",
                 "<object classid=c><param name=a>",
                 "<<activex 5:1>><param name=a><</activex>>",
                 {},
                 {},
                 1},
        OpenCase{"object opened twice",
                 "<object classid=c>1<object classid=d>2</object>3</object>",
                 "<<activex 5:1>>1<</activex>><<activex 5:2>>2<</activex>>3</object>",
                 {},
                 {},
                 2},
        OpenCase{
            "script in a head left open", "<head><script>h<p>b</p>", "", {}, {"h<p>b</p>"}, 0}),
    [](const ::testing::TestParamInfo<OpenCase>& info) {
        std::string name = info.param.label;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST_F(HTMLConverterTest, AScriptBecomesAScriptRowOfThePagesServiceAndSection) {
    EXPECT_EQ(Sub("<script language=JavaScript type=\"text/javascript\">x=1;</script>"
                  "<script>if (a<<1) b();</script>"),
              "<<script 5:1,type=\"text/javascript\">><<script 5:2>>");
    EXPECT_EQ(Rows("MQ_Script",
                   "ServiceDbID, ServiceID, SectionDbID, SectionID, Language, Type, ScriptBody"),
              (std::vector<std::string>{"5|10|5|20|JavaScript|text/javascript|x=1;",
                                        "5|10|5|20|NULL|NULL|if (a<<1) b();"}));
    EXPECT_EQ(Warnings(), std::vector<std::string>{
                              "Page :60: warning: The script 5:2 holds \"<<\", which runs as a "
                              "template command"});
}

TEST_F(HTMLConverterTest, TextSkippedBeforeAClosingTagStaysInTheScript) {
    EXPECT_EQ(Sub("<script>if (1 < 2) go();</script><p>after</p>"), "<<script 5:1>><p>after</p>");
    EXPECT_EQ(Rows("MQ_Script", "ScriptBody"), std::vector<std::string>{"if (1 < 2) go();"});
}

TEST_F(HTMLConverterTest, AnObjectBecomesAnActiveXRowAndItsFallbackStaysLiteral) {
    EXPECT_EQ(Sub("<object classid=\"clsid:AB\" data=\"d.dat\" type=\"t/x\" name=n title=\"T\" "
                  "notab shapes border=1><param name=p value=v>"
                  "<object data=x.gif>Fallback</object></object>"),
              "<<activex 5:1,border=1,data=\"d.dat\",type=\"t/x\",name=\"n\",title=\"T\",notab,"
              "shapes>><param name=p value=v><object data=x.gif>Fallback</object><</activex>>");
    EXPECT_EQ(Rows("MQ_ActiveX", "ServiceDbID, ServiceID, SectionDbID, SectionID, ClassID"),
              std::vector<std::string>{"5|10|5|20|clsid:AB"});
    EXPECT_EQ(Sub("<object data=x.gif>Plain</object>"), "<object data=x.gif>Plain</object>");
}

// ---- The body's style ----

TEST_F(HTMLConverterTest, PagesWithEqualBodiesShareOneStyle) {
    const ContentKind& pages = ContentKindOf(OBJ_PAGE);
    const char* bodies[] = {
        "<body>",
        "<body bgcolor='F\"00' text=\"#102030\">",
        "<body BGCOLOR='F\"00' TEXT=\"#102030\" onload=\"go()\" class=x>",
        "<body>",
        "<body bgcolor=\"#FFFFFF\" background=\"pics/a.gif\">",
        "<body bgcolor=\"FFFFFF\" background=\"pics/a.gif\">",
    };
    for (const char* body : bodies)
        Sub(body);
    auto style = [&](LONG id) { return Number(pages, id, "StyleID"); };
    EXPECT_EQ(style(60), 31);
    EXPECT_EQ(style(61), 32);
    EXPECT_EQ(style(62), 32);
    EXPECT_EQ(style(63), 31);
    EXPECT_EQ(style(64), 33);
    EXPECT_EQ(style(65), 33);
    EXPECT_EQ(Rows("Styles", "StyleName, BackImageDbID, BackImageID, BackColor, TextColor",
                   "StyleID > 30"),
              (std::vector<std::string>{"Style: Imported page|0|0|NULL|NULL",
                                        "Style: Imported page|0|0|'F\"00'|102030",
                                        "Style: Imported page|5|7|FFFFFF|NULL"}));
    EXPECT_EQ(Warnings(), std::vector<std::string>{"Page :62: warning: The body attributes "
                                                   "onload, class were not imported"});
}

TEST_F(HTMLConverterTest, AStyleIsLookedUpInThePagesServiceOnly) {
    Insert("Styles",
           "DbID, StyleID, StyleName, ServiceDbID, ServiceID, BackImageDbID, "
           "BackImageID, BackColor, Deleted",
           "5, 40, 'Other service', 5, 99, 0, 0, '123456', 0");
    Sub("<body bgcolor=#123456>");
    EXPECT_EQ(Number(ContentKindOf(OBJ_PAGE), 60, "StyleID"), 41);
}

// ---- Hostile text ----

TEST_F(HTMLConverterTest, ImportedTextCannotBecomeLiveTemplateText) {
    struct Case {
        const char* html;
        const char* text;
    } cases[] = {
        {"a <<print x>> b", "a &lt;<print x>> b"},
        {"a<<<b>", "a&lt;&lt;<b>"},
        {"tail <", "tail &lt;"},
        {"<p title=\"<<run\">", "<p title=\"&lt;<run\">"},
        {"a // b", "a /&#47; b"},
        {"//x", "/&#47;x"},
        {"a///b", "a/&#47;/b"},
        {"see http://x.test/a//b ok", "see http://x.test/a/&#47;b ok"},
        {"x:////y", "x:////y"},
        {"<//x>", "</&#47;x>"},
        {"<img src=pics/a.gif alt=\"a > b\" width=1\">",
         "<<image 5:7,width=1&quot;,alt=\"a &gt; b\">>"},
        {"<a href=\"http://x.test/?q=<<run>>\">x</a>",
         "<<extlink \"http://x.test/?q=&lt;&lt;run&gt;&gt;\">>x<</extlink>>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.html);
        EXPECT_EQ(Sub(c.html), c.text);
    }
}

TEST_F(HTMLConverterTest, AConvertedHostilePageGeneratedTouchesNoFileAndRunsNothing) {
    fs::path site = TestDataDir() / "import" / "site";
    for (const Imported& file : ImportFolder(site)) {
        if (file.relative != "hostile.html")
            continue;
        Convert(file.key.m_KeyID, site, file.relative);
        auto page = LoadPage(file.key.m_KeyID);
        EXPECT_EQ(page->Generate(), 1);
        std::vector<std::string> files = FilesIn("dev/site/news");
        ASSERT_EQ(files.size(), 1u);
        std::string output = ReadFile(UnderRoot("dev/site/news/" + files[0]));
        EXPECT_NE(output.find("<p>Text &lt;<writefile \"mq-import-pwned.txt\", \"owned\">> and "
                              "&lt;<readfile \"/etc/hostname\", secret>>&lt;<print secret>> and "
                              "&lt;<run \"touch mq-import-ran\">>.</p>"),
                  std::string::npos);
        EXPECT_NE(output.find("<p>A comment /&#47; that must stay"), std::string::npos);
        EXPECT_NE(output.find("<p title=\"&lt;<print title>>\">"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists("mq-import-pwned.txt"));
    EXPECT_FALSE(fs::exists("mq-import-ran"));
    EXPECT_TRUE(m_boxes.shown().empty());
}

} // namespace
