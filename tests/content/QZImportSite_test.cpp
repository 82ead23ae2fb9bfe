// The line ends of imported page texts.
#include "content/import/QZImportSite.h"

#include <gtest/gtest.h>

namespace {

TEST(QZImportSiteLineEnds, EveryLineEndBecomesCrLf) {
    struct Case {
        const char* text;
        const char* normalized;
    };
    for (const Case& c : {Case{"", ""}, Case{"a\nb", "a\r\nb"}, Case{"a\rb", "a\r\nb"},
                          Case{"a\r\nb", "a\r\nb"}, Case{"a\r", "a\r\n"}, Case{"\n\r", "\r\n\r\n"},
                          Case{"\r\r\n", "\r\n\r\n"}, Case{"a\n\nb\r\n\r\n", "a\r\n\r\nb\r\n\r\n"}})
        EXPECT_EQ(QZImportSite::NormalizeLineEnds(c.text).str(), c.normalized) << c.text;
}

} // namespace
