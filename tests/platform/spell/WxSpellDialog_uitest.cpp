// The Hunspell engine's question about an unknown word, in a real dialog driven as a user
// would through wx's modal dialog hook: every button, a picked and a typed replacement, and
// Ignore All lasting until the run ends.

#include "platform/spell/HunspellEngine.h"
#include "tests/platform/spell/SpellDialogScript.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

// The dialog on the screen, for a person to look at once.
void SaveScreenshot(wxDialog* dialog) {
    const char* folder = std::getenv("MQ_SCREENSHOT_DIR");
    if (!folder)
        return;
    dialog->Update();
    wxTheApp->Yield(true);
    const wxRect r = dialog->GetScreenRect().Inflate(8);
    const std::string command = "import -window root -crop " + std::to_string(r.width) + "x" +
                                std::to_string(r.height) + "+" + std::to_string(std::max(r.x, 0)) +
                                "+" + std::to_string(std::max(r.y, 0)) + " '" + folder +
                                "/spell.png'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

TEST(WxSpellDialog, ShowsTheWordAndHunspellsSuggestions) {
    HunspellEngine engine;
    SpellDialogScript user([](WxSpellDialog* dialog) {
        SaveScreenshot(dialog);
        SpellDialogScript::Click(dialog, WxSpellDialog::ID_CANCEL);
    });
    SpellResult result;
    engine.CheckWord("teh", SPELL_MODE_ASK, nullptr, result);
    EXPECT_EQ(user.opened, 1);
    EXPECT_EQ(user.title, "Spelling");
    EXPECT_EQ(user.word, "teh");
    ASSERT_FALSE(user.suggestions.empty());
    EXPECT_NE(std::find(user.suggestions.begin(), user.suggestions.end(), "the"),
              user.suggestions.end());
    EXPECT_EQ(user.field, user.suggestions.front());
}

TEST(WxSpellDialog, EachButtonGivesItsAnswer) {
    struct Case {
        const char* name;
        std::function<void(WxSpellDialog*)> user;
        DWORD flags;
        std::string replacement;
    };
    using Script = SpellDialogScript;
    const Case cases[] = {
        {"Change to a picked suggestion",
         [](WxSpellDialog* d) {
             Script::Pick(d, "the");
             Script::Click(d, WxSpellDialog::ID_CHANGE);
         },
         0, "the"},
        {"Change to a typed word",
         [](WxSpellDialog* d) {
             Script::Field(d, WxSpellDialog::ID_REPLACEMENT)->SetValue("ten");
             Script::Click(d, WxSpellDialog::ID_CHANGE);
         },
         0, "ten"},
        {"a double-click on a suggestion", [](WxSpellDialog* d) { Script::Pick(d, "the", true); },
         0, "the"},
        {"Ignore", [](WxSpellDialog* d) { Script::Click(d, WxSpellDialog::ID_IGNORE); }, 0, ""},
        {"Ignore All", [](WxSpellDialog* d) { Script::Click(d, WxSpellDialog::ID_IGNORE_ALL); }, 0,
         ""},
        {"Cancel", [](WxSpellDialog* d) { Script::Click(d, WxSpellDialog::ID_CANCEL); },
         SPELL_STOP_CANCELLED, ""},
        {"the close box", [](WxSpellDialog* d) { d->Close(); }, SPELL_STOP_CANCELLED, ""},
    };
    HunspellEngine engine;
    for (const Case& c : cases) {
        SpellDialogScript user(c.user);
        SpellResult result;
        EXPECT_FALSE(engine.CheckWord("teh", SPELL_MODE_ASK, nullptr, result)) << c.name;
        engine.EndRun();
        EXPECT_EQ(user.opened, 1) << c.name;
        EXPECT_EQ(result.flags, c.flags) << c.name;
        EXPECT_EQ(result.replacement.str(), c.replacement) << c.name;
    }
}

TEST(WxSpellDialog, IgnoreAllAcceptsTheWordUntilTheRunEnds) {
    HunspellEngine engine;
    SpellDialogScript user(
        [](WxSpellDialog* d) { SpellDialogScript::Click(d, WxSpellDialog::ID_IGNORE_ALL); });
    SpellResult result;
    engine.CheckWord("teh", SPELL_MODE_ASK, nullptr, result);
    EXPECT_TRUE(engine.CheckWord("teh", SPELL_MODE_CHECK, nullptr, result));
    EXPECT_TRUE(engine.CheckWord("teh", SPELL_MODE_ASK, nullptr, result));
    EXPECT_EQ(user.opened, 1);
    EXPECT_FALSE(engine.CheckWord("tehs", SPELL_MODE_CHECK, nullptr, result));
    engine.EndRun();
    EXPECT_FALSE(engine.CheckWord("teh", SPELL_MODE_CHECK, nullptr, result));
}

TEST(WxSpellDialog, ChangeWaitsForAReplacement) {
    HunspellEngine engine;
    bool enabledWhenEmpty = true;
    bool openAfterChange = false;
    SpellDialogScript user([&](WxSpellDialog* d) {
        SpellDialogScript::Field(d, WxSpellDialog::ID_REPLACEMENT)->SetValue("");
        d->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        enabledWhenEmpty = d->FindWindow(WxSpellDialog::ID_CHANGE)->IsEnabled();
        SpellDialogScript::Click(d, WxSpellDialog::ID_CHANGE);
        openAfterChange = d->IsModal();
        SpellDialogScript::Click(d, WxSpellDialog::ID_IGNORE);
    });
    SpellResult result;
    engine.CheckWord("teh", SPELL_MODE_ASK, nullptr, result);
    EXPECT_FALSE(enabledWhenEmpty);
    EXPECT_TRUE(openAfterChange);
    EXPECT_EQ(result.flags, 0u);
    EXPECT_TRUE(result.replacement.IsEmpty());
}

} // namespace
