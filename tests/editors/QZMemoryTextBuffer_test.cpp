// The in-memory buffer: lines end at CRLF, LF or CR, a line's length leaves its break out, and
// the lines stay right through any replacement, however it joins or splits a break.

#include "editors/QZMemoryTextBuffer.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<LONG> Lines(const QZMemoryTextBuffer& buffer) {
    std::vector<LONG> lines;
    for (LONG line = 0; line < buffer.GetLineCount(); line++)
        lines.push_back(buffer.LineIndex(line) * 1000 + buffer.LineLength(line));
    return lines;
}

TEST(QZMemoryTextBuffer, LinesEndAtEveryKindOfBreak) {
    QZMemoryTextBuffer buffer{"ab\r\nc\nd\re\r\r\n"};
    EXPECT_EQ(Lines(buffer), (std::vector<LONG>{2, 4001, 6001, 8001, 10000, 12000}));
    EXPECT_EQ(buffer.LineFromChar(3), 0);
    EXPECT_EQ(buffer.LineFromChar(4), 1);
    EXPECT_EQ(buffer.LineFromChar(99), 5);
    EXPECT_EQ(buffer.LineIndex(6), -1);
}

TEST(QZMemoryTextBuffer, ReplacingKeepsTheLinesAsAFreshBufferHasThem) {
    std::mt19937 random(31);
    const char pieces[] = {'a', '\r', '\n'};
    auto randomText = [&](int maxLength) {
        std::string text;
        int length = std::uniform_int_distribution<int>(0, maxLength)(random);
        for (int i = 0; i < length; i++)
            text += pieces[std::uniform_int_distribution<int>(0, 2)(random)];
        return text;
    };
    QZMemoryTextBuffer buffer{CString(randomText(30))};
    for (int round = 0; round < 3000; round++) {
        buffer.GetLineCount();
        LONG length = buffer.GetLength();
        LONG start = std::uniform_int_distribution<LONG>(0, length)(random);
        LONG end = std::uniform_int_distribution<LONG>(start, std::min(length, start + 4))(random);
        std::string inserted = randomText(4);
        buffer.ReplaceRange(start, end, CString(inserted));
        QZMemoryTextBuffer fresh{buffer.GetText()};
        ASSERT_EQ(Lines(buffer), Lines(fresh)) << round;
        ASSERT_EQ(buffer.GetStyles().size(), buffer.GetText().str().size());
    }
}

} // namespace
