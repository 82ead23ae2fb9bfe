#pragma once
// Reads the body of a #date# literal of the dialect ("3/14/1999", "1999-03-14 10:20:00",
// "10:20 PM") with the engine's rules for the order of day and month and for two-digit years.

#include <optional>
#include <string>
#include <string_view>

class JetSqlDateLiteral {
public:
    // The value as ISO text "YYYY-MM-DD HH:MM:SS" (a time alone falls on the engine's day
    // zero, 1899-12-30); nullopt when the body is malformed or names no real date or time.
    static std::optional<std::string> ToIso(std::string_view body);
};
