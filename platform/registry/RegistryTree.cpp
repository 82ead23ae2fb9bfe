#include "platform/registry/RegistryTree.h"

#include "platform/registry/Registry.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <utility>

namespace {

constexpr std::string_view kHeader = "Marquill settings 1";

char Lower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

int CompareNames(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(Lower(a[i]));
        const auto y = static_cast<unsigned char>(Lower(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool IsControl(unsigned char ch) {
    return ch < 0x20 || ch == 0x7F;
}

const char kHexDigits[] = "0123456789abcdef";

void AppendHexByte(std::string& out, BYTE byte) {
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0xF];
}

int HexValue(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    ch = Lower(ch);
    return ch >= 'a' && ch <= 'f' ? ch - 'a' + 10 : -1;
}

// ---- writing ----

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char ch : text) {
        if (ch == '\\' || ch == '"') {
            out += '\\';
            out += ch;
        } else if (IsControl(static_cast<unsigned char>(ch))) {
            out += "\\x";
            AppendHexByte(out, static_cast<BYTE>(ch));
        } else {
            out += ch;
        }
    }
    out += '"';
}

void AppendPathName(std::string& out, std::string_view name) {
    for (const char ch : name) {
        if (ch == '%' || IsControl(static_cast<unsigned char>(ch))) {
            out += '%';
            AppendHexByte(out, static_cast<BYTE>(ch));
        } else {
            out += ch;
        }
    }
}

// A string's bytes in their usual form: the text and one closing zero.
bool IsPlainString(const std::vector<BYTE>& data) {
    return !data.empty() && data.back() == 0 && std::count(data.begin(), data.end(), 0) == 1;
}

// A list's bytes in their usual form: non-empty strings, each closed by a zero, and one more
// zero; the empty list is one zero.
bool SplitStringList(const std::vector<BYTE>& data, std::vector<std::string_view>& items) {
    if (data.empty() || data.back() != 0)
        return false;
    const std::string_view all(reinterpret_cast<const char*>(data.data()), data.size() - 1);
    size_t start = 0;
    while (start < all.size()) {
        const size_t end = all.find('\0', start);
        if (end == std::string_view::npos || end == start)
            return false;
        items.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    return true;
}

void AppendHexData(std::string& out, const std::vector<BYTE>& data) {
    for (size_t i = 0; i < data.size(); ++i) {
        if (i)
            out += ',';
        AppendHexByte(out, data[i]);
    }
}

void AppendValue(std::string& out, const RegistryValue& value) {
    AppendQuoted(out, value.name);
    out += '=';
    std::vector<std::string_view> items;
    if (value.type == REG_SZ && IsPlainString(value.data)) {
        out += "sz:";
        AppendQuoted(out, std::string_view(reinterpret_cast<const char*>(value.data.data()),
                                           value.data.size() - 1));
    } else if (value.type == REG_DWORD && value.data.size() == 4) {
        char number[16];
        const DWORD dword = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                            (static_cast<DWORD>(value.data[3]) << 24);
        std::snprintf(number, sizeof number, "dword:%08x", dword);
        out += number;
    } else if (value.type == REG_BINARY) {
        out += "hex:";
        AppendHexData(out, value.data);
    } else if (value.type == REG_MULTI_SZ && SplitStringList(value.data, items)) {
        out += "multi_sz:";
        for (size_t i = 0; i < items.size(); ++i) {
            if (i)
                out += ',';
            AppendQuoted(out, items[i]);
        }
    } else {
        out += "hex(" + std::to_string(value.type) + "):";
        AppendHexData(out, value.data);
    }
    out += '\n';
}

uint64_t Ticks(const FILETIME& time) {
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

void AppendKey(std::string& out, const RegistryKeyNode& key, const std::string& path) {
    out += '\n';
    out += '[';
    out += path;
    out += "]\n@time=" + std::to_string(Ticks(key.lastWrite)) + '\n';
    if (!key.className.empty()) {
        out += "@class=";
        AppendQuoted(out, key.className);
        out += '\n';
    }
    for (const RegistryValue& value : key.values)
        AppendValue(out, value);
    for (const auto& subkey : key.subkeys) {
        std::string subpath = path + '\\';
        AppendPathName(subpath, subkey->name);
        AppendKey(out, *subkey, subpath);
    }
}

// ---- reading ----

// Reads text from the cursor to the end of the line, taking from its front.
class LineReader {
public:
    explicit LineReader(std::string_view line) : m_rest(line) {}

    bool Take(std::string_view expected) {
        if (m_rest.substr(0, expected.size()) != expected)
            return false;
        m_rest.remove_prefix(expected.size());
        return true;
    }
    bool AtEnd() const { return m_rest.empty(); }
    std::string_view Rest() const { return m_rest; }

    bool Quoted(std::string& text) {
        if (!Take("\""))
            return false;
        text.clear();
        while (!m_rest.empty()) {
            const char ch = m_rest.front();
            m_rest.remove_prefix(1);
            if (ch == '"')
                return true;
            if (ch != '\\') {
                text += ch;
                continue;
            }
            if (m_rest.empty())
                return false;
            const char escaped = m_rest.front();
            m_rest.remove_prefix(1);
            if (escaped == '\\' || escaped == '"') {
                text += escaped;
            } else if (escaped == 'x' && m_rest.size() >= 2 && HexValue(m_rest[0]) >= 0 &&
                       HexValue(m_rest[1]) >= 0) {
                text += static_cast<char>(HexValue(m_rest[0]) * 16 + HexValue(m_rest[1]));
                m_rest.remove_prefix(2);
            } else {
                return false;
            }
        }
        return false;
    }

    bool HexBytes(std::vector<BYTE>& data) {
        data.clear();
        while (!m_rest.empty()) {
            if (!data.empty() && !Take(","))
                return false;
            if (m_rest.size() < 2 || HexValue(m_rest[0]) < 0 || HexValue(m_rest[1]) < 0)
                return false;
            data.push_back(static_cast<BYTE>(HexValue(m_rest[0]) * 16 + HexValue(m_rest[1])));
            m_rest.remove_prefix(2);
        }
        return true;
    }

    template <typename Number> bool Decimal(Number& number, int base = 10) {
        const auto [end, error] =
            std::from_chars(m_rest.data(), m_rest.data() + m_rest.size(), number, base);
        if (error != std::errc() || end == m_rest.data())
            return false;
        m_rest.remove_prefix(static_cast<size_t>(end - m_rest.data()));
        return true;
    }

private:
    std::string_view m_rest;
};

bool ParsePath(std::string_view text, std::vector<std::string>& path) {
    path.clear();
    std::string name;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\\') {
            if (name.empty())
                return false;
            path.push_back(std::move(name));
            name.clear();
        } else if (text[i] == '%') {
            if (i + 2 >= text.size() || HexValue(text[i + 1]) < 0 || HexValue(text[i + 2]) < 0)
                return false;
            name += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            name += text[i];
        }
    }
    return true;
}

bool ParseValue(LineReader& line, RegistryKeyNode& key) {
    std::string name;
    if (!line.Quoted(name) || !line.Take("=") || key.FindValue(name))
        return false;
    std::vector<BYTE> data;
    DWORD type = 0;
    if (line.Take("sz:")) {
        std::string text;
        if (!line.Quoted(text))
            return false;
        type = REG_SZ;
        data.assign(text.begin(), text.end());
        data.push_back(0);
    } else if (line.Take("dword:")) {
        DWORD dword = 0;
        if (!line.Decimal(dword, 16))
            return false;
        type = REG_DWORD;
        data = {static_cast<BYTE>(dword), static_cast<BYTE>(dword >> 8),
                static_cast<BYTE>(dword >> 16), static_cast<BYTE>(dword >> 24)};
    } else if (line.Take("hex:")) {
        type = REG_BINARY;
        if (!line.HexBytes(data))
            return false;
    } else if (line.Take("multi_sz:")) {
        type = REG_MULTI_SZ;
        std::string item;
        while (!line.AtEnd()) {
            if ((!data.empty() && !line.Take(",")) || !line.Quoted(item) || item.empty())
                return false;
            data.insert(data.end(), item.begin(), item.end());
            data.push_back(0);
        }
        data.push_back(0);
    } else if (line.Take("hex(")) {
        if (!line.Decimal(type) || !line.Take("):") || !line.HexBytes(data))
            return false;
    } else {
        return false;
    }
    if (!line.AtEnd())
        return false;
    key.SetValue(name, type, std::move(data));
    return true;
}

bool ParseAttribute(LineReader& line, RegistryKeyNode& key) {
    if (line.Take("@time=")) {
        uint64_t ticks = 0;
        if (!line.Decimal(ticks))
            return false;
        key.lastWrite = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    } else if (line.Take("@class=")) {
        if (!line.Quoted(key.className))
            return false;
    } else {
        return false;
    }
    return line.AtEnd();
}

} // namespace

bool SameRegistryName(std::string_view a, std::string_view b) {
    return CompareNames(a, b) == 0;
}

RegistryKeyNode* RegistryKeyNode::FindSubkey(std::string_view subkeyName) const {
    for (const auto& subkey : subkeys) {
        if (SameRegistryName(subkey->name, subkeyName))
            return subkey.get();
    }
    return nullptr;
}

RegistryKeyNode* RegistryKeyNode::AddSubkey(std::string_view subkeyName, const FILETIME& now) {
    if (RegistryKeyNode* existing = FindSubkey(subkeyName))
        return existing;
    const auto place = std::find_if(subkeys.begin(), subkeys.end(), [&](const auto& subkey) {
        return CompareNames(subkey->name, subkeyName) > 0;
    });
    auto added = std::make_unique<RegistryKeyNode>(std::string(subkeyName));
    added->lastWrite = now;
    return subkeys.insert(place, std::move(added))->get();
}

bool RegistryKeyNode::RemoveSubkey(std::string_view subkeyName) {
    return std::erase_if(subkeys, [&](const auto& subkey) {
               return SameRegistryName(subkey->name, subkeyName);
           }) > 0;
}

const RegistryValue* RegistryKeyNode::FindValue(std::string_view valueName) const {
    for (const RegistryValue& value : values) {
        if (SameRegistryName(value.name, valueName))
            return &value;
    }
    return nullptr;
}

RegistryValue* RegistryKeyNode::FindValue(std::string_view valueName) {
    return const_cast<RegistryValue*>(std::as_const(*this).FindValue(valueName));
}

void RegistryKeyNode::SetValue(std::string_view valueName, DWORD type, std::vector<BYTE> data) {
    RegistryValue* value = FindValue(valueName);
    if (!value) {
        values.push_back({std::string(valueName), type, {}});
        value = &values.back();
    }
    value->type = type;
    value->data = std::move(data);
}

bool RegistryKeyNode::RemoveValue(std::string_view valueName) {
    return std::erase_if(values, [&](const RegistryValue& value) {
               return SameRegistryName(value.name, valueName);
           }) > 0;
}

RegistryKeyNode* RegistryTree::Find(const std::vector<std::string>& path) const {
    const RegistryKeyNode* key = &m_top;
    for (const std::string& name : path) {
        key = key->FindSubkey(name);
        if (!key)
            return nullptr;
    }
    return const_cast<RegistryKeyNode*>(key);
}

bool RegistryTree::Parse(std::string_view text, RegistryTree& tree, std::string* error) {
    tree.m_top.subkeys.clear();
    int lineNumber = 0;
    RegistryKeyNode* key = nullptr;
    bool headerSeen = false;
    auto fail = [&](const char* what) {
        if (error)
            *error = "line " + std::to_string(lineNumber) + ": " + what;
        return false;
    };
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!headerSeen) {
            if (line != kHeader)
                return fail("not a settings file");
            headerSeen = true;
            continue;
        }
        if (line.empty() || line.front() == ';')
            continue;
        LineReader reader(line);
        if (line.front() == '[') {
            std::vector<std::string> path;
            if (line.back() != ']' || !ParsePath(line.substr(1, line.size() - 2), path))
                return fail("bad key path");
            key = &tree.m_top;
            for (const std::string& name : path)
                key = key->AddSubkey(name, FILETIME{});
        } else if (!key) {
            return fail("value outside a key");
        } else if (line.front() == '@' ? !ParseAttribute(reader, *key)
                                       : !ParseValue(reader, *key)) {
            return fail("bad value");
        }
    }
    return true;
}

std::string RegistryTree::Serialize() const {
    std::string out(kHeader);
    out += '\n';
    for (const auto& root : m_top.subkeys) {
        std::string path;
        AppendPathName(path, root->name);
        AppendKey(out, *root, path);
    }
    return out;
}
