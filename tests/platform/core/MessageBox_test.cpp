#include "platform/core/MessageBox.h"
#include "platform/core/StringTable.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

TEST(MessageBox, RecorderKeepsTextsAndAnswersScriptedThenDefault) {
    MessageBoxRecorder recorder;
    recorder.Answer(IDNO);
    EXPECT_EQ(AfxMessageBox("Delete it?", MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox("Again?", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(AfxMessageBox("Done."), IDOK);
    EXPECT_EQ(recorder.texts(), (std::vector<std::string>{"Delete it?", "Again?", "Done."}));
    EXPECT_EQ(recorder.shown()[1].type, UINT(MB_YESNO | MB_DEFBUTTON2));
}

TEST(MessageBox, StringIdShowsTableTextWithItsIdAsHelp) {
    StringTable::Register(64001, "Text from the table.");
    MessageBoxRecorder recorder;
    AfxMessageBox(64001u);
    ASSERT_EQ(recorder.shown().size(), 1u);
    EXPECT_EQ(recorder.shown()[0].text, "Text from the table.");
    EXPECT_EQ(recorder.shown()[0].helpId, 64001u);
}

TEST(MessageBox, DefaultAnswerFollowsTypeAndDefaultButton) {
    struct Case {
        UINT type;
        int answer;
    } cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNOCANCEL, IDYES},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
        {MB_RETRYCANCEL | MB_ICONSTOP, IDRETRY},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DefaultMessageBoxAnswer(c.type), c.answer) << c.type;
}

TEST(MessageBox, RecorderRestoresPreviousSink) {
    MessageBoxRecorder outer;
    {
        MessageBoxRecorder inner;
        AfxMessageBox("inner");
    }
    AfxMessageBox("outer");
    EXPECT_EQ(outer.texts(), std::vector<std::string>{"outer"});
}
