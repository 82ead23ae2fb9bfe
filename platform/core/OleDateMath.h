#pragma once
// Calendar arithmetic of the OLE date: days since 30 December 1899 with the time of day as the
// fraction. Before that day the whole part counts back while the fraction's magnitude is still
// the time of day (-1.25 is 29 December 1899, 06:00), so arithmetic goes through a linear value
// (plain days since the epoch) and back.

#include "platform/core/Types.h"

#include <ctime>

// The broken-down parts of a date.
struct MQDateParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int dayOfWeek = 7;   // 1 = Sunday
    int dayOfYear = 364; // 1 = 1 January
};

// The range of valid dates: 1 January 100 to 31 December 9999.
constexpr int MQ_FIRST_YEAR = 100;
constexpr int MQ_LAST_YEAR = 9999;

// True when `year`/`month`/`day` names a day of the calendar (any year).
bool MQIsValidDay(int year, int month, int day);
int MQDaysInMonth(int year, int month);

// Days from the epoch (30 December 1899) to the given day of the proleptic Gregorian calendar.
long long MQSerialFromCivil(int year, int month, int day);

// The date value of the parts; false when a part is out of range (years 100 to 9999).
bool MQDateFromParts(int year, int month, int day, int hour, int minute, int second, DATE& out);

// The parts of a date value, rounded to the second; false outside the valid range.
bool MQPartsFromDate(DATE value, MQDateParts& out);

// Between the stored form and the linear one (days since the epoch on one straight line).
double MQLinearFromDate(DATE value);
DATE MQDateFromLinear(double linear);

// True when the linear value lies between 1 January 100 00:00 and 31 December 9999 23:59:59.
bool MQIsLinearInRange(double linear);

// The local date and time of `t` as a date value; false when the system cannot convert it.
bool MQDateFromTime(time_t t, DATE& out);
