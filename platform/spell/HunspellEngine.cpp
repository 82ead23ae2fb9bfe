#include "platform/spell/HunspellEngine.h"

#include "platform/core/MessageBox.h"
#include "platform/spell/WxSpellDialog.h"
#include "platform/ui/CWnd.h"

#include <hunspell.hxx>
#include <wx/app.h>

#include <filesystem>

namespace {
const char* const kUnavailable =
    "Spell checking is not available: the en_US dictionary was not found.";
} // namespace

HunspellEngine::HunspellEngine(const CString& dictionary) : m_dictionary(dictionary) {}

HunspellEngine::~HunspellEngine() = default;

BOOL HunspellEngine::Load() {
    if (m_hunspell)
        return TRUE;
    const std::string aff = m_dictionary.str() + ".aff";
    const std::string dic = m_dictionary.str() + ".dic";
    std::error_code error;
    if (!std::filesystem::is_regular_file(aff, error) ||
        !std::filesystem::is_regular_file(dic, error))
        return FALSE;
    m_hunspell = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
    return TRUE;
}

BOOL HunspellEngine::Knows(const CString& word) const {
    return m_ignored.count(word.str()) != 0 || m_hunspell->spell(word.str());
}

BOOL HunspellEngine::CheckWord(const CString& word, int mode, CWnd* owner, SpellResult& result) {
    result = SpellResult();
    if (!Load()) {
        if (!m_bUnavailableShown)
            AfxMessageBox(kUnavailable, MB_OK | MB_ICONEXCLAMATION);
        m_bUnavailableShown = TRUE;
        result.flags = SPELL_STOP_UNAVAILABLE;
        return FALSE;
    }
    if (Knows(word))
        return TRUE;
    if (mode == SPELL_MODE_ASK)
        return AskUser(word, owner, result);
    return FALSE;
}

void HunspellEngine::EndRun() {
    m_ignored.clear();
    m_bUnavailableShown = FALSE;
}

std::vector<CString> HunspellEngine::Suggest(const CString& word) {
    std::vector<CString> suggestions;
    if (!Load())
        return suggestions;
    for (const std::string& suggestion : m_hunspell->suggest(word.str()))
        suggestions.emplace_back(suggestion);
    return suggestions;
}

BOOL HunspellEngine::AskUser(const CString& word, CWnd* owner, SpellResult& result) {
    // Without the window system nobody can be asked: the run stops as if cancelled.
    if (!wxTheApp) {
        result.flags = SPELL_STOP_CANCELLED;
        return FALSE;
    }
    CWnd* parent = CWnd::GetSafeOwner(owner);
    WxSpellDialog dialog(parent ? parent->GetSafeHwnd() : nullptr, word, Suggest(word));
    switch (dialog.ShowModal()) {
    case WxSpellDialog::ID_CHANGE:
        result.replacement = dialog.GetReplacement();
        break;
    case WxSpellDialog::ID_IGNORE:
        break;
    case WxSpellDialog::ID_IGNORE_ALL:
        m_ignored.insert(word.str());
        break;
    default:
        result.flags = SPELL_STOP_CANCELLED;
        break;
    }
    return FALSE;
}
