// The server actions of a form's or event's run: email compiles a message whose output
// collects in it, returnpage answers the request once with a page run as a dynamic page,
// generate writes a page's file; messages, events and scripts as objects: their output, their
// log lines, and saving their texts in the parser's form.

#include "content/QZVantrelEvent.h"
#include "content/QZVantrelForm.h"
#include "content/QZVantrelMessage.h"
#include "content/QZVantrelScript.h"
#include "db/QZRecordsetCaches.h"
#include "template/values/SymbolTable.h"
#include "tests/content/FormsFixture.h"

#include <filesystem>

namespace {

class ServerActionsTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        AddForm(60, "Order", "<p>page text</p>");
        AddMacro(12, "Signature", "-- Acme");
        AddMessage(70, "Thanks",
                   "Dear <<print who>>,\n<<macro :12>>\n<<addrow :42, Customer=who>>");
        AddPage(45, "Thanks", "FileName, ScriptBody",
                "'thanks.html', '<p>Thanks <<print who>></p>'");
        AddPage(46, "Fresh", "FileName, ScriptBody", "'fresh.html', '<p><<print note>></p>'");
        AddPage(47, "Dynamic", "FileName, ScriptBody", "'dynamic.html', 'x'");
        Update(ContentKindOf(OBJ_PAGE), 47, "Dynamic = 1");
    }
    // Runs form 60 with this action text on behalf of a request, `runs` times; the output of
    // each run.
    std::vector<std::string> RunAction(const std::string& action, int runs = 1) {
        Update(ContentKindOf(OBJ_FORM), 60, "ActionBody = " + Quote(action));
        QZVantrelMemoFld request;
        Captured<QZVantrelForm> form(QZKeyCombo(kDbId, 60, OBJ_FORM), FALSE, &request);
        std::vector<std::string> outputs;
        for (int run = 0; run < runs; run++)
            outputs.push_back(form.Run());
        return outputs;
    }
    std::string Customers() {
        return DataRows(ShopFile(), "SELECT Customer FROM Orders ORDER BY OrderID");
    }
    static size_t Count(const std::string& text, const std::string& part) {
        size_t count = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            count++;
        return count;
    }
};

TEST_F(ServerActionsTest, AMessageCollectsItsOutputInTheFirstTextOnly) {
    QZVantrelMemoFld request;
    request.GetSymbolTable()->SetString("who", "Ann");
    QZVantrelMessage message(QZKeyCombo(kDbId, 70, OBJ_MESSAGE), FALSE, &request);
    ASSERT_TRUE(message.IsLoaded());
    EXPECT_EQ(message.Compile(), 1);
    EXPECT_EQ(message.GetOutput(0).str(), "Dear Ann,\n-- Acme\n");
    // A second compile replaces the first one's output.
    EXPECT_EQ(message.Compile(), 1);
    EXPECT_EQ(message.GetOutput(0).str(), "Dear Ann,\n-- Acme\n");
    for (int part = 1; part < QZVantrelMessage::kOutputParts; part++)
        EXPECT_EQ(message.GetOutput(part).str(), "") << part;
    message.SetOutputPart(7);
    message.AppendOutput("lost");
    EXPECT_EQ(message.GetOutput(0).str(), "Dear Ann,\n-- Acme\n");
    EXPECT_EQ(Customers(), "Ann;Ann");
    EXPECT_FALSE(std::filesystem::exists(UnderRoot("dev")));
}

TEST_F(ServerActionsTest, EmailCompilesItsMessageInAnActionRunOnly) {
    TestApp().m_bVerboseMessages = TRUE;
    RunAction("<<email :70, who=\"Bob\">>");
    EXPECT_EQ(Customers(), "Bob");
    EXPECT_EQ(m_messages.displays(),
              (std::vector<std::string>{"Form :60: Compiling", "Message :70: Compiling",
                                        "Macro :12: Compiling", "Macro :12: Done",
                                        "Message :70: Done", "Form :60: Done"}));
    // In a page's text it only evaluates its parameters.
    m_messages.Clear();
    AddPage(40, "Page", "FileName, ScriptBody", "'page.html', '<<email :70, who=\"Cy\">>'");
    EXPECT_EQ(LoadPage(40)->Generate(), 1);
    EXPECT_EQ(Customers(), "Bob");
    for (const std::string& line : m_messages.displays())
        EXPECT_EQ(line.find("Message"), std::string::npos) << line;
}

TEST_F(ServerActionsTest, EmailNamesAKeyThatLoadsNoMessageAndCompilesNothing) {
    TestApp().m_bVerboseMessages = TRUE;
    RunAction("<<email 0>>\n<<email :99>>\n<<email m=:98>>");
    EXPECT_EQ(
        m_messages.displays(),
        (std::vector<std::string>{
            "Form :60: Compiling", "Form :60, Line 1: error: email: no valid message ID specified",
            "Form :60, Line 2: error: email: invalid message ID 5:99 specified",
            "Form :60, Line 3: error: email: invalid message ID m=5:98 specified",
            "Form :60: Done"}));
    EXPECT_EQ(Customers(), "");
}

TEST_F(ServerActionsTest, ReturnpageAnswersOncePerRun) {
    std::vector<std::string> outputs =
        RunAction("<<returnpage :45, who=\"Ann\">><<returnpage :45, who=\"Bob\">>", 2);
    for (const std::string& output : outputs) {
        EXPECT_EQ(output.rfind("Content-type: text/html\r\n<html>\n", 0), 0u) << output;
        EXPECT_EQ(Count(output, "Content-type"), 1u);
        EXPECT_EQ(Count(output, "<p>Thanks Ann</p></body>\n</html>\n"), 1u);
        EXPECT_EQ(Count(output, "Bob"), 0u);
    }
    EXPECT_TRUE(Errors().empty());
}

TEST_F(ServerActionsTest, ReturnpageLeavesTheCachedPageStatic) {
    RunAction("<<returnpage :45, who=\"Ann\">><<generate :45, who=\"Cy\">>");
    QZVantrelPage cached(QZKeyCombo(kDbId, 45, OBJ_PAGE), FALSE);
    EXPECT_EQ(cached.GetRecordset()->m_Dynamic, 0);
    // The page the run returned as a dynamic page is still generated as a static one.
    std::string file = ReadFile(UnderRoot("dev/site/news/thanks.html"));
    EXPECT_NE(file.find("<p>Thanks Cy</p>"), std::string::npos) << file;
    EXPECT_TRUE(Errors().empty());
}

TEST_F(ServerActionsTest, AnEventAnswersOnBehalfOfItsCallerAPageNever) {
    AddEvent(80, "Nightly", "<<returnpage :45, who=\"Eve\">>");
    QZVantrelMemoFld request;
    Captured<QZVantrelEvent> event(QZKeyCombo(kDbId, 80, OBJ_EVENT), FALSE, &request);
    std::string output = event.Run();
    EXPECT_EQ(output.rfind("Content-type: text/html\r\n", 0), 0u);
    EXPECT_EQ(Count(output, "<p>Thanks Eve</p>"), 1u);
    AddPage(40, "Page", "FileName, ScriptBody", "'page.html', '[<<returnpage :45>>]'");
    EXPECT_EQ(LoadPage(40)->Generate(), 1);
    std::string page = ReadFile(UnderRoot("dev/site/news/page.html"));
    EXPECT_NE(page.find("[]"), std::string::npos);
    EXPECT_EQ(Count(page, "Content-type"), 0u);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(ServerActionsTest, GenerateWritesThePageFileInAnActionRun) {
    RunAction("<<generate :46, note=\"fresh\">>\n<<generate :47>>");
    EXPECT_NE(ReadFile(UnderRoot("dev/site/news/fresh.html")).find("<p>fresh</p>"),
              std::string::npos);
    // A dynamic page is never generated.
    EXPECT_FALSE(std::filesystem::exists(UnderRoot("dev/site/news/dynamic.html")));
    EXPECT_TRUE(Errors().empty());
    EXPECT_TRUE(DependentsOf(60).empty());
}

TEST_F(ServerActionsTest, ReturnpageAndGenerateNameAKeyThatLoadsNoPage) {
    RunAction("<<returnpage 0>>\n<<returnpage :99>>\n<<returnpage p=:98>>\n"
              "<<generate 0>>\n<<generate :99>>\n<<generate g=:98>>");
    EXPECT_EQ(Errors(),
              (std::vector<std::string>{
                  "Form :60, Line 1: error: no valid page key specified",
                  "Form :60, Line 2: error: returnpage: invalid page key 5:99 specified",
                  "Form :60, Line 3: error: returnpage: invalid page key p=5:98 specified",
                  "Form :60, Line 4: error: no valid page key specified",
                  "Form :60, Line 5: error: generate: invalid page key 5:99 specified",
                  "Form :60, Line 6: error: generate: invalid page key g=5:98 specified"}));
    EXPECT_FALSE(std::filesystem::exists(UnderRoot("dev")));
}

TEST_F(ServerActionsTest, AnEventRunDefinesTheRequestsVariablesButNoLastChangedAndLogsNothing) {
    TestApp().m_bVerboseMessages = TRUE;
    AddEvent(80, "Nightly",
             "<<print Date>><<print \"|\">><<print Time>><<print \"|\">><<print Webmaster>>"
             "<<print \"|\">><<print lastchanged>>");
    Update(ContentKindOf(OBJ_EVENT), 80, "LastChanged = #2024-02-01 09:00:00#");
    Captured<QZVantrelEvent> event(QZKeyCombo(kDbId, 80, OBJ_EVENT), FALSE);
    EXPECT_EQ(event.Run(), "Mar 05, 2024|10:20:30|webmaster@acme.test|");
    EXPECT_TRUE(m_messages.lines().empty());
}

TEST_F(ServerActionsTest, CompilesOfScriptsAndMessagesAreLoggedAsDetail) {
    TestApp().m_bVerboseMessages = TRUE;
    AddScript(21, "Empty", "JavaScript", "", "");
    AddMessage(71, "Empty", "");
    QZVantrelScript script(QZKeyCombo(kDbId, 21, OBJ_SCRIPT), FALSE);
    QZVantrelMessage message(QZKeyCombo(kDbId, 71, OBJ_MESSAGE), FALSE);
    EXPECT_EQ(script.Compile(), 1);
    EXPECT_EQ(message.Compile(), 1);
    EXPECT_EQ(message.GetOutput(0).str(), "");
    std::vector<std::pair<int, std::string>> lines;
    for (const auto& line : m_messages.lines())
        lines.emplace_back(line.kind, line.display);
    EXPECT_EQ(lines, (std::vector<std::pair<int, std::string>>{{3, ":21: Compiling"},
                                                               {3, ":21: Done"},
                                                               {3, "Message :71: Compiling"},
                                                               {3, "Message :71: Done"}}));
}

TEST_F(ServerActionsTest, SavingStoresEachTextInTheParsersForm) {
    AddEvent(80, "Nightly", "");
    AddScript(21, "Script", "JavaScript", "", "");
    AddMessage(71, "Message", "");
    const char* const raw = "a<<dump   >><<printfile  \"x\">>";
    const char* const normal = "a<<dump>><<file \"x\">>";
    {
        QZVantrelForm form(QZKeyCombo(kDbId, 60, OBJ_FORM), TRUE);
        form.SetText(raw);
        form.SetActionBody(raw);
        EXPECT_EQ(form.Save(), 1);
        EXPECT_EQ(Text(ContentKindOf(OBJ_FORM), 60, "ScriptBody"), normal);
        EXPECT_EQ(Text(ContentKindOf(OBJ_FORM), 60, "ActionBody"), normal);
        // An empty action text stays empty.
        form.SetText(raw);
        form.SetActionBody("");
        EXPECT_EQ(form.Save(), 1);
        EXPECT_EQ(Text(ContentKindOf(OBJ_FORM), 60, "ScriptBody"), normal);
        EXPECT_EQ(Text(ContentKindOf(OBJ_FORM), 60, "ActionBody"), "");
    }
    struct Case {
        SHORT type;
        LONG id;
        const char* column;
    } cases[] = {
        {OBJ_EVENT, 80, "ScriptBody"}, {OBJ_SCRIPT, 21, "ScriptBody"}, {OBJ_MESSAGE, 71, "Body"}};
    for (const Case& c : cases) {
        const ContentKind& kind = ContentKindOf(c.type);
        SCOPED_TRACE(kind.label);
        auto object = kind.load(QZKeyCombo(kDbId, c.id, c.type), TRUE);
        auto& text = dynamic_cast<QZVantrelTemplate&>(*object);
        text.SetText(raw);
        EXPECT_EQ(text.Save(), 1);
        EXPECT_EQ(Text(kind, c.id, c.column), normal);
        EXPECT_EQ(text.GetText().str(), normal);
    }
}

} // namespace
