// The activex, java and media commands: the elements of stored ActiveX objects, Java applets
// and multimedia files with their rows' defaults, the parameters that override them, their
// bodies, errors and dependency rows.
#include "tests/content/ObjectCommandFixture.h"

namespace {

using EmbeddedObjectTest = ObjectCommandTest;

const char* const kClock = "<object classid=\"clsid:A1B2-C3D4\" codebase=\"../../site/news/\"";
const char* const kClockRest = " data=\"clock.dat\" type=\"application/x-clock\" name=\"clock\" "
                               "title=\"Clock\" standby=\"Loading\" height=50 width=60 hspace=2 "
                               "vspace=3>";

TEST_F(EmbeddedObjectTest, AnActiveXObjectIsWrittenFromItsRowAroundItsBody) {
    EXPECT_EQ(Body("<<activex :17>><param name=a value=1><</activex>>"),
              std::string(kClock) + " align=middle border=1" + kClockRest +
                  "<param name=a value=1></object>");
    EXPECT_TRUE(ErrorTexts().empty());
}

TEST_F(EmbeddedObjectTest, ActiveXParametersOverrideTheRow) {
    struct Case {
        const char* parameters;
        const char* attributes;
    } cases[] = {
        {"align=top, border=0", " align=top border=0"},
        {"align=7", " border=1"},
        {"align=2.9", " align=top border=1"},
        {"width=10.9, tabindex=4, declare, notab, shapes",
         " align=middle border=1 data=\"clock.dat\" type=\"application/x-clock\" name=\"clock\" "
         "title=\"Clock\" standby=\"Loading\" height=50 width=10 hspace=2 vspace=3 tabindex=4 "
         "declare notab shapes>"},
        // An integer for a text parameter counts as absent: the column is used.
        {"name=5, data=\"d.bin\", height=0, hspace=0",
         " align=middle border=1 data=\"d.bin\" type=\"application/x-clock\" name=\"clock\" "
         "title=\"Clock\" standby=\"Loading\" width=60 hspace=0 vspace=3>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parameters);
        std::string expected = std::string(kClock) + c.attributes;
        if (expected.back() != '>')
            expected += kClockRest;
        EXPECT_EQ(Body(std::string("<<activex :17, ") + c.parameters + ">><</activex>>"),
                  expected + "</object>");
    }
    EXPECT_TRUE(ErrorTexts().empty());
}

TEST_F(EmbeddedObjectTest, TheClassIdGetsItsPrefixOnce) {
    for (const char* classId : {"A1B2-C3D4", "clsid:A1B2-C3D4"}) {
        Update(ContentKindOf(OBJ_ACTIVEX), 17, std::string("ClassID = '") + classId + "'");
        EXPECT_EQ(Body("<<activex :17>><</activex>>").substr(0, 33),
                  "<object classid=\"clsid:A1B2-C3D4\"");
    }
}

TEST_F(EmbeddedObjectTest, AFlagNamedByTheEnclosingTextStaysOff) {
    EXPECT_EQ(Body("<<set notab=1>><<activex :17, notab, declare>><</activex>>"),
              std::string(kClock) + " align=middle border=1" +
                  std::string(kClockRest).substr(0, std::string(kClockRest).size() - 1) +
                  " declare></object>");
}

TEST_F(EmbeddedObjectTest, AnAppletAlwaysHasAnAltAndItsDirectoryInTheCodebase) {
    EXPECT_EQ(Body("<<java :18>><param name=speed value=2><</java>>"),
              "<applet code=\"Ticker.class\" codebase=\"../../site/news/applets/\" align=middle "
              "alt=\"\" title=\"Ticker\" height=20 width=300 hspace=0 vspace=0>"
              "<param name=speed value=2></applet>");
    EXPECT_EQ(Body("<<java \"5:18\", align=left, alt=\"News\", title=\"\", download=1, "
                   "width=12.7>><</java>>"),
              "<applet code=\"Ticker.class\" codebase=\"../../site/news/applets/\" align=left "
              "alt=\"News\" height=20 width=12 hspace=0 vspace=0 download=1></applet>");
    EXPECT_TRUE(ErrorTexts().empty());
}

TEST_F(EmbeddedObjectTest, AMediaCommandLinksToItsFile) {
    EXPECT_EQ(Body("<<media :19, other=\"id=j\", onmouseover=\"hi()\", ONCLICK=\"go()\", "
                   "Target=\"_blank\">>Listen<</media>>"),
              "<a href=\"../../site/news/sounds/jingle.wav\" id=j onMouseOver=\"hi()\" "
              "onClick=\"go()\" target=\"_blank\">Listen</a>");
    EXPECT_TRUE(ErrorTexts().empty());
}

TEST_F(EmbeddedObjectTest, AMediaLinkInsideAMediaLinkIsRefusedAndLaterOnesWork) {
    EXPECT_EQ(Body("<<media :19>>a<<media :19>>b<</media>>c<</media>><<media :19>>d<</media>>"),
              "<a href=\"../../site/news/sounds/jingle.wav\">abc</a>"
              "<a href=\"../../site/news/sounds/jingle.wav\">d</a>");
    EXPECT_EQ(ErrorTexts(), std::vector<std::string>{"media: can't use a link inside a link"});
}

TEST_F(EmbeddedObjectTest, BadKeysAreReportedWithTheirLineAndWriteNothing) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"<<activex>>b<</activex>>", "activex: no valid ActiveX key specified"},
        {"<<activex name=\"clock\">>b<</activex>>", "activex: no valid ActiveX key specified"},
        {"<<activex width=3>>b<</activex>>", "activex: no valid ActiveX key specified"},
        {"<<activex k=3:99>>b<</activex>>", "activex: invalid ActiveX key k=3:99 specified"},
        {"<<activex \"3:99\">>b<</activex>>", "activex: invalid ActiveX key 3:99 specified"},
        {"<<java>>b<</java>>", "java: no valid applet key specified"},
        {"<<java k=3:99>>b<</java>>", "java: invalid applet key k=3:99 specified"},
        {"<<java :99>>b<</java>>", "java: invalid applet key 5:99 specified"},
        {"<<media>>b<</media>>", "media: no valid media key specified"},
        {"<<media k=3:99>>b<</media>>", "media: invalid media key k=3:99 specified"},
        {"<<media 3:99>>b<</media>>", "media: invalid media key 3:99 specified"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Body(std::string("a\n") + c.text + "c"), "a\nc");
        ASSERT_FALSE(Errors().empty());
        EXPECT_EQ(Errors().back(), std::string("Page :40, Line 2: error: ") + c.error);
        m_messages.Clear();
    }
    EXPECT_TRUE(DependentsOf(40).empty());
}

TEST_F(EmbeddedObjectTest, AnActiveXRowThatCannotBeReadCountsAsNoObject) {
    ExecuteOn(m_path, "DROP TABLE MQ_ActiveX");
    EXPECT_EQ(Body("a<<activex :17>>b<</activex>>c"), "ac");
    EXPECT_EQ(ErrorTexts(),
              std::vector<std::string>{"activex: invalid ActiveX key 5:17 specified"});
}

TEST_F(EmbeddedObjectTest, AnAppletRowThatCannotBeReadFailsTheGeneration) {
    ExecuteOn(m_path, "DROP TABLE MQ_Java");
    Update(ContentKindOf(OBJ_PAGE), 40, "ScriptBody = 'a<<java :18>>b<</java>>c'");
    auto page = LoadPage(40);
    EXPECT_EQ(page->Generate(), 0);
    EXPECT_EQ(Errors(), std::vector<std::string>{"Page :40: error: There is no table or stored "
                                                 "query named 'MQ_Java' in the database."});
}

TEST_F(EmbeddedObjectTest, EmbeddedObjectsAreDependencies) {
    Body("<<activex :17>><</activex>><<java :18>><</java>><<media :19>>x<</media>>");
    EXPECT_EQ(DependentsOf(40), (std::vector<std::string>{"5:40@2 -> 5:17@17", "5:40@2 -> 5:18@18",
                                                          "5:40@2 -> 5:19@19"}));
}

} // namespace
