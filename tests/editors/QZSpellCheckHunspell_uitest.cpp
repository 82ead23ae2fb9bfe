// The editor's spelling run with the real engine: Hunspell and its dialog, answered as a user
// would, change the words of the text in place.

#include "editors/QZSpellCheck.h"
#include "tests/editors/TextEditorFixture.h"
#include "tests/platform/spell/SpellDialogScript.h"
#include "tests/platform/ui/UiTestEnvironment.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(QZSpellCheckWithHunspell, WordsChangedInTheDialogTakeTheirPlacesInTheText) {
    Editor editor("I saw teh <<print \"hous\">> in Paris, <b>today</b>.", 3);
    MessageBoxRecorder boxes;
    std::vector<std::string> asked;
    SpellDialogScript user([&](WxSpellDialog* dialog) {
        const std::string word =
            SpellDialogScript::Field(dialog, WxSpellDialog::ID_WORD)->GetValue().utf8_string();
        asked.push_back(word);
        SpellDialogScript::Pick(dialog, word == "teh" ? "the" : "house");
        SpellDialogScript::Click(dialog, WxSpellDialog::ID_CHANGE);
    });
    QZSpellCheck check(editor.view, [&](const CString& text) {
        return editor.target.parser.CollectSpellWords(text);
    });
    check.CheckSpelling();
    EXPECT_EQ(asked, (std::vector<std::string>{"teh", "hous"}));
    EXPECT_EQ(editor.Text(), "I saw the <<print \"house\">> in Paris, <b>today</b>.");
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"Spell checking Complete"}));
    EXPECT_EQ(editor.Selection(), "3");
    editor.view.OnEditUndo();
    EXPECT_EQ(editor.Text(), "I saw the <<print \"hous\">> in Paris, <b>today</b>.");
}

} // namespace
