#include "platform/ui/DialogTemplates.h"

#include <unordered_map>

namespace {

// Built on first use, so registering from any start-up code is safe.
std::unordered_map<UINT, const DialogTemplate*>& templates() {
    static std::unordered_map<UINT, const DialogTemplate*> table;
    return table;
}

} // namespace

void DialogTemplates::Register(UINT id, const DialogTemplate* dialog) {
    if (dialog)
        templates()[id] = dialog;
    else
        templates().erase(id);
}

const DialogTemplate* DialogTemplates::Lookup(UINT id) {
    const auto found = templates().find(id);
    return found == templates().end() ? nullptr : found->second;
}
