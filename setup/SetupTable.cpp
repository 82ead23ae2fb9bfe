#include "setup/SetupTable.h"

#include <cstring>

SetupTable::SetupTable() {
    m_table.capacity = kCapacity;
    m_table.nameWidth = kNameWidth;
    m_table.valueWidth = kValueWidth;
    m_table.names = &m_names[0][0];
    m_table.values = &m_values[0][0];
    m_table.active = 1;
}

BOOL SetupTable::Add(LPCTSTR name, const CString& value) {
    const CString key = CString("%") + name + "%";
    if (m_table.count >= kCapacity || static_cast<size_t>(key.GetLength()) >= kNameWidth ||
        static_cast<size_t>(value.GetLength()) >= kValueWidth)
        return FALSE;
    std::memcpy(m_names[m_table.count], static_cast<LPCTSTR>(key), key.GetLength() + 1);
    std::memcpy(m_values[m_table.count], static_cast<LPCTSTR>(value), value.GetLength() + 1);
    ++m_table.count;
    return TRUE;
}

CString SetupTable::Value(LPCTSTR name) const {
    const CString key = CString("%") + name + "%";
    // The extension may have changed the count: never beyond the areas.
    for (uint32_t i = 0; i < m_table.count && i < kCapacity; ++i) {
        if (strncmp(m_names[i], key, kNameWidth) == 0)
            return CString(m_values[i], static_cast<int>(strnlen(m_values[i], kValueWidth)));
    }
    return "";
}
