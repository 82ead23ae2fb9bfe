#pragma once
// The set-up program's own table of setup variables, as it hands it to the setup extension:
// room for a few variables, names of up to 31 bytes and values of up to 255, active.

#include "platform/core/CString.h"
#include "setupext/SetupVariableTable.h"

class SetupTable {
public:
    SetupTable();
    SetupTable(const SetupTable&) = delete;
    SetupTable& operator=(const SetupTable&) = delete;

    // Appends the variable `name` (without percent signs). FALSE, with nothing added, when the
    // table is full or the name or value does not fit its entry.
    BOOL Add(LPCTSTR name, const CString& value);
    // The value of the first variable of that name, "" when there is none.
    CString Value(LPCTSTR name) const;

    SetupVariableTable* Get() { return &m_table; }

private:
    static constexpr uint32_t kCapacity = 8;
    static constexpr uint32_t kNameWidth = 32;
    static constexpr uint32_t kValueWidth = 256;

    char m_names[kCapacity][kNameWidth] = {};
    char m_values[kCapacity][kValueWidth] = {};
    SetupVariableTable m_table = {};
};
