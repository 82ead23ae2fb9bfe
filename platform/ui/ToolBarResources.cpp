#include "platform/ui/ToolBarResources.h"

#include <map>

namespace {

std::map<UINT, const ToolBarResource*>& table() {
    static std::map<UINT, const ToolBarResource*> resources;
    return resources;
}

} // namespace

void ToolBarResources::Register(UINT id, const ToolBarResource* resource) {
    table()[id] = resource;
}

const ToolBarResource* ToolBarResources::Lookup(UINT id) {
    const auto found = table().find(id);
    return found == table().end() ? nullptr : found->second;
}
