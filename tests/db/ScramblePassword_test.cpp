#include "db/QZScrambledText.h"
#include "db/ScramblePassword.h"

#include <gtest/gtest.h>

namespace {

TEST(ScramblePasswordTest, ReversesTheTextAndMirrorsTheBitsOfEachCharacter) {
    CString scrambled = ScramblePassword("abc");
    ASSERT_EQ(scrambled.GetLength(), 3);
    EXPECT_EQ(static_cast<BYTE>(scrambled[0]), 0x78);
    EXPECT_EQ(static_cast<BYTE>(scrambled[1]), 0x68);
    EXPECT_EQ(static_cast<BYTE>(scrambled[2]), 0x70);
}

TEST(ScramblePasswordTest, IsItsOwnInverseForSevenBitText) {
    for (const char* text : {"", "abc", "Secret#1", " ~!@`{}|\x01\x7f"})
        EXPECT_EQ(ScramblePassword(ScramblePassword(text)), CString(text)) << text;
}

TEST(ScramblePasswordTest, DropsBitSevenOfEveryCharacter) {
    EXPECT_EQ(ScramblePassword(ScramblePassword("\xe1\xe2")), CString("ab"));
}

TEST(ScrambledTextTest, HoldsTheStoredFormAndReadsAsPlainText) {
    QZScrambledText password;
    EXPECT_EQ(password.Get(), CString(""));
    password = "abc";
    EXPECT_EQ(password.m_Stored, ScramblePassword("abc"));
    EXPECT_EQ(password.Get(), CString("abc"));
    CString plain = password;
    EXPECT_EQ(plain, CString("abc"));
}

} // namespace
