#include "platform/core/OleDateText.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string_view>
#include <vector>

namespace {

const char* const kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

void AppendNumber(std::string& out, long long value, int width, bool trimZeros) {
    char text[32];
    if (trimZeros)
        std::snprintf(text, sizeof text, "%lld", value);
    else
        std::snprintf(text, sizeof text, "%0*lld", width, value);
    out += text;
}

int Hour12(int hour) {
    return hour % 12 == 0 ? 12 : hour % 12;
}

// Week of the year, the first week starting on the first `firstDay` (0 = Sunday, 1 = Monday).
int WeekOfYear(const MQDateParts& p, int firstDay) {
    int weekday = (p.dayOfWeek - 1 - firstDay + 7) % 7;
    return (p.dayOfYear - 1 + 7 - weekday) / 7;
}

void AppendConversion(std::string& out, const MQDateParts& p, char conversion, bool alt,
                      const long long* spanDays) {
    switch (conversion) {
    case 'a':
        out.append(kDayNames[p.dayOfWeek - 1], 3);
        break;
    case 'A':
        out += kDayNames[p.dayOfWeek - 1];
        break;
    case 'b':
        out.append(kMonthNames[p.month - 1], 3);
        break;
    case 'B':
        out += kMonthNames[p.month - 1];
        break;
    case 'c':
        out += MQFormatDateParts(p, alt ? "%A, %B %d, %Y %H:%M:%S" : "%m/%d/%y %H:%M:%S");
        break;
    case 'd':
        AppendNumber(out, p.day, 2, alt);
        break;
    case 'D':
        if (spanDays)
            AppendNumber(out, *spanDays, 1, true);
        break;
    case 'H':
        AppendNumber(out, p.hour, 2, alt);
        break;
    case 'I':
        AppendNumber(out, Hour12(p.hour), 2, alt);
        break;
    case 'j':
        AppendNumber(out, p.dayOfYear, 3, alt);
        break;
    case 'm':
        AppendNumber(out, p.month, 2, alt);
        break;
    case 'M':
        AppendNumber(out, p.minute, 2, alt);
        break;
    case 'p':
        out += p.hour < 12 ? "AM" : "PM";
        break;
    case 'S':
        AppendNumber(out, p.second, 2, alt);
        break;
    case 'U':
        AppendNumber(out, WeekOfYear(p, 0), 2, alt);
        break;
    case 'w':
        AppendNumber(out, p.dayOfWeek - 1, 1, alt);
        break;
    case 'W':
        AppendNumber(out, WeekOfYear(p, 1), 2, alt);
        break;
    case 'x':
        out += MQFormatDateParts(p, alt ? "%A, %B %d, %Y" : "%m/%d/%y");
        break;
    case 'X':
        out += MQFormatDateParts(p, "%H:%M:%S");
        break;
    case 'y':
        AppendNumber(out, p.year % 100, 2, alt);
        break;
    case 'Y':
        AppendNumber(out, p.year, 4, alt);
        break;
    case '%':
        out += '%';
        break;
    default:
        break; // unknown conversions write nothing, as the original runtime did
    }
}

} // namespace

std::string MQFormatDateParts(const MQDateParts& parts, const char* format,
                              const long long* spanDays) {
    std::string out;
    if (!format)
        return out;
    for (const char* s = format; *s; ++s) {
        if (*s != '%') {
            out += *s;
            continue;
        }
        bool alt = s[1] == '#';
        if (alt)
            ++s;
        if (!s[1])
            break;
        ++s;
        AppendConversion(out, parts, *s, alt, spanDays);
    }
    return out;
}

std::string MQDefaultDateText(DATE value) {
    MQDateParts p;
    if (!MQPartsFromDate(value, p))
        return {};
    bool hasDate = !(p.year == 1899 && p.month == 12 && p.day == 30);
    bool hasTime = p.hour != 0 || p.minute != 0 || p.second != 0;
    char date[32];
    char time[32];
    std::snprintf(date, sizeof date, "%d/%d/%d", p.month, p.day, p.year);
    std::snprintf(time, sizeof time, "%d:%02d:%02d %s", Hour12(p.hour), p.minute, p.second,
                  p.hour < 12 ? "AM" : "PM");
    if (!hasDate)
        return time;
    if (!hasTime)
        return date;
    return std::string(date) + " " + time;
}

// ---------------------------------------------------------------------------------------------
// Parsing

namespace {

struct Token {
    enum Kind { Number, Month, Weekday, AmPm, Separator } kind;
    int value = 0;      // number; month 1..12; 0 for AM, 12 for PM
    int digits = 0;     // digits of a number
    char separator = 0; // '/', '-', '.', ':' or ','
    bool used = false;
};

// The index of the month or weekday that `word` abbreviates (at least three letters), or -1.
int MatchName(std::string_view word, const char* const* names, int count) {
    if (word.size() < 3)
        return -1;
    for (int i = 0; i < count; ++i) {
        std::string_view name = names[i];
        if (word.size() > name.size())
            continue;
        bool same = true;
        for (size_t k = 0; k < word.size() && same; ++k)
            same = std::tolower(static_cast<unsigned char>(word[k])) ==
                   std::tolower(static_cast<unsigned char>(name[k]));
        if (same)
            return i;
    }
    return -1;
}

bool ReadWord(std::string_view word, std::vector<Token>& tokens) {
    Token t{Token::Month};
    int month = MatchName(word, kMonthNames, 12);
    if (month >= 0) {
        t.value = month + 1;
        tokens.push_back(t);
        return true;
    }
    if (MatchName(word, kDayNames, 7) >= 0) {
        tokens.push_back(Token{Token::Weekday});
        return true;
    }
    std::string lower;
    for (char c : word)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "am" || lower == "pm") {
        t.kind = Token::AmPm;
        t.value = lower == "am" ? 0 : 12;
        tokens.push_back(t);
        return true;
    }
    return false;
}

bool Tokenize(const char* text, std::vector<Token>& tokens) {
    const char* s = text;
    while (*s) {
        unsigned char c = static_cast<unsigned char>(*s);
        if (std::isspace(c)) {
            ++s;
        } else if (std::isdigit(c)) {
            Token t{Token::Number};
            long long value = 0;
            while (std::isdigit(static_cast<unsigned char>(*s))) {
                if (value < 100000)
                    value = value * 10 + (*s - '0');
                ++t.digits;
                ++s;
            }
            t.value = static_cast<int>(value);
            tokens.push_back(t);
        } else if (std::isalpha(c)) {
            const char* start = s;
            while (std::isalpha(static_cast<unsigned char>(*s)))
                ++s;
            if (!ReadWord(std::string_view(start, s - start), tokens))
                return false;
        } else if (std::strchr("/-.:,", c)) {
            Token t{Token::Separator};
            t.separator = static_cast<char>(c);
            tokens.push_back(t);
            ++s;
        } else {
            return false;
        }
    }
    return !tokens.empty();
}

struct TimeOfDay {
    bool present = false;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

bool IsSeparator(const std::vector<Token>& t, size_t i, char c) {
    return i < t.size() && t[i].kind == Token::Separator && t[i].separator == c;
}

bool IsNumber(const std::vector<Token>& t, size_t i) {
    return i < t.size() && t[i].kind == Token::Number;
}

// Finds "h:mm[:ss]" or "h AM" and marks its tokens used; false when the time is malformed.
bool TakeTime(std::vector<Token>& t, TimeOfDay& time) {
    size_t end = 0;
    for (size_t i = 0; i < t.size() && !time.present; ++i) {
        if (IsNumber(t, i) && IsSeparator(t, i + 1, ':') && IsNumber(t, i + 2)) {
            time = {true, t[i].value, t[i + 2].value, 0};
            end = i + 3;
            if (IsSeparator(t, end, ':') && IsNumber(t, end + 1)) {
                time.second = t[end + 1].value;
                end += 2;
            }
            for (size_t k = i; k < end; ++k)
                t[k].used = true;
        } else if (IsNumber(t, i) && i + 1 < t.size() && t[i + 1].kind == Token::AmPm) {
            time = {true, t[i].value, 0, 0};
            t[i].used = true;
            end = i + 1;
        }
    }
    bool hasAmPm = time.present && end < t.size() && t[end].kind == Token::AmPm;
    if (hasAmPm) {
        t[end].used = true;
        if (time.hour > 12)
            return false;
        time.hour = time.hour % 12 + t[end].value;
    }
    for (const Token& token : t)
        if (token.kind == Token::AmPm && !token.used)
            return false;
    return !time.present || (time.hour <= 23 && time.minute <= 59 && time.second <= 59);
}

bool IsYearLike(const Token& t) {
    return t.digits >= 3 || t.value > 31;
}

int CurrentYear() {
    time_t now = std::time(nullptr);
    struct tm local {};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

// Two-digit years fall in 1930 to 2029; written with three or more digits they stand as given.
int FullYear(const Token& t) {
    if (t.digits > 2)
        return t.value;
    return t.value < 30 ? 2000 + t.value : 1900 + t.value;
}

struct CalendarDay {
    bool present = false;
    int year = 0;
    int month = 0;
    int day = 0;
};

// Reads the date from the tokens the time left; false when they are not a date.
bool TakeDate(const std::vector<Token>& t, CalendarDay& date) {
    std::vector<const Token*> numbers;
    const Token* month = nullptr;
    for (const Token& token : t) {
        if (token.used || token.kind == Token::Weekday || token.kind == Token::Separator)
            continue;
        if (token.kind == Token::Month) {
            if (month)
                return false;
            month = &token;
        } else {
            numbers.push_back(&token);
        }
    }
    if (!month && numbers.empty())
        return true;
    date.present = true;
    if (month) {
        date.month = month->value;
        if (numbers.size() == 2) {
            bool yearFirst = IsYearLike(*numbers[0]);
            date.day = numbers[yearFirst ? 1 : 0]->value;
            date.year = FullYear(*numbers[yearFirst ? 0 : 1]);
        } else if (numbers.size() == 1 && IsYearLike(*numbers[0])) {
            date.day = 1;
            date.year = FullYear(*numbers[0]);
        } else if (numbers.size() == 1) {
            date.day = numbers[0]->value;
            date.year = CurrentYear();
        } else {
            return false;
        }
        return true;
    }
    if (numbers.size() == 3) {
        bool yearFirst = IsYearLike(*numbers[0]);
        date.year = FullYear(*numbers[yearFirst ? 0 : 2]);
        date.month = numbers[yearFirst ? 1 : 0]->value;
        date.day = numbers[yearFirst ? 2 : 1]->value;
    } else if (numbers.size() == 2 && IsYearLike(*numbers[1])) {
        date = {true, FullYear(*numbers[1]), numbers[0]->value, 1};
    } else if (numbers.size() == 2 && IsYearLike(*numbers[0])) {
        date = {true, FullYear(*numbers[0]), numbers[1]->value, 1};
    } else if (numbers.size() == 2) {
        date = {true, CurrentYear(), numbers[0]->value, numbers[1]->value};
    } else {
        return false;
    }
    return true;
}

} // namespace

SCODE MQParseDateText(const char* text, DWORD flags, DATE& out) {
    std::vector<Token> tokens;
    TimeOfDay time;
    CalendarDay date;
    if (!text || !Tokenize(text, tokens) || !TakeTime(tokens, time) || !TakeDate(tokens, date))
        return DISP_E_TYPEMISMATCH;
    if (!time.present && !date.present)
        return DISP_E_TYPEMISMATCH;
    if (!date.present || (flags & VAR_TIMEVALUEONLY))
        date = {true, 1899, 12, 30};
    else if (!MQIsValidDay(date.year, date.month, date.day))
        return DISP_E_TYPEMISMATCH;
    if (flags & VAR_DATEVALUEONLY)
        time = {};
    if (date.year < MQ_FIRST_YEAR || date.year > MQ_LAST_YEAR)
        return DISP_E_OVERFLOW;
    if (!MQDateFromParts(date.year, date.month, date.day, time.hour, time.minute, time.second, out))
        return DISP_E_TYPEMISMATCH;
    return S_OK;
}
