#pragma once
// The spelling engine's two entry points: a check of one word, either a plain yes or no (mode
// 0) or with the user (mode 1), who may give a replacement or stop the run, and the end of a
// run. The program uses Hunspell (HunspellEngine); tests install a scripted engine.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class CWnd;

// Flags of a result that stop the run: the user cancelled, or no dictionary could be loaded.
constexpr DWORD SPELL_STOP_CANCELLED = 0x10;
constexpr DWORD SPELL_STOP_UNAVAILABLE = 0x20;
constexpr DWORD SPELL_STOP_MASK = SPELL_STOP_CANCELLED | SPELL_STOP_UNAVAILABLE;

constexpr int SPELL_MODE_CHECK = 0;
constexpr int SPELL_MODE_ASK = 1;

// What a check in mode 1 answers besides accepted or not: stop flags and the word to put in
// place of the checked one (empty: leave it).
struct SpellResult {
    DWORD flags = 0;
    CString replacement;

    BOOL IsStop() const { return (flags & SPELL_STOP_MASK) != 0; }
};

class SpellEngine {
public:
    virtual ~SpellEngine() = default;

    // Nonzero when the engine accepts the word. In mode 1 a word it does not accept is put
    // to the user in a modal dialog over `owner` (null: the main window).
    virtual BOOL CheckWord(const CString& word, int mode, CWnd* owner, SpellResult& result) = 0;
    // The run is over: what it learnt for itself alone (words to ignore) is forgotten.
    virtual void EndRun() = 0;
};

// The engine in use: Hunspell with the en_US dictionary unless replaced.
SpellEngine& GetSpellEngine();
// Installs `engine` (not owned; null puts Hunspell back) and answers the one it replaces, or
// null when that was the default.
SpellEngine* SetSpellEngine(SpellEngine* engine);
