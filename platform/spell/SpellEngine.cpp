#include "platform/spell/SpellEngine.h"

#include "platform/core/ReplaceableService.h"
#include "platform/spell/HunspellEngine.h"

namespace {
ReplaceableService<SpellEngine, HunspellEngine> g_spellEngine;
} // namespace

SpellEngine& GetSpellEngine() {
    return g_spellEngine.Get();
}

SpellEngine* SetSpellEngine(SpellEngine* engine) {
    return g_spellEngine.Replace(engine);
}
