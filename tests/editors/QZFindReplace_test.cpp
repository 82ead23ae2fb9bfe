// Find, Find Next, Replace and Replace All on the in-memory buffer: where each search starts,
// wrapping once and then sounding, the undo pairs of replacements, the find text the dialog
// proposes and where the dialog moves.

#include "editors/QZFindReplaceLogic.h"
#include "editors/QZFindReplaceState.h"
#include "platform/core/MessageBox.h"
#include "tests/editors/TextEditorFixture.h"
#include "tests/editors/SoundCounter.h"

#include <gtest/gtest.h>

namespace {

using Records = std::vector<std::string>;

class FindReplaceTest : public ::testing::Test {
protected:
    void SetUp() override { QZFindReplaceState::Get().Reset(); }
    void TearDown() override { QZFindReplaceState::Get().Reset(); }
    SoundCounter sounds;
};

// One Find Next as the user sees it: the selection after it, or "beep".
std::string FindNext(Editor& editor, QZFindReplaceLogic& find, const std::string& text,
                     BOOL matchCase = FALSE, BOOL wholeWord = FALSE) {
    SoundCounter counter;
    find.OnFindNext(CString(text), TRUE, matchCase, wholeWord);
    return counter.count > 0 ? "beep" : editor.Selection();
}

struct FindCase {
    const char* name;
    std::string text;
    LONG selStart, selEnd;
    std::string find;
    BOOL matchCase, wholeWord;
    Records outcomes; // of successive Find Next presses
};

TEST_F(FindReplaceTest, FindNextMatchesWrapsOnceAndThenSounds) {
    const FindCase cases[] = {
        {"from the caret, wrapping once, then a sound, then round again",
         "cat dog cat dog",
         12,
         12,
         "cat",
         FALSE,
         FALSE,
         {"0-3", "8-11", "beep", "0-3", "beep"}},
        {"a selected match is passed over",
         "ab ab ab",
         3,
         5,
         "ab",
         FALSE,
         FALSE,
         {"6-8", "0-2", "beep"}},
        {"from the start no wrap is needed",
         "x x",
         0,
         0,
         "x",
         FALSE,
         FALSE,
         {"0-1", "2-3", "beep"}},
        {"without case", "Cat cAT", 0, 0, "cat", FALSE, FALSE, {"0-3", "4-7", "beep"}},
        {"with case", "Cat cat", 0, 0, "cat", TRUE, FALSE, {"4-7", "beep"}},
        {"accented capitals fold without case",
         "\xc3\x89t\xc3\xa9",
         0,
         0,
         "\xc3\xa9",
         FALSE,
         FALSE,
         {"0-2", "3-5", "beep"}},
        {"whole word", "concat cat cats", 0, 0, "cat", FALSE, TRUE, {"7-10", "beep"}},
        {"not whole word", "concat cat", 0, 0, "cat", FALSE, FALSE, {"3-6", "7-10", "beep"}},
        {"a letter beyond ASCII is part of a word",
         "caf\xc3\xa9 caf",
         0,
         0,
         "caf",
         FALSE,
         TRUE,
         {"6-9", "beep"}},
        {"after a selected two-byte character",
         "\xc3\xa9 \xc3\xa9",
         0,
         2,
         "\xc3\xa9",
         FALSE,
         FALSE,
         {"3-5", "beep", "0-2"}},
        {"a search never starts inside the selected character",
         "\xc3\xa9 \xc3\xa9",
         0,
         2,
         "\xa9",
         TRUE,
         FALSE,
         {"4-5", "beep"}},
        {"after a selected four-byte character",
         "\xf0\x9f\x98\x80 \xf0\x9f\x98\x80",
         0,
         4,
         "\xf0\x9f\x98\x80",
         FALSE,
         FALSE,
         {"5-9", "beep", "0-4"}},
        {"a match running over where the searches began is found in the wrapped part",
         "xaax",
         2,
         2,
         "aa",
         FALSE,
         FALSE,
         {"1-3", "beep"}},
        {"an empty find text finds nothing", "a a", 1, 1, "", FALSE, FALSE, {"beep", "beep"}},
        {"no match at all", "abc", 1, 1, "z", FALSE, FALSE, {"beep"}},
    };
    for (const FindCase& c : cases) {
        Editor editor(c.text, c.selStart, c.selEnd);
        QZFindReplaceLogic find(editor.view);
        find.BeginDialogSearch();
        Records outcomes;
        for (size_t i = 0; i < c.outcomes.size(); i++)
            outcomes.push_back(FindNext(editor, find, c.find, c.matchCase, c.wholeWord));
        EXPECT_EQ(outcomes, c.outcomes) << c.name;
        EXPECT_EQ(editor.Text(), c.text) << c.name;
    }
}

TEST_F(FindReplaceTest, NotFoundPlaysTheStopSoundAndMovesNoDialog) {
    Editor editor("abc");
    QZFindReplaceLogic find(editor.view);
    int moves = 0;
    find.SetFoundHandler([&] { ++moves; });
    find.OnFindNext("b", TRUE, FALSE, FALSE);
    EXPECT_EQ(moves, 1);
    find.OnFindNext("z", TRUE, FALSE, FALSE);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(sounds.count, 1);
    EXPECT_EQ(sounds.lastType, MB_ICONHAND);
}

TEST_F(FindReplaceTest, TheDialogProposesTheSelectionUnlessItSpansLines) {
    struct Case {
        const char* name;
        LONG selStart, selEnd;
        std::string proposed;
    };
    const Case cases[] = {
        {"a word selected", 0, 3, "one"},
        {"nothing selected", 2, 2, "stored"},
        {"a selection over a CR LF", 0, 8, "stored"},
        {"a selection over a lone LF", 8, 14, "stored"},
    };
    for (const Case& c : cases) {
        Editor editor("one\r\ntwo\nthree", c.selStart, c.selEnd);
        QZFindReplaceState::Get().m_strFind = "stored";
        QZFindReplaceLogic find(editor.view);
        EXPECT_EQ(find.GetProposedFindText().str(), c.proposed) << c.name;
    }
}

TEST_F(FindReplaceTest, TheSearchStateIsSharedByEveryEditor) {
    Editor first("red green red");
    QZFindReplaceLogic firstFind(first.view);
    firstFind.OnFindNext("green", TRUE, TRUE, TRUE);
    Editor second("green, then GREEN and green");
    QZFindReplaceLogic secondFind(second.view);
    EXPECT_EQ(secondFind.GetProposedFindText().str(), "green");
    ASSERT_TRUE(secondFind.CanRepeat());
    secondFind.OnEditRepeat();
    EXPECT_EQ(second.Selection(), "0-5");
    secondFind.OnEditRepeat(); // match case still holds: "GREEN" is passed over
    EXPECT_EQ(second.Selection(), "22-27");
}

TEST_F(FindReplaceTest, CommandsAreOfferedByTheTextAndTheStoredState) {
    Editor empty("");
    QZFindReplaceLogic emptyFind(empty.view);
    EXPECT_FALSE(emptyFind.CanFind());
    EXPECT_FALSE(emptyFind.CanRepeat());
    EXPECT_TRUE(emptyFind.CanReplace());
    Editor editor("text");
    QZFindReplaceLogic find(editor.view);
    EXPECT_TRUE(find.CanFind());
    EXPECT_FALSE(find.CanRepeat());
    QZFindReplaceState::Get().m_strFind = "t";
    EXPECT_TRUE(find.CanRepeat());
}

TEST_F(FindReplaceTest, ReplaceWithASelectionThatIsNotTheFindTextOnlyFinds) {
    Editor editor("x a A", 0, 1);
    QZFindReplaceLogic find(editor.view);
    find.BeginDialogSearch();
    find.OnReplaceSel("a", TRUE, FALSE, FALSE, "bb");
    EXPECT_EQ(editor.Text(), "x a A");
    EXPECT_EQ(editor.Selection(), "2-3");
    EXPECT_TRUE(editor.Undo().empty());
    EXPECT_FALSE(editor.view.IsModified());

    find.OnReplaceSel("a", TRUE, FALSE, FALSE, "bb");
    EXPECT_EQ(editor.Text(), "x bb A");
    EXPECT_EQ(editor.Selection(), "5-6"); // "A" is the next match without case
    EXPECT_EQ(editor.Undo(), (Records{"a@2-3/0", "bb@2-4/0"}));
    EXPECT_TRUE(editor.view.IsModified());

    find.OnReplaceSel("a", TRUE, FALSE, FALSE, "bb"); // the last one; then a sound
    EXPECT_EQ(editor.Text(), "x bb bb");
    EXPECT_EQ(sounds.count, 1);
    EXPECT_EQ(editor.Undo().size(), 4u);
    EXPECT_EQ(QZFindReplaceState::Get().m_strReplace.str(), "bb");
}

TEST_F(FindReplaceTest, ReplaceWithMatchCaseLeavesADifferentlyCasedSelection) {
    Editor editor("A a", 0, 1);
    QZFindReplaceLogic find(editor.view);
    find.OnReplaceSel("a", TRUE, TRUE, FALSE, "b");
    EXPECT_EQ(editor.Text(), "A a");
    EXPECT_EQ(editor.Selection(), "2-3");
}

struct ReplaceAllCase {
    const char* name;
    std::string text;
    LONG selStart, selEnd;
    std::string find, replacement;
    BOOL matchCase, wholeWord;
    std::string after;
    size_t pairs;
};

TEST_F(FindReplaceTest, ReplaceAllReplacesEachMatchOnceWithItsPairAndOneSound) {
    const ReplaceAllCase cases[] = {
        {"the first selected", "a a a", 0, 1, "a", "b", FALSE, FALSE, "b b b", 3},
        {"from the caret, wrapping", "a a a", 2, 2, "a", "b", FALSE, FALSE, "b b b", 3},
        {"a replacement holding the find text, the first selected", "a a a", 0, 1, "a", "aa", FALSE,
         FALSE, "aa aa aa", 3},
        {"a replacement holding the find text, from the caret", "a a a", 2, 2, "a", "aa", FALSE,
         FALSE, "aa aa aa", 3},
        {"a shorter replacement", "abc abc", 0, 0, "abc", "", FALSE, FALSE, " ", 2},
        {"with case", "a A a", 0, 0, "a", "b", TRUE, FALSE, "b A b", 2},
        {"whole words", "a ab a", 0, 0, "a", "b", FALSE, TRUE, "b ab b", 2},
        {"no match", "abc", 0, 0, "z", "y", FALSE, FALSE, "abc", 0},
        {"an empty find text", "abc", 1, 1, "", "y", FALSE, FALSE, "abc", 0},
    };
    for (const ReplaceAllCase& c : cases) {
        Editor editor(c.text, c.selStart, c.selEnd);
        QZFindReplaceLogic find(editor.view);
        find.BeginDialogSearch();
        SoundCounter counter;
        find.OnReplaceAll(CString(c.find), CString(c.replacement), c.matchCase, c.wholeWord);
        EXPECT_EQ(editor.Text(), c.after) << c.name;
        EXPECT_EQ(editor.Undo().size(), 2 * c.pairs) << c.name;
        EXPECT_EQ(counter.count, 1) << c.name;
        EXPECT_EQ(editor.view.IsModified(), c.pairs > 0) << c.name;
    }
}

TEST_F(FindReplaceTest, ReplaceAllOfTheFirstSelectedRecordsThreePairsThatUndoOneByOne) {
    Editor editor("a a a", 0, 1);
    QZFindReplaceLogic find(editor.view);
    find.BeginDialogSearch();
    find.OnReplaceAll("a", "xy", FALSE, FALSE);
    EXPECT_EQ(editor.Text(), "xy xy xy");
    EXPECT_EQ(editor.Undo(),
              (Records{"a@0-1/0", "xy@0-2/0", "a@3-4/0", "xy@3-5/0", "a@6-7/0", "xy@6-8/0"}));
    EXPECT_EQ(sounds.count, 1);
    const char* undone[] = {"xy xy a", "xy a a", "a a a"};
    for (const char* text : undone) {
        editor.view.OnEditUndo();
        EXPECT_EQ(editor.Text(), text);
    }
}

TEST_F(FindReplaceTest, OnAReadOnlyCopyReplaceAndReplaceAllChangeNothing) {
    Editor editor("a a a", 0, 1);
    editor.view.SetReadOnly(TRUE);
    QZFindReplaceLogic find(editor.view);
    EXPECT_FALSE(find.CanReplace());
    EXPECT_TRUE(find.CanFind());
    find.BeginDialogSearch();
    find.OnReplaceAll("a", "b", FALSE, FALSE);
    find.OnReplaceSel("a", TRUE, FALSE, FALSE, "b");
    EXPECT_EQ(editor.Text(), "a a a");
    EXPECT_TRUE(editor.Undo().empty());
    EXPECT_FALSE(editor.view.IsModified());
    EXPECT_EQ(editor.Selection(), "2-3"); // Replace still moves on to the next match
    find.OnFindNext("a", TRUE, FALSE, FALSE);
    EXPECT_EQ(editor.Selection(), "4-5");
}

TEST(AdjustDialogPosition, MovesTheDialogOffTheSelectionWhereThereIsRoom) {
    struct Case {
        const char* name;
        CPoint selection;
        CRect after;
    };
    const CRect dialog(100, 100, 400, 300); // 200 high; the screen is 768 high
    const Case cases[] = {
        {"the selection outside the dialog", CPoint(50, 150), dialog},
        {"room above: its bottom 20 pixels above the point", CPoint(200, 250),
         CRect(100, 30, 400, 230)},
        {"no room above: its top 40 pixels below the point", CPoint(200, 150),
         CRect(100, 190, 400, 390)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QZFindReplaceLogic::AdjustDialogPosition(dialog, c.selection, 768), c.after)
            << c.name;
    const CRect low(100, 120, 400, 320);
    EXPECT_EQ(QZFindReplaceLogic::AdjustDialogPosition(low, CPoint(200, 150), 300), low)
        << "no room below either: it stays";
}

} // namespace
