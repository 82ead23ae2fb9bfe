#include "content/CreateVantrelObject.h"

#include "content/QZSection.h"
#include "content/QZVantrelActiveX.h"
#include "content/QZVantrelAd.h"
#include "content/QZVantrelAdSpace.h"
#include "content/QZVantrelAdvertiser.h"
#include "content/QZVantrelEvent.h"
#include "content/QZVantrelForm.h"
#include "content/QZVantrelImage.h"
#include "content/QZVantrelJava.h"
#include "content/QZVantrelMedia.h"
#include "content/QZVantrelMessage.h"
#include "content/QZVantrelPage.h"
#include "content/QZVantrelQuery.h"
#include "content/QZVantrelScript.h"
#include "content/QZVantrelTemplate.h"
#include "tests/content/ContentFixture.h"

#include <memory>

namespace {

using CreateVantrelObjectTest = ContentTest;

TEST_F(CreateVantrelObjectTest, EachTypeCodeBuildsItsClassLoadedForEditing) {
    struct Case {
        SHORT type;
        CRuntimeClass* cls;
    } cases[] = {
        {OBJ_SECTION, RUNTIME_CLASS(QZSection)},
        {OBJ_PAGE, RUNTIME_CLASS(QZVantrelPage)},
        {OBJ_MACRO, RUNTIME_CLASS(QZVantrelTemplate)},
        {OBJ_IMAGE, RUNTIME_CLASS(QZVantrelImage)},
        {OBJ_ACTIVEX, RUNTIME_CLASS(QZVantrelActiveX)},
        {OBJ_JAVA, RUNTIME_CLASS(QZVantrelJava)},
        {OBJ_MEDIA, RUNTIME_CLASS(QZVantrelMedia)},
        {OBJ_ADVERTISER, RUNTIME_CLASS(QZVantrelAdvertiser)},
        {OBJ_ADSPACE, RUNTIME_CLASS(QZVantrelAdSpace)},
        {OBJ_AD, RUNTIME_CLASS(QZVantrelAd)},
        {OBJ_MESSAGE, RUNTIME_CLASS(QZVantrelMessage)},
        {OBJ_FORM, RUNTIME_CLASS(QZVantrelForm)},
        {OBJ_SCRIPT, RUNTIME_CLASS(QZVantrelScript)},
        {OBJ_EVENT, RUNTIME_CLASS(QZVantrelEvent)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cls->m_lpszClassName);
        AddRow(ContentKindOf(c.type), 7, "Made");
        std::unique_ptr<QZVantrelBase> object(CreateVantrelObject(QZKeyCombo(kDbId, 7, c.type)));
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->GetRuntimeClass(), c.cls);
        EXPECT_EQ(object->GetObjectType(), c.type);
        EXPECT_TRUE(object->IsLoaded());
        EXPECT_TRUE(object->m_bEditable);
        EXPECT_EQ(Claims(c.type, 7), 1);
    }
}

// A query object holds its stored row, claimed, but counts as loaded only once its rows are open.
TEST_F(CreateVantrelObjectTest, AQueryIsBuiltWithItsRowClaimedButNotLoaded) {
    Insert("Query", "DbID, QueryID, QueryName, QueryType, Deleted", "5, 7, 'Made', 0, 0");
    std::unique_ptr<QZVantrelBase> object(CreateVantrelObject(QZKeyCombo(kDbId, 7, OBJ_QUERY)));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetRuntimeClass(), RUNTIME_CLASS(QZVantrelQuery));
    EXPECT_EQ(object->GetName().str(), "Made");
    EXPECT_FALSE(object->IsLoaded());
    EXPECT_TRUE(object->m_bEditable);
    EXPECT_EQ(Claims(OBJ_QUERY, 7), 1);
}

TEST_F(CreateVantrelObjectTest, OtherTypeCodesGiveNullWithoutAskingTheDatabase) {
    // With the database closed, any attempt to load would fail and show the engine's message.
    Db().Close();
    MessageBoxRecorder boxes;
    for (SHORT type : {0, 7, 8, 9, 10, 11, 12, 14, 15, 16, 25, -1})
        EXPECT_EQ(CreateVantrelObject(QZKeyCombo(kDbId, 7, type)), nullptr) << type;
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(CreateVantrelObjectTest, AConstructorsExceptionGivesNull) {
    Db().Close();
    MessageBoxRecorder boxes;
    EXPECT_EQ(CreateVantrelObject(QZKeyCombo(kDbId, 7, OBJ_AD)), nullptr);
    EXPECT_EQ(CreateVantrelObject(QZKeyCombo(kDbId, 7, OBJ_SECTION)), nullptr);
}

} // namespace
