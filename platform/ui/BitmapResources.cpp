#include "platform/ui/BitmapResources.h"

#include "platform/ui/WinTypes.h"

#include <map>
#include <string>
#include <utility>

namespace {

// Numbers are kept as "#<number>", names as they are.
std::string KeyOf(LPCTSTR name) {
    if (IS_INTRESOURCE(name))
        return "#" + std::to_string(reinterpret_cast<UINT_PTR>(name));
    return name ? name : "";
}

std::map<std::string, std::pair<const BYTE*, size_t>>& bitmaps() {
    static std::map<std::string, std::pair<const BYTE*, size_t>> table;
    return table;
}

} // namespace

void RegisterBitmapResource(LPCTSTR name, const BYTE* dib, size_t size) {
    bitmaps()[KeyOf(name)] = {dib, size};
}

const BYTE* FindBitmapResource(LPCTSTR name, size_t* size) {
    const auto found = bitmaps().find(KeyOf(name));
    if (found == bitmaps().end())
        return nullptr;
    if (size)
        *size = found->second.second;
    return found->second.first;
}
