#include "setupext/SetupVariables.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

char* Entry(char* area, uint32_t width, uint32_t index) {
    return area + static_cast<size_t>(index) * width;
}

// The entry of the first name equal to `key` (with its NUL inside the name width), or -1.
long FindVariable(const SetupVariableTable& table, const std::string& key) {
    const size_t compared = key.size() + 1;
    if (compared > table.nameWidth)
        return -1;
    for (uint32_t i = 0; i < table.count; ++i) {
        if (std::memcmp(Entry(table.names, table.nameWidth, i), key.c_str(), compared) == 0)
            return i;
    }
    return -1;
}

std::string Key(const char* name) {
    return std::string("%") + name + "%";
}

} // namespace

bool IsUsableSetupTable(const SetupVariableTable* table) {
    return table && table->names && table->values && table->count <= table->capacity &&
           table->capacity <= kMostSetupVariables;
}

void GetSetupVariable(const SetupVariableTable* table, const char* name,
                      char (&buffer)[kSetupValueBufferSize]) {
    buffer[0] = '\0';
    if (!IsUsableSetupTable(table))
        return;
    const long index = FindVariable(*table, Key(name));
    if (index < 0)
        return;
    const char* value = Entry(table->values, table->valueWidth, static_cast<uint32_t>(index));
    const size_t within = std::min<size_t>(table->valueWidth, kSetupValueBufferSize);
    const void* end = std::memchr(value, '\0', within);
    if (!end)
        return;
    std::memcpy(buffer, value, static_cast<const char*>(end) - value + 1);
}

bool SetSetupVariable(SetupVariableTable* table, const char* name, const char* value) {
    if (!IsUsableSetupTable(table) || !value)
        return false;
    const size_t stored = std::strlen(value) + 1;
    if (stored > kSetupValueBufferSize || stored > table->valueWidth)
        return false;
    const std::string key = Key(name);
    long index = FindVariable(*table, key);
    if (index < 0) {
        if (table->count >= table->capacity || key.size() + 1 > table->nameWidth)
            return false;
        index = table->count;
        std::memcpy(Entry(table->names, table->nameWidth, table->count), key.c_str(),
                    key.size() + 1);
        ++table->count;
    }
    std::memcpy(Entry(table->values, table->valueWidth, static_cast<uint32_t>(index)), value,
                stored);
    return true;
}
