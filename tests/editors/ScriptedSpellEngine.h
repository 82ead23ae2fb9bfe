#pragma once
// A spelling engine that plays a script: the words it knows, and for each word it does not
// know what the user answers (a replacement, or stop flags). It keeps every question with the
// text selected in the editor at the time, and counts the ends of runs. Installed for its life.

#include "editors/QZTextBuffer.h"
#include "platform/spell/SpellEngine.h"

#include <map>
#include <set>
#include <string>
#include <vector>

class ScriptedSpellEngine : public SpellEngine {
public:
    struct Answer {
        std::string replacement;
        DWORD flags = 0;
    };

    explicit ScriptedSpellEngine(const QZTextBuffer& buffer)
        : m_buffer(buffer), m_previous(SetSpellEngine(this)) {}
    ~ScriptedSpellEngine() override { SetSpellEngine(m_previous); }
    ScriptedSpellEngine(const ScriptedSpellEngine&) = delete;
    ScriptedSpellEngine& operator=(const ScriptedSpellEngine&) = delete;

    BOOL CheckWord(const CString& word, int mode, CWnd*, SpellResult& result) override {
        result = SpellResult();
        const std::string text = word.str();
        if (endRuns > 0)
            checkedAfterEnd = true;
        if (known.count(text))
            return TRUE;
        if (mode == SPELL_MODE_CHECK) {
            checked.push_back(text);
            return FALSE;
        }
        asked.push_back(text);
        selectedWhenAsked.push_back(m_buffer.GetSelText().str());
        auto answer = answers.find(text);
        if (answer != answers.end()) {
            result.replacement = CString(answer->second.replacement);
            result.flags = answer->second.flags;
        }
        return FALSE;
    }
    void EndRun() override { ++endRuns; }

    std::set<std::string> known;
    std::map<std::string, Answer> answers;
    std::vector<std::string> checked;           // rejected in mode 0
    std::vector<std::string> asked;             // put to the user (mode 1)
    std::vector<std::string> selectedWhenAsked; // the editor's selection then
    int endRuns = 0;
    bool checkedAfterEnd = false;

private:
    const QZTextBuffer& m_buffer;
    SpellEngine* m_previous;
};
