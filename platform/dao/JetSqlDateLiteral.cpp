#include "platform/dao/JetSqlDateLiteral.h"

#include "platform/dao/JetSqlText.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <vector>

namespace {

// A number of a date larger than this is no date; stops the value growing without bound.
constexpr int kLargestNumber = 100000;
// A first number above this is a year: 1999/3/14 rather than m/d/y.
constexpr int kLargestDay = 31;
// Two-digit years below this are in the 2000s, the others in the 1900s.
constexpr int kTwoDigitYearPivot = 30;

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Reads the numbers of a date or time, separated by one kind of separator.
std::vector<int> SplitNumbers(std::string_view part, char separator) {
    std::vector<int> numbers;
    int value = -1;
    for (char c : part) {
        if (IsDigit(c)) {
            value = (value < 0 ? 0 : value * 10) + (c - '0');
            if (value > kLargestNumber)
                return {};
        } else if (c == separator && value >= 0) {
            numbers.push_back(value);
            value = -1;
        } else {
            return {};
        }
    }
    if (value < 0)
        return {};
    numbers.push_back(value);
    return numbers;
}

// The words of the body, split at blanks.
std::vector<std::string_view> Words(std::string_view body) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < body.size()) {
        while (i < body.size() && body[i] == ' ')
            ++i;
        size_t start = i;
        while (i < body.size() && body[i] != ' ')
            ++i;
        if (i > start)
            words.push_back(body.substr(start, i - start));
    }
    return words;
}

struct DateParts {
    int year = 1899, month = 12, day = 30; // the engine's day zero, for a time alone
    int hour = 0, minute = 0, second = 0;
};

int FullYear(int year) {
    return year < kTwoDigitYearPivot ? 2000 + year : year < 100 ? 1900 + year : year;
}

bool ReadDay(std::string_view word, DateParts& d) {
    std::vector<int> n;
    if (word.find('-') != std::string_view::npos) {
        n = SplitNumbers(word, '-');
        if (n.size() != 3)
            return false;
        d.year = n[0], d.month = n[1], d.day = n[2];
        return true;
    }
    n = SplitNumbers(word, '/');
    if (n.size() != 3)
        return false;
    if (n[0] > kLargestDay) // year first: 1999/3/14
        d.year = n[0], d.month = n[1], d.day = n[2];
    else // the engine reads m/d/y
        d.month = n[0], d.day = n[1], d.year = FullYear(n[2]);
    return true;
}

bool ReadTime(std::string_view word, std::optional<std::string_view> meridian, DateParts& d) {
    std::vector<int> n = SplitNumbers(word, ':');
    if (n.size() < 2 || n.size() > 3)
        return false;
    d.hour = n[0], d.minute = n[1], d.second = n.size() == 3 ? n[2] : 0;
    if (meridian) {
        std::string m = JetSqlText::Upper(*meridian);
        if ((m != "AM" && m != "PM") || d.hour < 1 || d.hour > 12)
            return false;
        d.hour = d.hour % 12 + (m == "PM" ? 12 : 0);
    }
    return true;
}

bool IsValid(const DateParts& d) {
    static const std::array<int, 12> days = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.year < 100 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1 ||
        d.day > days[d.month - 1])
        return false;
    bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    if (d.month == 2 && d.day == 29 && !leap)
        return false;
    return d.hour < 24 && d.minute < 60 && d.second < 60;
}

// A day, a time (with AM or PM), or a day and a time; false when the words are none of these.
bool ReadWords(const std::vector<std::string_view>& words, DateParts& d) {
    size_t w = 0;
    if (w < words.size() && words[w].find(':') == std::string_view::npos) {
        if (!ReadDay(words[w], d))
            return false;
        ++w;
    }
    if (w == words.size())
        return w > 0;
    std::optional<std::string_view> meridian;
    if (w + 2 == words.size())
        meridian = words[w + 1];
    else if (w + 1 != words.size())
        return false;
    return ReadTime(words[w], meridian, d);
}

} // namespace

std::optional<std::string> JetSqlDateLiteral::ToIso(std::string_view body) {
    DateParts d;
    if (!ReadWords(Words(body), d) || !IsValid(d))
        return std::nullopt;
    char text[64]; // room for any int, though IsValid bounds every field
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day,
                  d.hour, d.minute, d.second);
    return std::string(text);
}
