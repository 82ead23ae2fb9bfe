#include "platform/ui/MenuResources.h"

#include <map>

namespace {

std::map<UINT, const MenuTemplate*>& menus() {
    static std::map<UINT, const MenuTemplate*> resources;
    return resources;
}

std::map<UINT, const AcceleratorTemplate*>& accelerators() {
    static std::map<UINT, const AcceleratorTemplate*> resources;
    return resources;
}

template <typename T> const T* Find(const std::map<UINT, const T*>& table, UINT id) {
    const auto found = table.find(id);
    return found == table.end() ? nullptr : found->second;
}

} // namespace

void MenuResources::RegisterMenu(UINT id, const MenuTemplate* menu) {
    menus()[id] = menu;
}

void MenuResources::RegisterAccelerators(UINT id, const AcceleratorTemplate* table) {
    accelerators()[id] = table;
}

const MenuTemplate* MenuResources::LookupMenu(UINT id) {
    return Find(menus(), id);
}

const AcceleratorTemplate* MenuResources::LookupAccelerators(UINT id) {
    return Find(accelerators(), id);
}
