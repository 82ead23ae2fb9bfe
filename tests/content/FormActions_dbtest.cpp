// A form's action run on behalf of a request: the row commands change a real data database
// and say how it went in DbError and DbErrorCode, execquery runs an action query, the built-in
// variables of the request, its log lines; and a form built alone, which runs the generation
// operations and writes nowhere.

#include "content/CreateVantrelObject.h"
#include "content/QZVantrelForm.h"
#include "tests/content/FormsFixture.h"

#include <filesystem>
#include <memory>

namespace {

class FormActionsTest : public FormsTest {
protected:
    // Runs form 60 with this action text on behalf of a request; its output. The text first
    // makes DbErrorCode a variable of its scope, so that the commands after the row commands
    // read the one the row commands set (DbError is a reserved word, seen everywhere).
    std::string RunAction(const std::string& action) {
        Update(ContentKindOf(OBJ_FORM), 60,
               "ActionBody = " + Quote("<<set DbErrorCode = \"\">>" + action));
        QZVantrelMemoFld request;
        Captured<QZVantrelForm> form(QZKeyCombo(kDbId, 60, OBJ_FORM), TRUE, &request);
        return form.Run();
    }
    std::string Products() {
        return DataRows(ShopFile(), "SELECT ProductID, Name, Category, Price FROM Products "
                                    "ORDER BY ProductID");
    }
    void SetUp() override {
        FormsTest::SetUp();
        AddForm(60, "Order", "<p>page text</p>");
    }

    // Literal text is not written in an action run: the brackets are printed.
    static constexpr const char* kResult =
        "<<print \"[\">><<print DbError>><<print \"|\">><<print DbErrorCode>><<print \"]\">>";
};

TEST_F(FormActionsTest, RowCommandsChangeTheDataDatabase) {
    EXPECT_EQ(
        RunAction(std::string("<<addrow :41, Name=\"Bolt\", Category=\"tools\", Price=1.5>>") +
                  kResult + "<<editrow :41, ProductID=1, Price=13>>" + kResult +
                  "<<delrow :41, ProductID=4>>" + kResult),
        "[|][|][|]");
    EXPECT_EQ(Products(), "1,Hammer,tools,13;2,Saw,tools,20;3,Drill,tools,99.5;5,Bolt,tools,1.5");
    EXPECT_TRUE(Errors().empty());
}

TEST_F(FormActionsTest, DbErrorAndDbErrorCodeSayHowARowCommandWent) {
    std::string missing = UnderRoot("data/missing.mdb");
    struct Case {
        std::string command;
        std::string result;
    } cases[] = {
        {"<<addrow :41, Name=\"Bolt\">>", "[|]"},
        {"<<addrow :99, Name=\"Bolt\">>", "[AddRow Failed: Invalid Query/Table Key|MQ Error]"},
        {"<<delrow :99, ProductID=1>>", "[DelRow Failed: Invalid Query/Table Key|MQ Error]"},
        {"<<editrow :99, ProductID=1>>", "[EditRow Failed: Invalid Query/Table Key|MQ Error]"},
        {"<<addrows :99, source=rows>>", "[AddRows Failed: Invalid Query/Table Key|MQ Error]"},
        {"<<editrows :99, source=rows>>", "[EditRows Failed: Invalid Query/Table Key|MQ Error]"},
        {"<<editrow :41, ProductID=999, Price=1>>",
         "[EditRow Failed: Unable to find row.|MQ Error]"},
        {"<<delrow :41, ProductID=999>>", "[DelRow Failed: Unable to find row.|MQ Error]"},
        {"<<addrow :44, Name=\"Bolt\">>",
         "[AddRow Failed: Could not find the database file '" + missing + "'.|3024]"},
        {"<<delrow :44, ProductID=1>>",
         "[DelRow Failed: Could not find the database file '" + missing + "'.|3024]"},
        {"<<editrows :44, source=rows>>",
         "[EditRows Failed: Could not find the database file '" + missing + "'.|3024]"},
        // Without a key the variables stay as they were; without an array nothing happens.
        {"<<delrow :0>>", "[EditRow Failed: Unable to find row.|MQ Error]"},
        {"<<addrows :41, source=5>>", "[EditRow Failed: Unable to find row.|MQ Error]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        // What a command leaves as it was is what this one set.
        EXPECT_EQ(RunAction("<<set rows.1.Name = \"Nut\">><<editrow :41, ProductID=999>>" +
                            c.command + kResult),
                  c.result);
    }
    EXPECT_EQ(Errors(), std::vector<std::string>{
                            "Form :60, Line 1: error: row action: no valid query key specified"});
    // The engine's number is a number.
    EXPECT_EQ(RunAction("<<addrow :44>><<print DbErrorCode + 1>>"), "3025");
    EXPECT_FALSE(std::filesystem::exists(UnderRoot("data/missing.mdb")));
}

TEST_F(FormActionsTest, AnOperationThatFailsIsAnMqError) {
    std::string result = RunAction(std::string("<<addrow :41, Category=\"tools\">>") + kResult);
    EXPECT_EQ(result.rfind("[AddRow Failed: ", 0), 0u) << result;
    EXPECT_EQ(result.substr(result.size() - 10), "|MQ Error]");
    EXPECT_EQ(Products(), "1,Hammer,tools,12.5;2,Saw,tools,20;3,Drill,tools,99.5;4,Apple,food,0.5");
}

TEST_F(FormActionsTest, ArrayMembersActOnEveryRecordAndCountTheRowsThatFail) {
    std::string added =
        RunAction("<<set rows.1.Name = \"Nut\", rows.2.Price = 3, rows.3.Name = \"Washer\", "
                  "rows.3.Category = \"parts\", rows.4 = 5>>"
                  "<<addrows :41, Category=\"tools\", Price=0.25, source=rows>>" +
                  std::string(kResult));
    std::string failure =
        RunAction(std::string("<<addrow :41, Category=\"tools\", Price=3>>") + "<<print DbError>>");
    EXPECT_EQ(added, "[AddRows 1 Rows Failed: " + failure + "<br>|MQ Error]");
    EXPECT_EQ(Products(), "1,Hammer,tools,12.5;2,Saw,tools,20;3,Drill,tools,99.5;4,Apple,food,0.5;"
                          "5,Nut,tools,0.25;6,Washer,parts,0.25");
    EXPECT_EQ(RunAction("<<set e.1.ProductID = 1, e.1.Price = 11, e.2.ProductID = 2>>"
                        "<<editrows :41, Price=21, source=e>>" +
                        std::string(kResult)),
              "[|]");
    EXPECT_EQ(DataRows(ShopFile(), "SELECT Price FROM Products WHERE ProductID < 3 "
                                   "ORDER BY ProductID"),
              "11;21");
}

TEST_F(FormActionsTest, ExecqueryRunsActionQueriesOnly) {
    EXPECT_EQ(RunAction("<<execquery :43, delta=1>>"), "");
    EXPECT_EQ(DataRows(ShopFile(), "SELECT Price FROM Products ORDER BY ProductID"),
              "13.5;21;100.5;1.5");
    EXPECT_TRUE(Errors().empty());
    // A table is refused by the action set itself.
    EXPECT_EQ(RunAction("\n<<execquery :41>>"), "");
    EXPECT_EQ(m_boxes.texts(),
              std::vector<std::string>{
                  "Cannot use a query specified as TableDef to perform ExecuteQuery!"});
    EXPECT_TRUE(Errors().empty());
    RunAction("<<execquery :44>>\n<<execquery q=:99>>\n<<execquery 5>>");
    EXPECT_EQ(Errors(), (std::vector<std::string>{
                            "Form :60, Line 1: error: execquery: database exception "
                            "(querykey = 5:44)",
                            "Form :60, Line 2: error: execquery: database exception "
                            "(querykey = 5:99)",
                            "Form :60, Line 3: error: execquery: no valid query specified"}));
    EXPECT_EQ(DataRows(ShopFile(), "SELECT Price FROM Products ORDER BY ProductID"),
              "13.5;21;100.5;1.5");
}

TEST_F(FormActionsTest, TheRequestsVariablesAreDefinedForTheAction) {
    Update(ContentKindOf(OBJ_FORM), 60, "LastChanged = #2024-02-01 09:00:00#");
    EXPECT_EQ(
        RunAction("<<print Date>><<print \"|\">><<print Time>><<print \"|\">><<print Webmaster>>"
                  "<<print \"|\">><<print lastchanged>>"),
        "Mar 05, 2024|10:20:30|webmaster@acme.test|"
        "Thu Feb 01 2024 09:00:00");
}

TEST_F(FormActionsTest, TheActionRunIsLoggedAsProgressAndACompileAsDetail) {
    TestApp().m_bVerboseMessages = TRUE;
    RunAction("x");
    QZVantrelForm form(QZKeyCombo(kDbId, 60, OBJ_FORM), FALSE);
    form.Compile();
    std::vector<std::pair<int, std::string>> lines;
    for (const auto& line : m_messages.lines())
        lines.emplace_back(line.kind, line.display);
    EXPECT_EQ(lines, (std::vector<std::pair<int, std::string>>{{2, "Form :60: Compiling"},
                                                               {2, "Form :60: Done"},
                                                               {3, "Form :60: Compiling"},
                                                               {3, "Form :60: Done"}}));
}

TEST_F(FormActionsTest, AFormBuiltAloneRunsTheGenerationOperationsAndWritesNowhere) {
    TestApp().m_bVerboseMessages = TRUE;
    AddMessage(70, "Thanks", "Thank you.");
    Update(ContentKindOf(OBJ_FORM), 60,
           "ScriptBody = 'shown<<email :70>>', ActionBody = 'done<<email :70>>'");
    std::unique_ptr<QZVantrelBase> alone(CreateVantrelObject(QZKeyCombo(kDbId, 60, OBJ_FORM)));
    auto& form = dynamic_cast<QZVantrelForm&>(*alone);
    EXPECT_EQ(form.Compile(), 1);
    EXPECT_EQ(form.RunAction(), 1);
    // email only evaluated its parameters: no message was compiled.
    for (const std::string& line : m_messages.displays())
        EXPECT_EQ(line.find("Message"), std::string::npos) << line;
    EXPECT_FALSE(std::filesystem::exists(UnderRoot("dev")));
    // On behalf of a request the same action compiles the message.
    m_messages.Clear();
    RunAction("done<<email :70>>");
    EXPECT_EQ(m_messages.displays(),
              (std::vector<std::string>{"Form :60: Compiling", "Message :70: Compiling",
                                        "Message :70: Done", "Form :60: Done"}));
}

} // namespace

namespace {

TEST_F(FormActionsTest, TheActionTextIsColouredByTheActionContext) {
    QZVantrelForm form(QZKeyCombo(kDbId, 60, OBJ_FORM), TRUE);
    std::vector<std::pair<std::string, LONG>> spans;
    for (const QZNameAndId& span : form.GetActionColorSpans("<<addrow  :41>>\r\nok<b>"))
        spans.emplace_back(span.m_Name.str(), span.m_Id);
    std::vector<std::pair<std::string, LONG>> expected = {
        {"<<addrow  :41>>", 1}, {"\r\nok", 0}, {"<b>", 2}};
    EXPECT_EQ(spans, expected);
}

} // namespace
