// The macro command: a stored macro run in place with the command's parameters, recorded as a
// dependency of the page, its errors, its bound on nesting, and its property dialog.
#include "content/commands/QZCmdTemplate.h"
#include "db/QZRecordsetCaches.h"
#include "template/commands/QZCommandDialogs.h"
#include "tests/content/GenerationFixture.h"

#include <algorithm>

namespace {

class MacroCommandTest : public GenerationTest {
protected:
    // Generates page 40 with this text; its body, between the body tag and its end.
    std::string Body(const std::string& text) {
        Update(ContentKindOf(OBJ_PAGE), 40, "ScriptBody = " + Quote(text));
        ClearRecordsetCaches();
        auto page = LoadPage(40);
        EXPECT_EQ(page->Generate(), 1);
        std::string file = ReadFile(UnderRoot("dev/site/news/page.html"));
        size_t start = file.find(">\n", file.find("<body")) + 2;
        return file.substr(start, file.find("</body>") - start);
    }
    // The texts of the error lines logged so far.
    std::vector<std::string> ErrorTexts() const {
        std::vector<std::string> texts;
        for (const std::string& line : Errors())
            texts.push_back(line.substr(line.find("error: ") + 7));
        return texts;
    }
    void SetUp() override {
        GenerationTest::SetUp();
        AddPage(40, "Home", "FileName", "'page.html'");
    }
};

TEST_F(MacroCommandTest, ParametersAreSeenInsideTheMacroOnly) {
    AddMacro(12, "Heading", "<h2><<print title>></h2>");
    EXPECT_EQ(Body("<<macro :12, title=\"Inner\">>|<<print title>>|<<macro :12>>"),
              "<h2>Inner</h2>|Home|<h2>Home</h2>");
    EXPECT_TRUE(Errors().empty());
}

TEST_F(MacroCommandTest, KeysComeFromKeysStringsAndVariables) {
    AddMacro(12, "Twelve", "12");
    EXPECT_EQ(Body("<<macro :12>>,<<macro \"5:12\">>,<<macro \":12@macro\">>,<<macro m=:12>>,"
                   "<<macro default>>"),
              "12,12,12,12,");
    // "default" holds a page key (5:41), which names no macro.
    EXPECT_EQ(ErrorTexts(),
              std::vector<std::string>{"macro: invalid macro key default=5:41 specified"});
}

TEST_F(MacroCommandTest, BadKeysAreReported) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"<<macro>>", "macro: no valid macro key specified"},
        {"<<macro \"none\">>", "macro: no valid macro key specified"},
        {"<<macro 0>>", "macro: no valid macro key specified"},
        {"<<macro k=3:99>>", "macro: invalid macro key k=3:99 specified"},
        {"<<macro 3:99>>", "macro: invalid macro key 3:99 specified"},
        {"<<macro :99>>", "macro: invalid macro key 5:99 specified"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Body(std::string("a") + c.text + "b"), "ab");
        // An empty list is also reported by the expression language ("operand expected").
        ASSERT_FALSE(ErrorTexts().empty());
        EXPECT_EQ(ErrorTexts().back(), c.error);
        EXPECT_LE(ErrorTexts().size(), 2u);
        m_messages.Clear();
    }
}

TEST_F(MacroCommandTest, APageRecordsEveryMacroItUsesAMacroRecordsNone) {
    AddMacro(12, "Outer", "[<<macro :13>>]");
    AddMacro(13, "Inner", "inner");
    EXPECT_EQ(Body("<<macro :12>>"), "[inner]");
    // The inner macro's run ends first.
    EXPECT_EQ(DependentsOf(40), (std::vector<std::string>{"5:40@2 -> 5:13@3", "5:40@2 -> 5:12@3"}));
    QZVantrelTemplate outer(QZKeyCombo(kDbId, 12, OBJ_MACRO), TRUE);
    EXPECT_EQ(outer.Preview(), 1);
    EXPECT_EQ(Count("SELECT * FROM Dependents WHERE ObjKeyID = 12"), 0);
}

TEST_F(MacroCommandTest, AMacroThatIncludesItselfEndsAtTheNestingBound) {
    AddMacro(14, "Mirror", "(<<macro :14>>)");
    std::string body = Body("<<macro :14>>");
    EXPECT_EQ(body, std::string(QZCmdTemplate::kMaxNesting, '(') +
                        std::string(QZCmdTemplate::kMaxNesting, ')'));
    EXPECT_EQ(ErrorTexts(), std::vector<std::string>{"macro: runtime stack overflow"});
}

TEST_F(MacroCommandTest, AMacroThatIncludesItselfTwiceEndsAtTheRunBound) {
    AddMacro(14, "Twice", "<<macro :14>><<macro :14>>");
    Body("<<macro :14>>");
    std::vector<std::string> errors = ErrorTexts();
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(std::count(errors.begin(), errors.end(), "macro: runtime stack overflow"),
              static_cast<long>(errors.size()));
}

// Sets the macro key and the rest text as a user would, or cancels.
class FakeDialogs : public QZCommandDialogs {
public:
    int MacroProps(QZCommandBase& command, CString& keyText, CString& rest) override {
        shownKey = keyText.str();
        shownRest = rest.str();
        if (!ok)
            return IDCANCEL;
        dynamic_cast<QZCmdTemplate&>(command).SetMacroKey(key);
        rest = newRest.c_str();
        return IDOK;
    }
    bool ok = true;
    QZKeyCombo key;
    std::string newRest;
    std::string shownKey;
    std::string shownRest;
};

TEST_F(MacroCommandTest, ThePropertyDialogRebuildsTheCommandOnOkOnly) {
    AddMacro(12, "Twelve", "12");
    FakeDialogs dialogs;
    SetCommandDialogs(&dialogs);
    auto page = LoadPage(40);
    struct Case {
        const char* source;
        bool ok;
        QZKeyCombo key;
        const char* rest;
        const char* shownKey;
        const char* shownRest;
        const char* result;
    } cases[] = {
        {"<<macro :12, heading=\"x\">>", true, QZKeyCombo(5, 13), "heading=\"y\"", ":12",
         " heading=\"x\"", "<<macro :13,heading=\"y\">>"},
        {"<<macro :12>>", true, QZKeyCombo(7, 2), "", ":12", "", "<<macro 7:2>>"},
        {"<<macro :12>>", true, QZKeyCombo(-1, -1), "a=1", ":12", "", "<<macro ,a=1>>"},
        {"<<macro :12, a=1>>", false, QZKeyCombo(5, 13), "", ":12", " a=1", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        dialogs.ok = c.ok;
        dialogs.key = c.key;
        dialogs.newRest = c.rest;
        QZCommandBase* command = page->SetSourceText(c.source);
        ASSERT_NE(command, nullptr);
        EXPECT_EQ(command->EditProperties().str(), c.result);
        EXPECT_EQ(dialogs.shownKey, c.shownKey);
        EXPECT_EQ(dialogs.shownRest, c.shownRest);
    }
}

TEST_F(MacroCommandTest, WithoutDialogsEditingCancels) {
    auto page = LoadPage(40);
    EXPECT_EQ(page->SetSourceText("<<macro :12>>")->EditProperties().str(), "");
}

} // namespace
