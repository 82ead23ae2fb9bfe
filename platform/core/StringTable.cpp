#include "platform/core/StringTable.h"

#include <string>
#include <unordered_map>

namespace {

// Built on first use, so registering from any start-up code is safe.
std::unordered_map<UINT, std::string>& texts() {
    static std::unordered_map<UINT, std::string> table;
    return table;
}

} // namespace

void StringTable::Register(UINT id, const char* text) {
    if (text)
        texts()[id] = text;
    else
        texts().erase(id);
}

const char* StringTable::Lookup(UINT id) {
    const auto found = texts().find(id);
    return found == texts().end() ? nullptr : found->second.c_str();
}
