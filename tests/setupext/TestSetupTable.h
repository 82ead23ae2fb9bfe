#pragma once
// A setup program's table of variables for tests. The areas are filled with '#' and followed
// by guard bytes, entries are written raw (a text that fills its entry gets no NUL), and Bytes
// copies everything the export could reach, so that a test can say "unchanged byte for byte".

#include "setupext/SetupVariableTable.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

class TestSetupTable {
public:
    explicit TestSetupTable(uint32_t capacity, uint32_t nameWidth = 32, uint32_t valueWidth = 256)
        : m_names(size_t(capacity) * nameWidth + kGuard, '#'),
          m_values(size_t(capacity) * valueWidth + kGuard, '#') {
        table.capacity = capacity;
        table.nameWidth = nameWidth;
        table.valueWidth = valueWidth;
        table.names = m_names.data();
        table.values = m_values.data();
        table.active = 1;
    }
    TestSetupTable(const TestSetupTable&) = delete;
    TestSetupTable& operator=(const TestSetupTable&) = delete;

    // Writes entry `index` (name as stored, with its percent signs) and counts it in use.
    void Put(uint32_t index, const std::string& name, const std::string& value) {
        Write(m_names.data() + size_t(index) * table.nameWidth, table.nameWidth, name);
        Write(m_values.data() + size_t(index) * table.valueWidth, table.valueWidth, value);
        table.count = std::max(table.count, index + 1);
    }
    // Appends the variable `name` (without percent signs).
    void Add(const std::string& name, const std::string& value) {
        Put(table.count, "%" + name + "%", value);
    }

    // Entry `index` up to its NUL (or the whole entry).
    std::string Name(uint32_t index) const {
        return Read(m_names.data() + size_t(index) * table.nameWidth, table.nameWidth);
    }
    std::string Value(uint32_t index) const {
        return Read(m_values.data() + size_t(index) * table.valueWidth, table.valueWidth);
    }

    std::vector<char> Bytes() const {
        std::vector<char> bytes(reinterpret_cast<const char*>(&table),
                                reinterpret_cast<const char*>(&table) + sizeof table);
        bytes.insert(bytes.end(), m_names.begin(), m_names.end());
        bytes.insert(bytes.end(), m_values.begin(), m_values.end());
        return bytes;
    }

    SetupVariableTable table{};

private:
    static constexpr size_t kGuard = 64;

    static void Write(char* entry, uint32_t width, const std::string& text) {
        std::memcpy(entry, text.data(), std::min<size_t>(text.size(), width));
        if (text.size() < width)
            entry[text.size()] = '\0';
    }
    static std::string Read(const char* entry, uint32_t width) {
        return std::string(entry, std::find(entry, entry + width, '\0'));
    }

    std::vector<char> m_names;
    std::vector<char> m_values;
};
