#include "template/commands/QZDatePicture.h"

#include "platform/core/COleDateTime.h"

#include <cctype>
#include <string_view>

namespace {

struct Word {
    std::string_view run;
    std::string_view format;
    // Where the hour's "H" stands in the format, for the 12-hour clock; -1 for none.
    int hourAt;
};

const Word kWords[] = {
    {"c", "%c", -1},    {"d", "%#d", -1},    {"dd", "%d", -1},      {"ddd", "%a", -1},
    {"dddd", "%A", -1}, {"ddddd", "%x", -1}, {"dddddd", "%#x", -1}, {"w", "%w", -1},
    {"ww", "%U", -1},   {"m", "%#m", -1},    {"mm", "%m", -1},      {"mmm", "%b", -1},
    {"mmmm", "%B", -1}, {"q", "", -1},       {"y", "%j", -1},       {"yy", "%y", -1},
    {"yyyy", "%Y", -1}, {"h", "%#H", 2},     {"hh", "%H", 1},       {"n", "%#M", -1},
    {"nn", "%M", -1},   {"s", "%#S", -1},    {"ss", "%S", -1},      {"ttttt", "%X", -1},
};

// The AM/PM runs, with their morning and afternoon texts.
struct Meridiem {
    std::string_view run;
    const char* morning;
    const char* afternoon;
};

const Meridiem kMeridiems[] = {
    {"AMPM", "AM", "PM"},
    {"ampm", "am", "pm"},
    {"AP", "A", "P"},
    {"ap", "a", "p"},
};

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

} // namespace

CString QZDatePicture::Format(const COleDateTime& date, const CString& picture) {
    if (date.GetStatus() != COleDateTime::valid)
        return picture;
    return date.Format(ToFormat(date, picture.str()).c_str());
}

std::string QZDatePicture::ToFormat(const COleDateTime& date, const std::string& picture) {
    std::string format;
    int hourAt = -1;
    size_t i = 0;
    while (i < picture.size()) {
        if (!IsLetter(picture[i])) {
            // Copied as itself: a "%" of the picture is no conversion.
            format += picture[i] == '%' ? "%%" : std::string(1, picture[i]);
            i++;
            continue;
        }
        size_t start = i;
        while (i < picture.size() && IsLetter(picture[i]))
            i++;
        std::string_view run(picture.data() + start, i - start);
        bool known = false;
        for (const Word& word : kWords) {
            if (word.run != run)
                continue;
            if (word.hourAt >= 0)
                hourAt = static_cast<int>(format.size()) + word.hourAt;
            format += word.format;
            known = true;
            break;
        }
        for (const Meridiem& meridiem : kMeridiems) {
            if (known || meridiem.run != run)
                continue;
            format += date.GetHour() < 12 ? meridiem.morning : meridiem.afternoon;
            if (hourAt >= 0)
                format[hourAt] = 'I';
            hourAt = -1;
            known = true;
        }
        if (!known)
            format += run;
    }
    return format;
}
