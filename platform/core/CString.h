#pragma once
// The 8-bit string class of the system's code. Text is UTF-8 on Linux; every index and length
// counts bytes, as the original's did for its ANSI code page.

#include "platform/core/FormatArgs.h"
#include "platform/core/Types.h"

#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const char* text);
    CString(const char* text, int length);
    CString(char ch, int repeat = 1);
    CString(std::string text) : m_text(std::move(text)) {}
    CString(std::string_view text) : m_text(text) {}

    // Size and access
    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const;
    void SetAt(int index, char ch);
    char operator[](int index) const { return GetAt(index); }
    operator LPCTSTR() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    // Comparison: Compare is case-sensitive, CompareNoCase folds ASCII letters.
    int Compare(LPCTSTR other) const;
    int CompareNoCase(LPCTSTR other) const;
    int Collate(LPCTSTR other) const;

    // Extraction; out-of-range counts and starts are clamped, never read past the end.
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString SpanIncluding(LPCTSTR charSet) const;
    CString SpanExcluding(LPCTSTR charSet) const;

    // Searching; results are zero-based indexes or -1.
    int Find(char ch, int start = 0) const;
    int Find(LPCTSTR sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCTSTR charSet) const;

    // Changing in place
    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    void TrimLeft();
    void TrimLeft(char target);
    void TrimLeft(LPCTSTR targets);
    void TrimRight();
    void TrimRight(char target);
    void TrimRight(LPCTSTR targets);
    void Trim() {
        TrimRight();
        TrimLeft();
    }
    int Replace(char oldCh, char newCh);
    int Replace(LPCTSTR oldText, LPCTSTR newText);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, LPCTSTR text);
    int Delete(int index, int count = 1);

    // Raw buffer access, as the framework gives it: write into GetBuffer's result, then
    // ReleaseBuffer(-1) takes the length up to the first NUL.
    LPTSTR GetBuffer(int minLength);
    LPTSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // printf-style formatting with the original's type sizes: "%ld" and "%d" take 32-bit
    // values, "%hd" 16-bit, "%I64d" 64-bit; "%s" takes C strings and CStrings alike.
    template <typename... Args> void Format(LPCTSTR format, const Args&... args) {
        const MQFormatArg list[] = {MQFormatArg(args)..., MQFormatArg()};
        m_text = MQFormatString(format, list, sizeof...(Args));
    }
    template <typename... Args> void AppendFormat(LPCTSTR format, const Args&... args) {
        const MQFormatArg list[] = {MQFormatArg(args)..., MQFormatArg()};
        m_text += MQFormatString(format, list, sizeof...(Args));
    }
    template <typename... Args> void Format(UINT formatId, const Args&... args) {
        CString format;
        format.LoadString(formatId);
        Format(static_cast<LPCTSTR>(format), args...);
    }

    // Loads a text of the string table (see StringTable.h); FALSE when the id has none.
    BOOL LoadString(UINT id);

    // Operators
    CString& operator=(LPCTSTR text);
    CString& operator=(char ch);
    CString& operator+=(const CString& text);
    CString& operator+=(LPCTSTR text);
    CString& operator+=(char ch);

    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, LPCTSTR b);
    friend CString operator+(LPCTSTR a, const CString& b);
    friend CString operator+(const CString& a, char b);
    friend CString operator+(char a, const CString& b);

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, LPCTSTR b);
    friend bool operator==(LPCTSTR a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, LPCTSTR b) { return !(a == b); }
    friend bool operator!=(LPCTSTR a, const CString& b) { return !(b == a); }
    friend bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
    friend bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
    friend bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
    friend bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }

private:
    std::string m_text;
};

// Hash for unordered containers keyed by CString.
template <> struct std::hash<CString> {
    size_t operator()(const CString& s) const noexcept { return std::hash<std::string>()(s.str()); }
};
