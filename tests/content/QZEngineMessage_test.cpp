#include "content/QZEngineMessage.h"

#include "shell/CVantrel3App.h"
#include "tests/content/EngineMessageRecorder.h"

#include <gtest/gtest.h>

namespace {

struct DisplayCase {
    const char* label;
    int kind;
    SHORT type;
    LONG dbId;
    LONG keyId;
    int line;
    const char* text;
    const char* display;
};

// With no site database open, keys of DbID 0 are the open database's own and show short.
const DisplayCase kCases[] = {
    {"compile error in a page", 0, OBJ_PAGE, 0, 5, 12, "bad command",
     "Page :5, Line 12: error: bad command"},
    {"query: no object word", 0, OBJ_QUERY, 7, 3, 4, "no rows", "7:3, Line 4: error: no rows"},
    {"warning about a macro", 1, OBJ_MACRO, 0, 9, 2, "unused", "Macro :9, Line 2: warning: unused"},
    {"line 0: no line part", 1, OBJ_IMAGE, 0, 4, 0, "large", "Image :4: warning: large"},
    {"negative line: no line part", 0, OBJ_FORM, 0, 4, -3, "x", "Form :4: error: x"},
    {"key number 0: no key text", 0, OBJ_MESSAGE, 7, 0, 3, "x", "Message , Line 3: error: x"},
    {"progress line", 2, OBJ_MEDIA, 0, 2, 0, "Compiling", "Multimedia Object :2: Compiling"},
    {"detail line of a section", 3, OBJ_SECTION, 0, 6, 0, "Done", ":6: Done"},
};

TEST(QZEngineMessage, DisplayLinesFollowObjectKeyLineAndKind) {
    for (const DisplayCase& c : kCases) {
        QZEngineMessage message(c.kind, static_cast<WORD>(c.type), QZKeyCombo(c.dbId, c.keyId),
                                c.text, c.line);
        EXPECT_EQ(message.GetDisplayText().str(), c.display) << c.label;
    }
}

TEST(QZEngineMessage, BannerShowsItsTextAlone) {
    QZEngineMessage banner(2, "------- Starting to Generate Pages -------");
    EXPECT_EQ(banner.GetObjectType(), OBJ_NONE);
    EXPECT_EQ(banner.GetKey().m_KeyID, 0);
    EXPECT_EQ(banner.GetDisplayText().str(), "------- Starting to Generate Pages -------");
    QZEngineMessage error(0, "Cannot connect");
    EXPECT_EQ(error.GetDisplayText().str(), "error: Cannot connect");
}

TEST(QZEngineMessage, ApplicationDropsDetailLinesUnlessVerboseAndPassesTheRest) {
    CVantrel3App app;
    EngineMessageRecorder recorder;
    for (int kind : {0, 1, 2, 3})
        app.PostEngineMessage(new QZEngineMessage(kind, "line"));
    app.m_bVerboseMessages = TRUE;
    app.PostEngineMessage(new QZEngineMessage(3, "detail"));
    ASSERT_EQ(recorder.lines().size(), 4u);
    EXPECT_EQ(recorder.lines()[0].kind, 0);
    EXPECT_EQ(recorder.lines()[1].kind, 1);
    EXPECT_EQ(recorder.lines()[2].kind, 2);
    EXPECT_EQ(recorder.lines()[3].display, "detail");
}

} // namespace
