#pragma once
// The spelling engine over Hunspell and a dictionary on disk (Debian's en_US unless told
// otherwise). A word it does not know is put to the user in WxSpellDialog; the words the user
// chose to ignore all are accepted until the run ends. Without the dictionary it says so once
// a run and stops the run.

#include "platform/spell/SpellEngine.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

class Hunspell;

class HunspellEngine : public SpellEngine {
public:
    // The dictionary's path without the ".aff" and ".dic" endings.
    static constexpr const char* kDefaultDictionary = "/usr/share/hunspell/en_US";

    explicit HunspellEngine(const CString& dictionary = kDefaultDictionary);
    ~HunspellEngine() override;
    HunspellEngine(const HunspellEngine&) = delete;
    HunspellEngine& operator=(const HunspellEngine&) = delete;

    BOOL CheckWord(const CString& word, int mode, CWnd* owner, SpellResult& result) override;
    void EndRun() override;

    // Hunspell's suggestions for the word, best first; none without a dictionary.
    std::vector<CString> Suggest(const CString& word);

private:
    // Loads the dictionary the first time it is needed; false while it cannot be found.
    BOOL Load();
    BOOL Knows(const CString& word) const;
    BOOL AskUser(const CString& word, CWnd* owner, SpellResult& result);

    CString m_dictionary;
    std::unique_ptr<Hunspell> m_hunspell;
    std::set<std::string> m_ignored;
    BOOL m_bUnavailableShown = FALSE;
};
