#include "platform/core/OleDateMath.h"

#include <cmath>

namespace {

constexpr long long kSecondsPerDay = 86400;
// Serial days of 1 January 100 and 31 December 9999.
constexpr long long kFirstSerial = -657434;
constexpr long long kLastSerial = 2958465;
// Days from 1 March of year 0 to the epoch, in the era-based day count below.
constexpr long long kEpochShift = 693899;

long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Days since 1 March of year 0, counting years from March so that the leap day ends a year.
long long DaysFromMarchZero(int year, int month, int day) {
    long long y = month <= 2 ? year - 1 : year;
    long long era = FloorDiv(y, 400);
    long long yearOfEra = y - era * 400;
    long long monthFromMarch = month > 2 ? month - 3 : month + 9;
    long long dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

void CivilFromSerial(long long serial, int& year, int& month, int& day) {
    long long z = serial + kEpochShift;
    long long era = FloorDiv(z, 146097);
    long long dayOfEra = z - era * 146097;
    long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long long monthFromMarch = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

} // namespace

int MQDaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool MQIsValidDay(int year, int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= MQDaysInMonth(year, month);
}

long long MQSerialFromCivil(int year, int month, int day) {
    return DaysFromMarchZero(year, month, day) - kEpochShift;
}

bool MQDateFromParts(int year, int month, int day, int hour, int minute, int second, DATE& out) {
    if (year < MQ_FIRST_YEAR || year > MQ_LAST_YEAR || !MQIsValidDay(year, month, day))
        return false;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    double serial = static_cast<double>(MQSerialFromCivil(year, month, day));
    double time = (hour * 3600 + minute * 60 + second) / double(kSecondsPerDay);
    out = serial >= 0 ? serial + time : serial - time;
    return true;
}

double MQLinearFromDate(DATE value) {
    if (value >= 0)
        return value;
    double whole = std::trunc(value);
    return whole + (whole - value);
}

DATE MQDateFromLinear(double linear) {
    if (linear >= 0)
        return linear;
    double whole = std::floor(linear);
    return whole - (linear - whole);
}

bool MQIsLinearInRange(double linear) {
    return linear >= double(kFirstSerial) && linear < double(kLastSerial + 1);
}

bool MQPartsFromDate(DATE value, MQDateParts& out) {
    double linear = MQLinearFromDate(value);
    if (!std::isfinite(linear) || linear < kFirstSerial - 1 || linear > kLastSerial + 1)
        return false;
    long long seconds = std::llround(linear * kSecondsPerDay);
    long long serial = FloorDiv(seconds, kSecondsPerDay);
    if (serial < kFirstSerial || serial > kLastSerial)
        return false;
    long long secondOfDay = seconds - serial * kSecondsPerDay;
    CivilFromSerial(serial, out.year, out.month, out.day);
    out.hour = static_cast<int>(secondOfDay / 3600);
    out.minute = static_cast<int>(secondOfDay / 60 % 60);
    out.second = static_cast<int>(secondOfDay % 60);
    // 30 December 1899 was a Saturday.
    out.dayOfWeek = static_cast<int>((serial % 7 + 7 + 6) % 7) + 1;
    out.dayOfYear = static_cast<int>(serial - MQSerialFromCivil(out.year, 1, 1)) + 1;
    return true;
}

bool MQDateFromTime(time_t t, DATE& out) {
    struct tm local {};
    if (!localtime_r(&t, &local))
        return false;
    return MQDateFromParts(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                           local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec, out);
}
