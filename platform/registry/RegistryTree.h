#pragma once
// The registry in memory: a tree of keys with their values, and its text form. The top of the
// tree holds one key for each root ("HKEY_CURRENT_USER", ...).
//
// The text form, one section a key, parents before children:
//   Marquill settings 1
//   [HKEY_CURRENT_USER\Software\Zerin]
//   @time=132537600000000000          last write, 100 ns since 1601 (UTC)
//   @class="..."                      only when the key has a class
//   "Name"=sz:"text"                  a string (REG_SZ with one closing zero)
//   "Count"=dword:00000063            a 32-bit value of four bytes
//   "Blob"=hex:01,02,ff               binary
//   "List"=multi_sz:"a","b"           a list of non-empty strings with its closing zeros
//   "Odd"=hex(2):41,00                any other type, or one of the above whose bytes are not in
//                                     their usual form, as its bytes
// Quoted text escapes backslash, quote and control bytes (\\, \", \xHH); names in a section
// path escape control bytes and "%" as %HH.

#include "platform/core/CTime.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Names of keys and values compare without regard to (ASCII) case.
bool SameRegistryName(std::string_view a, std::string_view b);

struct RegistryValue {
    std::string name;
    DWORD type = 0;
    std::vector<BYTE> data;
};

// One key: its name, class, last write, values (in the order they were first set) and subkeys
// (in the order of their names).
class RegistryKeyNode {
public:
    explicit RegistryKeyNode(std::string keyName = {}) : name(std::move(keyName)) {}

    RegistryKeyNode* FindSubkey(std::string_view subkeyName) const;
    // The subkey of that name, added (with no values) when there is none.
    RegistryKeyNode* AddSubkey(std::string_view subkeyName, const FILETIME& now);
    bool RemoveSubkey(std::string_view subkeyName);
    const RegistryValue* FindValue(std::string_view valueName) const;
    RegistryValue* FindValue(std::string_view valueName);
    // Replaces the value's type and data, or adds it at the end.
    void SetValue(std::string_view valueName, DWORD type, std::vector<BYTE> data);
    bool RemoveValue(std::string_view valueName);

    std::string name;
    std::string className;
    FILETIME lastWrite{};
    std::vector<RegistryValue> values;
    std::vector<std::unique_ptr<RegistryKeyNode>> subkeys;
};

class RegistryTree {
public:
    // The key at the path (root name first), or nullptr.
    RegistryKeyNode* Find(const std::vector<std::string>& path) const;
    RegistryKeyNode& Top() { return m_top; }

    // Reads the text form; FALSE, with the line and what is wrong in *error, when it is not
    // one. An empty text is an empty registry.
    static bool Parse(std::string_view text, RegistryTree& tree, std::string* error);
    std::string Serialize() const;

private:
    RegistryKeyNode m_top;
};
