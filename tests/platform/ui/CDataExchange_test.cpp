// How the exchange reads a whole number from an edit's text.

#include "platform/ui/CDataExchange.h"

#include <gtest/gtest.h>

TEST(ParseExchangeInteger, TakesBlanksAndASignAroundDigitsOnly) {
    struct Case {
        const char* text;
        BOOL parsed;
        int64_t value;
    };
    const Case cases[] = {
        {"0", TRUE, 0},
        {" 42 ", TRUE, 42},
        {"-7", TRUE, -7},
        {"+15", TRUE, 15},
        {"70000", TRUE, 70000},
        {"9223372036854775807", TRUE, INT64_MAX},
        {"9223372036854775808", FALSE, 0},
        {"", FALSE, 0},
        {"-", FALSE, 0},
        {"1.5", FALSE, 0},
        {"12abc", FALSE, 0},
        {"0x10", FALSE, 0},
        {"1 2", FALSE, 0},
    };
    for (const Case& c : cases) {
        int64_t value = 0;
        EXPECT_EQ(ParseExchangeInteger(c.text, value), c.parsed) << c.text;
        if (c.parsed) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}
