// Object keys without an open site database: the current DbID is 0 here.
#include "db/QZKeyCombo.h"

#include <gtest/gtest.h>

namespace {

void ExpectKey(const QZKeyCombo& key, LONG dbId, LONG keyId, SHORT type) {
    EXPECT_EQ(key.m_DbID, dbId);
    EXPECT_EQ(key.m_KeyID, keyId);
    EXPECT_EQ(key.m_ObjectType, type);
}

TEST(QZKeyComboTest, ConstructorsSetDbIdKeyIdAndType) {
    ExpectKey(QZKeyCombo(), 0, 0, OBJ_PAGE);
    ExpectKey(QZKeyCombo(3, 57), 3, 57, OBJ_PAGE);
    ExpectKey(QZKeyCombo(3, 57, OBJ_IMAGE), 3, 57, OBJ_IMAGE);
    QZKeyCombo image(3, 57, OBJ_IMAGE);
    ExpectKey(QZKeyCombo(image), 3, 57, OBJ_IMAGE);
}

TEST(QZKeyComboTest, AssignmentCopiesAllThreeFieldsAndNotTheTexts) {
    QZKeyCombo source(3, 57, OBJ_FORM);
    QZKeyCombo target(8, 9);
    const CString& text = target.FormatFull();
    target = source;
    ExpectKey(target, 3, 57, OBJ_FORM);
    EXPECT_EQ(text, "8:9"); // the cached text is the target's own until it formats again
    EXPECT_EQ(target.FormatFull(), "3:57");
}

TEST(QZKeyComboTest, EqualityComparesDbIdAndKeyIdButNotTheType) {
    EXPECT_TRUE(QZKeyCombo(3, 57, OBJ_IMAGE) == QZKeyCombo(3, 57, OBJ_PAGE));
    EXPECT_FALSE(QZKeyCombo(3, 57) == QZKeyCombo(4, 57));
    EXPECT_FALSE(QZKeyCombo(3, 57) == QZKeyCombo(3, 58));
}

TEST(QZKeyComboTest, SettersChangeOnlyTheirFields) {
    QZKeyCombo key(1, 2, OBJ_STYLE);
    key.SetKey(5, 6);
    ExpectKey(key, 5, 6, OBJ_STYLE);
    key.SetKeyAndType(7, 8, OBJ_MACRO);
    ExpectKey(key, 7, 8, OBJ_MACRO);
    key.SetDbId(-1);
    key.SetKeyId(-2);
    key.SetObjectType(OBJ_EVENT);
    ExpectKey(key, -1, -2, OBJ_EVENT);
}

TEST(QZKeyComboTest, FormattingWritesNumbersAndNeverTheType) {
    QZKeyCombo key(3, 57, OBJ_IMAGE);
    EXPECT_EQ(key.Format(), "3:57");
    EXPECT_EQ(key.FormatFull(), "3:57");
    EXPECT_EQ(key.FormatDbId(), "3");
    EXPECT_EQ(key.FormatKeyId(), "57");
    QZKeyCombo negative(-1, -5);
    EXPECT_EQ(negative.FormatFull(), "-1:-5");
    QZKeyCombo wide(INT32_MAX, INT32_MIN);
    EXPECT_EQ(wide.FormatFull(), "2147483647:-2147483648");
}

TEST(QZKeyComboTest, EachFormattingOverwritesItsOwnTextOnly) {
    QZKeyCombo key(3, 57);
    const CString& full = key.FormatFull();
    const CString& dbId = key.FormatDbId();
    key.SetKey(4, 12);
    EXPECT_EQ(full, "3:57");
    key.FormatFull();
    EXPECT_EQ(full, "4:12");
    EXPECT_EQ(dbId, "3");
}

struct ParseCase {
    const char* text;
    LONG dbId;
    LONG keyId;
    SHORT type;
};

// Cases whose DbID is written in the text; those that take the open database's DbID are in the
// database tests.
TEST(QZKeyComboTest, ParsesKeyTextsWithAnExplicitDbId) {
    const ParseCase cases[] = {
        {"3:57@image", 3, 57, OBJ_IMAGE},
        {"3:57@Image", 3, 57, OBJ_PAGE},
        {"3:57@IMAGE", 3, 57, OBJ_PAGE},
        {"3:57@nothing", 3, 57, OBJ_PAGE},
        {"3:57@", 3, 57, OBJ_PAGE},
        {"3:57abc", 3, 57, OBJ_PAGE},
        {"3:57", 3, 57, OBJ_PAGE},
        {"-1:-5", -1, -5, OBJ_PAGE},
        {" 3: 57", 3, 57, OBJ_PAGE},
        {"+3:+57", 3, 57, OBJ_PAGE},
        {"3:@form", 3, 0, OBJ_FORM},
        {"3:x@form", 3, 0, OBJ_FORM},
        {"3:", 3, 0, OBJ_PAGE},
        {"3:57@service", 3, 57, OBJ_SERVICE},
        {"3:57@section", 3, 57, OBJ_SECTION},
        {"3:57@page", 3, 57, OBJ_PAGE},
        {"3:57@macro", 3, 57, OBJ_MACRO},
        {"3:57@query", 3, 57, OBJ_QUERY},
        {"3:57@message", 3, 57, OBJ_MESSAGE},
        {"3:57@photo", 3, 57, OBJ_PHOTO},
        {"3:57@style", 3, 57, OBJ_STYLE},
        {"3:57@form", 3, 57, OBJ_FORM},
        {"3:57@author", 3, 57, OBJ_AUTHOR},
        {"3:57@activex", 3, 57, OBJ_ACTIVEX},
        {"3:57@java", 3, 57, OBJ_JAVA},
        {"3:57@media", 3, 57, OBJ_MEDIA},
        {"3:57@script", 3, 57, OBJ_SCRIPT},
        {"3:57@advertiser", 3, 57, OBJ_ADVERTISER},
        {"3:57@event", 3, 57, OBJ_EVENT},
        {"3:57@adspace", 3, 57, OBJ_PAGE}, // ad spaces and ads have no name in key text
        {"3:57@ad", 3, 57, OBJ_PAGE},
        {"3:57@image@x", 3, 57, OBJ_PAGE}, // the name is everything after the first "@"
        {"9999999999:1", INT32_MAX, 1, OBJ_PAGE},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        ExpectKey(QZKeyCombo(CString(c.text)), c.dbId, c.keyId, c.type);
    }
}

TEST(QZKeyComboTest, NegativeKeysComeBackUnchangedThroughText) {
    QZKeyCombo key(-1, -5);
    QZKeyCombo parsed{CString(key.FormatFull())};
    ExpectKey(parsed, -1, -5, OBJ_PAGE);
}

} // namespace
