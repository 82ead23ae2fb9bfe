#include "platform/ui/CCmdTarget.h"

#include "platform/ui/CCmdUI.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace {

// The table ends with an entry without a handler.
bool IsEnd(const AFX_CMDMAP_ENTRY& entry) {
    return !entry.pfnCommand && !entry.pfnCommandRange && !entry.pfnUpdate;
}

const AFX_CMDMAP_ENTRY* FindEntry(const AFX_CMDMAP* map, UINT nID, int nCode) {
    for (; map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_CMDMAP_ENTRY* entry = map->lpEntries; !IsEnd(*entry); ++entry) {
            if (entry->nCode == nCode && nID >= entry->nID && nID <= entry->nLastID)
                return entry;
        }
    }
    return nullptr;
}

} // namespace

const AFX_CMDMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_CMDMAP_ENTRY entries[] = {{0, 0, 0, nullptr, nullptr, nullptr}};
    static const AFX_CMDMAP map = {nullptr, entries};
    return &map;
}

const AFX_CMDMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    if (nCode != CN_COMMAND && nCode != CN_UPDATE_COMMAND_UI)
        return FALSE;
    const AFX_CMDMAP_ENTRY* entry = FindEntry(GetMessageMap(), nID, nCode);
    if (!entry)
        return FALSE;
    if (pHandlerInfo) {
        static_cast<AFX_CMDHANDLERINFO*>(pHandlerInfo)->pTarget = this;
        return TRUE;
    }
    if (nCode == CN_UPDATE_COMMAND_UI) {
        auto* state = static_cast<CCmdUI*>(pExtra);
        if (!state)
            return FALSE;
        // A handler may pass the update on along the route.
        state->m_bContinueRouting = FALSE;
        (this->*entry->pfnUpdate)(state);
        return !state->m_bContinueRouting;
    }
    if (entry->pfnCommandRange)
        (this->*entry->pfnCommandRange)(nID);
    else
        (this->*entry->pfnCommand)();
    return TRUE;
}
