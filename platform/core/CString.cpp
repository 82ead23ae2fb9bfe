#include "platform/core/CString.h"

#include "platform/core/StringTable.h"

#include <algorithm>
#include <cstring>

namespace {

const char kWhitespace[] = " \t\n\v\f\r";

bool isAsciiUpper(char ch) {
    return ch >= 'A' && ch <= 'Z';
}
bool isAsciiLower(char ch) {
    return ch >= 'a' && ch <= 'z';
}

// Folds ASCII letters only; bytes of UTF-8 sequences (0x80 and above) stay as they are.
unsigned char foldLower(char ch) {
    return static_cast<unsigned char>(isAsciiUpper(ch) ? ch - 'A' + 'a' : ch);
}

int indexOf(size_t pos) {
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int sign(int value) {
    return (value > 0) - (value < 0);
}

// Byte-wise comparison as unsigned chars, giving -1, 0 or 1 as the original's runtime did.
template <typename Fold> int compareBytes(std::string_view a, std::string_view b, Fold fold) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const int diff = int(fold(a[i])) - int(fold(b[i]));
        if (diff != 0)
            return sign(diff);
    }
    return sign(int(a.size() > b.size()) - int(a.size() < b.size()));
}

std::string_view viewOf(LPCTSTR text) {
    return text ? std::string_view(text) : std::string_view();
}

// A pointer below 64 KiB is a string-table id in disguise, as the framework allows for its
// constructor; it is never a valid address.
bool isResourceId(LPCTSTR text) {
    return reinterpret_cast<uintptr_t>(text) < 0x10000;
}

} // namespace

CString::CString(const char* text) {
    if (text && isResourceId(text))
        LoadString(static_cast<UINT>(reinterpret_cast<uintptr_t>(text)));
    else if (text)
        m_text = text;
}

// Copies at most `length` bytes and stops at a NUL, so a short text is never read past its end.
CString::CString(const char* text, int length) {
    if (text && length > 0)
        m_text.assign(text, strnlen(text, static_cast<size_t>(length)));
}

CString::CString(char ch, int repeat) {
    if (repeat > 0)
        m_text.assign(static_cast<size_t>(repeat), ch);
}

// ---- Size and access

char CString::GetAt(int index) const {
    return index >= 0 && index < GetLength() ? m_text[static_cast<size_t>(index)] : '\0';
}

void CString::SetAt(int index, char ch) {
    if (index >= 0 && index < GetLength())
        m_text[static_cast<size_t>(index)] = ch;
}

// ---- Comparison

int CString::Compare(LPCTSTR other) const {
    return compareBytes(m_text, viewOf(other),
                        [](char ch) { return static_cast<unsigned char>(ch); });
}

int CString::CompareNoCase(LPCTSTR other) const {
    return compareBytes(m_text, viewOf(other), foldLower);
}

int CString::Collate(LPCTSTR other) const {
    return sign(strcoll(m_text.c_str(), other ? other : ""));
}

// ---- Extraction

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    first = std::max(first, 0);
    count = std::max(count, 0);
    if (first >= GetLength())
        return CString();
    count = std::min(count, GetLength() - first);
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Left(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(static_cast<size_t>(GetLength() - count)));
}

CString CString::SpanIncluding(LPCTSTR charSet) const {
    const size_t end = m_text.find_first_not_of(charSet ? charSet : "");
    return CString(m_text.substr(0, end));
}

CString CString::SpanExcluding(LPCTSTR charSet) const {
    if (!charSet)
        return *this;
    return CString(m_text.substr(0, m_text.find_first_of(charSet)));
}

// ---- Searching

int CString::Find(char ch, int start) const {
    start = std::max(start, 0);
    if (start >= GetLength())
        return -1;
    return indexOf(m_text.find(ch, static_cast<size_t>(start)));
}

// An empty text is found at the start position, as strstr finds it.
int CString::Find(LPCTSTR sub, int start) const {
    start = std::max(start, 0);
    if (!sub || start > GetLength())
        return -1;
    return indexOf(m_text.find(sub, static_cast<size_t>(start)));
}

int CString::ReverseFind(char ch) const {
    return indexOf(m_text.rfind(ch));
}

int CString::FindOneOf(LPCTSTR charSet) const {
    return charSet ? indexOf(m_text.find_first_of(charSet)) : -1;
}

// ---- Changing in place

void CString::MakeUpper() {
    for (char& ch : m_text)
        if (isAsciiLower(ch))
            ch = static_cast<char>(ch - 'a' + 'A');
}

void CString::MakeLower() {
    for (char& ch : m_text)
        ch = static_cast<char>(foldLower(ch));
}

// Reverses characters, keeping each UTF-8 sequence whole so the result stays valid text.
void CString::MakeReverse() {
    std::string reversed;
    reversed.reserve(m_text.size());
    size_t end = m_text.size();
    while (end > 0) {
        size_t begin = end - 1;
        while (begin > 0 && (static_cast<unsigned char>(m_text[begin]) & 0xC0) == 0x80)
            --begin;
        reversed.append(m_text, begin, end - begin);
        end = begin;
    }
    m_text = std::move(reversed);
}

void CString::TrimLeft() {
    TrimLeft(kWhitespace);
}

void CString::TrimLeft(char target) {
    TrimLeft(std::string(1, target).c_str());
}

void CString::TrimLeft(LPCTSTR targets) {
    if (!targets)
        return;
    const size_t first = m_text.find_first_not_of(targets);
    m_text.erase(0, first == std::string::npos ? m_text.size() : first);
}

void CString::TrimRight() {
    TrimRight(kWhitespace);
}

void CString::TrimRight(char target) {
    TrimRight(std::string(1, target).c_str());
}

void CString::TrimRight(LPCTSTR targets) {
    if (!targets)
        return;
    const size_t last = m_text.find_last_not_of(targets);
    m_text.erase(last == std::string::npos ? 0 : last + 1);
}

int CString::Replace(char oldCh, char newCh) {
    if (oldCh == newCh)
        return 0;
    int count = 0;
    for (char& ch : m_text)
        if (ch == oldCh) {
            ch = newCh;
            ++count;
        }
    return count;
}

// Replaces left to right without overlap; an empty old text replaces nothing.
int CString::Replace(LPCTSTR oldText, LPCTSTR newText) {
    const std::string_view from = viewOf(oldText);
    const std::string_view to = viewOf(newText);
    if (from.empty())
        return 0;
    std::string result;
    int count = 0;
    size_t pos = 0;
    for (size_t hit; (hit = m_text.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
        result.append(m_text, pos, hit - pos).append(to);
        ++count;
    }
    if (count > 0)
        m_text = result.append(m_text, pos);
    return count;
}

int CString::Remove(char ch) {
    const size_t before = m_text.size();
    std::erase(m_text, ch);
    return static_cast<int>(before - m_text.size());
}

int CString::Insert(int index, char ch) {
    const char text[] = {ch, '\0'};
    return ch ? Insert(index, text) : GetLength();
}

// A negative index inserts at the start, one past the end appends.
int CString::Insert(int index, LPCTSTR text) {
    if (text)
        m_text.insert(static_cast<size_t>(std::clamp(index, 0, GetLength())), text);
    return GetLength();
}

int CString::Delete(int index, int count) {
    index = std::max(index, 0);
    if (count > 0 && index < GetLength())
        m_text.erase(static_cast<size_t>(index),
                     static_cast<size_t>(std::min(count, GetLength() - index)));
    return GetLength();
}

// ---- Raw buffer access

// The buffer is the string itself, grown to at least minLength bytes (NUL-filled); its
// terminator stays in place, so writing a NUL at [minLength] is allowed.
LPTSTR CString::GetBuffer(int minLength) {
    if (minLength > GetLength())
        m_text.resize(static_cast<size_t>(minLength));
    return m_text.data();
}

LPTSTR CString::GetBufferSetLength(int length) {
    m_text.resize(static_cast<size_t>(std::max(length, 0)));
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0)
        m_text.resize(std::min(m_text.find('\0'), m_text.size()));
    else
        m_text.resize(std::min(static_cast<size_t>(newLength), m_text.size()));
}

// ---- String table

// A missing id leaves the string empty, as the framework does.
BOOL CString::LoadString(UINT id) {
    const char* text = StringTable::Lookup(id);
    m_text = text ? text : "";
    return !m_text.empty();
}

// ---- Operators

CString& CString::operator=(LPCTSTR text) {
    m_text = viewOf(text);
    return *this;
}

CString& CString::operator=(char ch) {
    m_text.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& text) {
    m_text += text.m_text;
    return *this;
}

CString& CString::operator+=(LPCTSTR text) {
    m_text += viewOf(text);
    return *this;
}

CString& CString::operator+=(char ch) {
    m_text += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    return CString(a.m_text + b.m_text);
}

CString operator+(const CString& a, LPCTSTR b) {
    CString result(a);
    return result += b;
}

CString operator+(LPCTSTR a, const CString& b) {
    CString result(viewOf(a));
    return result += b;
}

CString operator+(const CString& a, char b) {
    return CString(a.m_text + b);
}

CString operator+(char a, const CString& b) {
    return CString(a + b.m_text);
}

bool operator==(const CString& a, LPCTSTR b) {
    return a.m_text == viewOf(b);
}
