// The undo pairs of keystrokes and their replay: each keystroke records the state before and
// after, each Backspace or Delete (auto-repeated too) exactly the bytes it removed, and Undo
// and Redo move pairs between the lists and put the text back.

#include "tests/editors/TextEditorFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Records = std::vector<std::string>;

struct KeystrokeCase {
    const char* name;
    std::string text;
    LONG selStart, selEnd;
    std::function<void(QZRichEditLogic&)> keys;
    std::string after;
    std::string caret;
    Records pairs;
};

TEST(QZRichEditLogicKeystrokes, EachKeystrokeRecordsItsPairAndUndoRestoresIt) {
    const KeystrokeCase cases[] = {
        {"character over a selection",
         "abcd",
         1,
         3,
         [](auto& c) { c.TypeText("x"); },
         "axd",
         "2",
         {"bc@1-3/0", "x@1-2/1"}},
        {"Enter",
         "x\nab", // a loaded lone LF stays
         3,
         3,
         [](auto& c) { c.Enter(); },
         "x\na\r\nb",
         "5",
         {"@3-3/0", "\r\n@3-5/1"}},
        {"Tab", "ab", 2, 2, [](auto& c) { c.Tab(); }, "ab\t", "3", {"@2-2/0", "\t@2-3/1"}},
        {"a character of two bytes",
         "",
         0,
         0,
         [](auto& c) { c.TypeText("\xc3\xa9"); },
         "\xc3\xa9",
         "2",
         {"@0-0/0", "\xc3\xa9@0-2/1"}},
        {"Backspace over a CRLF",
         "a\r\nb",
         3,
         3,
         [](auto& c) { c.Backspace(); },
         "ab",
         "1",
         {"\r\n@1-3/0", "@1-1/1"}},
        {"Backspace over a lone LF",
         "a\nb",
         2,
         2,
         [](auto& c) { c.Backspace(); },
         "ab",
         "1",
         {"\n@1-2/0", "@1-1/1"}},
        {"Backspace over a character of three bytes",
         "a\xe2\x82\xac",
         4,
         4,
         [](auto& c) { c.Backspace(); },
         "a",
         "1",
         {"\xe2\x82\xac@1-4/0", "@1-1/1"}},
        {"Backspace over a byte that is not UTF-8",
         "a\xff",
         2,
         2,
         [](auto& c) { c.Backspace(); },
         "a",
         "1",
         {"\xff@1-2/0", "@1-1/1"}},
        {"Backspace over a selection",
         "abcd",
         1,
         3,
         [](auto& c) { c.Backspace(); },
         "ad",
         "1",
         {"bc@1-3/0", "@1-1/1"}},
        {"Delete of \xc3\xa9",
         "\xc3\xa9t\xc3\xa9",
         3,
         3,
         [](auto& c) { c.Delete(); },
         "\xc3\xa9t",
         "3",
         {"\xc3\xa9@3-5/0", "@3-3/1"}},
        {"Delete of a CRLF",
         "a\r\nb",
         1,
         1,
         [](auto& c) { c.Delete(); },
         "ab",
         "1",
         {"\r\n@1-3/0", "@1-1/1"}},
        {"Delete of a cut sequence",
         "a\xc3",
         1,
         1,
         [](auto& c) { c.Delete(); },
         "a",
         "1",
         {"\xc3@1-2/0", "@1-1/1"}},
        {"Backspace at the start", "ab", 0, 0, [](auto& c) { c.Backspace(); }, "ab", "0", {}},
        {"Delete at the end", "ab", 2, 2, [](auto& c) { c.Delete(); }, "ab", "2", {}},
    };
    for (const KeystrokeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Editor editor(c.text, c.selStart, c.selEnd);
        c.keys(editor.control);
        EXPECT_EQ(editor.Text(), c.after);
        EXPECT_EQ(editor.Selection(), c.caret);
        EXPECT_EQ(editor.Undo(), c.pairs);
        EXPECT_EQ(editor.view.IsModified(), !c.pairs.empty());
        editor.view.OnEditUndo();
        EXPECT_EQ(editor.Text(), c.text);
        editor.view.OnEditRedo();
        EXPECT_EQ(editor.Text(), c.after);
    }
}

TEST(QZRichEditLogicKeystrokes, FiveRepeatedBackspacesAreFivePairsUndoneAndRedoneOneByOne) {
    const std::string text = "ab\r\n\xc3\xa9x";
    Editor editor(text, 7);
    for (int i = 0; i < 5; i++)
        editor.control.Backspace();
    EXPECT_EQ(editor.Text(), "");
    EXPECT_EQ(editor.Undo(), (Records{"x@6-7/0", "@6-6/1", "\xc3\xa9@4-6/0", "@4-4/1", "\r\n@2-4/0",
                                      "@2-2/1", "b@1-2/0", "@1-1/1", "a@0-1/0", "@0-0/1"}));
    const char* const undone[] = {"a", "ab", "ab\r\n", "ab\r\n\xc3\xa9", "ab\r\n\xc3\xa9x"};
    for (const char* expected : undone) {
        editor.view.OnEditUndo();
        EXPECT_EQ(editor.Text(), expected);
    }
    EXPECT_FALSE(editor.view.CanUndo());
    const char* const redone[] = {"ab\r\n\xc3\xa9", "ab\r\n", "ab", "a", ""};
    for (const char* expected : redone) {
        editor.view.OnEditRedo();
        EXPECT_EQ(editor.Text(), expected);
    }
    EXPECT_FALSE(editor.view.CanRedo());
}

TEST(QZEditViewLogicUndo, ThreeCharactersComeBackOneByOne) {
    Editor editor;
    for (const char* c : {"a", "b", "c"})
        editor.control.TypeText(c);
    const char* const undone[] = {"ab", "a", ""};
    for (const char* expected : undone) {
        editor.view.OnEditUndo();
        EXPECT_EQ(editor.Text(), expected);
    }
    EXPECT_FALSE(editor.view.CanUndo());
    EXPECT_EQ(editor.Redo(),
              (Records{"c@2-3/1", "@2-2/0", "b@1-2/1", "@1-1/0", "a@0-1/1", "@0-0/0"}));
    const char* const redone[] = {"a", "ab", "abc"};
    for (const char* expected : redone) {
        editor.view.OnEditRedo();
        EXPECT_EQ(editor.Text(), expected);
        EXPECT_EQ(editor.Selection(), std::to_string(std::string(expected).size() - 1) + "-" +
                                          std::to_string(std::string(expected).size()));
    }
    EXPECT_EQ(editor.Undo(),
              (Records{"@0-0/0", "a@0-1/1", "@1-1/0", "b@1-2/1", "@2-2/0", "c@2-3/1"}));
}

TEST(QZEditViewLogicUndo, UndoOfACharacterTypedOverAnotherGivesTheFirstBackSelected) {
    Editor editor("xyz", 1, 2);
    editor.control.TypeText("Q");
    editor.view.OnEditUndo();
    EXPECT_EQ(editor.Text(), "xyz");
    EXPECT_EQ(editor.Selection(), "1-2");
    EXPECT_TRUE(editor.view.IsModified());
}

TEST(QZEditViewLogicUndo, ASingleRecordOnlyMovesToTheOtherList) {
    Editor editor("abc");
    editor.view.GetUndoList().emplace_back("zz", 0, 2, 0);
    editor.view.OnEditUndo();
    EXPECT_EQ(editor.Text(), "abc");
    EXPECT_TRUE(editor.Undo().empty());
    EXPECT_EQ(editor.Redo(), (Records{"zz@0-2/0"}));
    editor.view.OnEditRedo();
    EXPECT_EQ(editor.Text(), "abc");
    EXPECT_EQ(editor.Undo(), (Records{"zz@0-2/0"}));
    EXPECT_FALSE(editor.view.IsModified());
}

TEST(QZEditViewLogicUndo, AKeystrokeAfterAnUndoEmptiesTheRedoList) {
    Editor editor;
    editor.control.TypeText("a");
    editor.control.TypeText("b");
    editor.view.OnEditUndo();
    EXPECT_TRUE(editor.view.CanRedo());
    editor.control.TypeText("c");
    EXPECT_FALSE(editor.view.CanRedo());
    EXPECT_EQ(editor.Text(), "ac");
    editor.view.OnEditRedo();
    EXPECT_EQ(editor.Text(), "ac");
    // So does Backspace and every insertion.
    editor.view.OnEditUndo();
    editor.control.Backspace();
    EXPECT_FALSE(editor.view.CanRedo());
    editor.view.OnEditUndo();
    editor.view.InsertText("<hr>", QZEditViewLogic::INSERT_REPLACE, TRUE);
    EXPECT_FALSE(editor.view.CanRedo());
}

TEST(QZEditViewLogicUndo, ReplayOfAMoveDeletesOneRangeAndInsertsAtTheOther) {
    // A dragged move: the text left "ab" at 0-2 and stands at 3-5 of "cdabe".
    Editor editor("cdeab");
    editor.buffer.ReplaceRange(0, 5, "cdabe");
    editor.view.RecordUndo(QZUndoRedo("ab", 0, 2, 1), QZUndoRedo("ab", 2, 4, 1));
    editor.view.OnEditUndo();
    EXPECT_EQ(editor.Text(), "abcde");
    EXPECT_EQ(editor.Selection(), "0-2");
    editor.view.OnEditRedo();
    EXPECT_EQ(editor.Text(), "cdabe");
    EXPECT_EQ(editor.Selection(), "2-4");
}

} // namespace
