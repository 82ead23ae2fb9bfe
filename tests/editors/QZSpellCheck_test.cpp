// The editor's spelling run with a scripted engine: which words are asked, where the word
// asked about is selected after earlier replacements changed the text, the undo pair of each
// replacement, how the run ends and where the selection comes back.

#include "editors/QZSpellCheck.h"
#include "tests/editors/TextEditorFixture.h"
#include "tests/editors/ScriptedSpellEngine.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

// An editor with the real word collector and a scripted engine.
struct SpellEditor {
    explicit SpellEditor(const std::string& text, LONG selStart = 0, LONG selEnd = -1)
        : editor(text, selStart, selEnd) {}

    void Check() {
        QZSpellCheck check(editor.view, [this](const CString& text) {
            return editor.target.parser.CollectSpellWords(text);
        });
        check.CheckSpelling();
    }

    Editor editor;
    ScriptedSpellEngine engine{editor.buffer};
    MessageBoxRecorder boxes;
};

TEST(QZSpellCheck, ReplacementsOfOtherLengthsKeepLaterWordsInPlaceEachWithItsPair) {
    SpellEditor s("Teh quik broun fox jumpd.", 25);
    s.engine.known = {"fox"};
    s.engine.answers = {
        {"Teh", {"The"}}, {"quik", {"quick"}}, {"broun", {"brn"}}, {"jumpd", {"jumped"}}};
    s.Check();
    EXPECT_EQ(s.engine.selectedWhenAsked, (Texts{"Teh", "quik", "broun", "jumpd"}));
    EXPECT_EQ(s.editor.Text(), "The quick brn fox jumped.");
    EXPECT_EQ(s.editor.Undo(),
              (Texts{"Teh@0-3/0", "The@0-3/0", "quik@4-8/0", "quick@4-9/0", "broun@10-15/0",
                     "brn@10-13/0", "jumpd@18-23/0", "jumped@18-24/0"}));
    EXPECT_EQ(s.boxes.texts(), (Texts{"Spell checking Complete"}));
    EXPECT_EQ(s.boxes.shown()[0].type, MB_OK);
    EXPECT_EQ(s.engine.endRuns, 1);
    EXPECT_EQ(s.editor.Selection(), "25") << "the caret stays at the end of the text";

    s.editor.view.OnEditUndo();
    EXPECT_EQ(s.editor.Text(), "The quick brn fox jumpd.");
    EXPECT_EQ(s.editor.Selection(), "18-23");
    for (int i = 0; i < 3; i++)
        s.editor.view.OnEditUndo();
    EXPECT_EQ(s.editor.Text(), "Teh quik broun fox jumpd.");
}

TEST(QZSpellCheck, AReplacementOfAnyLengthGoesInWhole) {
    const std::string longWord(400, 'x');
    SpellEditor s("teh end");
    s.engine.known = {"end"};
    s.engine.answers = {{"teh", {longWord}}};
    s.Check();
    EXPECT_EQ(s.editor.Text(), longWord + " end");
}

TEST(QZSpellCheck, AStopFromTheEngineEndsTheRunQuietly) {
    for (DWORD stop : {SPELL_STOP_CANCELLED, SPELL_STOP_UNAVAILABLE, SPELL_STOP_MASK}) {
        SpellEditor s("aa bb cc", 8);
        s.engine.answers = {{"aa", {"aaa"}}, {"bb", {"", stop}}};
        s.Check();
        EXPECT_EQ(s.engine.asked, (Texts{"aa", "bb"})) << stop;
        EXPECT_EQ(s.editor.Text(), "aaa bb cc") << stop;
        EXPECT_TRUE(s.boxes.texts().empty()) << stop;
        EXPECT_EQ(s.engine.endRuns, 1) << stop;
        EXPECT_FALSE(s.engine.checkedAfterEnd) << stop;
        EXPECT_EQ(s.editor.Selection(), "9") << stop;
    }
}

TEST(QZSpellCheck, ARunThatGoesThroughEveryWordSaysSoAndEndsOnce) {
    struct Case {
        const char* name;
        std::string text;
        Texts asked;
    };
    const Case cases[] = {
        {"every word known", "good words", {}},
        {"words left as they are", "badd wordz", {"badd", "wordz"}},
        {"no words at all", "", {}},
        {"only tags and commands", "<b><<print x>></b>", {}},
    };
    for (const Case& c : cases) {
        SpellEditor s(c.text);
        s.engine.known = {"good", "words"};
        s.Check();
        EXPECT_EQ(s.engine.asked, c.asked) << c.name;
        EXPECT_EQ(s.editor.Text(), c.text) << c.name;
        EXPECT_TRUE(s.editor.Undo().empty()) << c.name;
        EXPECT_EQ(s.boxes.texts(), (Texts{"Spell checking Complete"})) << c.name;
        EXPECT_EQ(s.engine.endRuns, 1) << c.name;
        EXPECT_FALSE(s.engine.checkedAfterEnd) << c.name;
        EXPECT_EQ(s.editor.Selection(), "0") << c.name;
    }
}

TEST(QZSpellCheck, WordsOfCommandsAndTagsAreNeverAsked) {
    SpellEditor s("<tabel bordr=1>Helo <<print \"Nise dy\" + wurd>>// Cmnt\r\n"
                  "<<if x>>Txt<<endif>></tabel>");
    s.Check();
    EXPECT_EQ(s.engine.checked, (Texts{"Helo", "Nise", "dy", "Cmnt", "Txt"}));
    EXPECT_EQ(s.engine.selectedWhenAsked, s.engine.checked);
}

TEST(QZSpellCheck, ASelectionIsCheckedAloneAndComesBackOverItsNewText) {
    SpellEditor s("teh cat teh dog", 8, 15);
    s.engine.known = {"dog"};
    s.engine.answers = {{"teh", {"then"}}};
    s.Check();
    EXPECT_EQ(s.engine.checked, (Texts{"teh"}));
    EXPECT_EQ(s.editor.Text(), "teh cat then dog");
    EXPECT_EQ(s.editor.Selection(), "8-16");
}

TEST(QZSpellCheck, TheCaretComesBackToItsPlaceInTheChangedText) {
    struct Case {
        const char* name;
        LONG caret;
        std::string replacement;
        std::string after;
    };
    const Case cases[] = {
        {"after a longer replacement", 9, "thee", "10"},
        {"after a shorter replacement", 9, "t", "7"},
        {"before the replaced word", 2, "thee", "2"},
        {"inside a word that became shorter", 6, "t", "5"},
    };
    for (const Case& c : cases) {
        SpellEditor s("cat teh cat", c.caret);
        s.engine.known = {"cat"};
        s.engine.answers = {{"teh", {c.replacement}}};
        s.Check();
        EXPECT_EQ(s.editor.Selection(), c.after) << c.name;
    }
}

TEST(QZSpellCheck, AReadOnlyCopyIsNotChecked) {
    SpellEditor s("teh house");
    s.editor.view.SetReadOnly(TRUE);
    s.Check();
    EXPECT_EQ(s.boxes.texts(), (Texts{"This record is a Read Only copy"}));
    EXPECT_EQ(s.boxes.shown()[0].type, MB_OK);
    EXPECT_TRUE(s.engine.checked.empty());
    EXPECT_EQ(s.editor.Text(), "teh house");
}

TEST(QZSpellCheck, WithoutTemplateTextNothingHappens) {
    Editor editor("teh house");
    ScriptedSpellEngine engine(editor.buffer);
    MessageBoxRecorder boxes;
    QZSpellCheck check(editor.view, nullptr);
    check.CheckSpelling();
    EXPECT_TRUE(engine.checked.empty());
    EXPECT_EQ(engine.endRuns, 0);
    EXPECT_TRUE(boxes.texts().empty());
}

} // namespace
