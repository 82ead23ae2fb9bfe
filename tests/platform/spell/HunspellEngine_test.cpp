// The Hunspell engine with Debian's en_US dictionary, without the window system: the yes-or-no
// check, the suggestions, and what it does when the dictionary cannot be found.

#include "platform/spell/HunspellEngine.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool Holds(const std::vector<CString>& texts, const char* text) {
    return std::find(texts.begin(), texts.end(), CString(text)) != texts.end();
}

TEST(HunspellEngine, AcceptsKnownWordsAndSuggestsForOthers) {
    HunspellEngine engine;
    SpellResult result;
    EXPECT_TRUE(engine.CheckWord("house", SPELL_MODE_CHECK, nullptr, result));
    EXPECT_TRUE(engine.CheckWord("House", SPELL_MODE_CHECK, nullptr, result));
    EXPECT_FALSE(engine.CheckWord("teh", SPELL_MODE_CHECK, nullptr, result));
    EXPECT_FALSE(result.IsStop());
    EXPECT_TRUE(Holds(engine.Suggest("teh"), "the"));
    // A known word asked with the user needs nobody: no dialog, no stop.
    EXPECT_TRUE(engine.CheckWord("house", SPELL_MODE_ASK, nullptr, result));
    EXPECT_EQ(result.flags, 0u);
    EXPECT_TRUE(result.replacement.IsEmpty());
}

TEST(HunspellEngine, WithoutTheWindowSystemAnUnknownWordStopsTheRun) {
    HunspellEngine engine;
    SpellResult result;
    EXPECT_FALSE(engine.CheckWord("teh", SPELL_MODE_ASK, nullptr, result));
    EXPECT_EQ(result.flags, SPELL_STOP_CANCELLED);
}

TEST(HunspellEngine, WithoutADictionaryItSaysSoOnceARunAndStopsIt) {
    TempDir dir;
    HunspellEngine engine(CString(dir.file("en_US")));
    MessageBoxRecorder boxes;
    SpellResult result;
    for (int mode : {SPELL_MODE_CHECK, SPELL_MODE_ASK}) {
        EXPECT_FALSE(engine.CheckWord("house", mode, nullptr, result)) << mode;
        EXPECT_EQ(result.flags, SPELL_STOP_UNAVAILABLE) << mode;
    }
    EXPECT_TRUE(engine.Suggest("teh").empty());
    const std::vector<std::string> once = {
        "Spell checking is not available: the en_US dictionary was not found."};
    EXPECT_EQ(boxes.texts(), once);
    engine.EndRun();
    engine.CheckWord("house", SPELL_MODE_CHECK, nullptr, result);
    EXPECT_EQ(boxes.texts().size(), 2u) << "a new run says it again";
}

TEST(SpellEngine, HunspellIsTheEngineUntilAnotherIsInstalled) {
    SpellEngine& standard = GetSpellEngine();
    EXPECT_NE(dynamic_cast<HunspellEngine*>(&standard), nullptr);
    HunspellEngine other;
    EXPECT_EQ(SetSpellEngine(&other), nullptr);
    EXPECT_EQ(&GetSpellEngine(), &other);
    EXPECT_EQ(SetSpellEngine(nullptr), &other);
    EXPECT_EQ(&GetSpellEngine(), &standard);
}

} // namespace
