#include "db/QZNameAndKey.h"

#include "platform/core/CObList.h"
#include "platform/core/CTypedPtrList.h"

#include <gtest/gtest.h>

namespace {

TEST(QZNameAndKeyTest, DisplayTextIsNameTwoBlanksAndTheShortKeyText) {
    QZNameAndKey item("Home", 4, 12, OBJ_PAGE);
    EXPECT_EQ(item.m_DisplayText, "Home  (4:12)");
    EXPECT_EQ(item.m_Key.m_ObjectType, OBJ_PAGE);
}

TEST(QZNameAndKeyTest, KeyIsCopiedWithItsType) {
    QZNameAndKey item("Logo", QZKeyCombo(4, 3, OBJ_IMAGE));
    EXPECT_EQ(item.m_Name, "Logo");
    EXPECT_EQ(item.m_Key.m_DbID, 4);
    EXPECT_EQ(item.m_Key.m_KeyID, 3);
    EXPECT_EQ(item.m_Key.m_ObjectType, OBJ_IMAGE);
    EXPECT_EQ(item.m_DisplayText, "Logo  (4:3)");
}

TEST(QZNameAndKeyTest, SetNameBuildsTheDisplayTextAgain) {
    QZNameAndKey item("Home", 4, 12, OBJ_PAGE);
    item.SetName("Start");
    EXPECT_EQ(item.m_DisplayText, "Start  (4:12)");
}

TEST(QZNameAndKeyTest, ListsCarryItemsInOrderForTheirOwnerToDispose) {
    auto* list = new CTypedPtrList<CObList, QZNameAndKey*>;
    list->AddTail(new QZNameAndKey("Home", 4, 12, OBJ_PAGE));
    list->AddTail(new QZNameAndKey("Logo", 4, 3, OBJ_IMAGE));
    POSITION pos = list->GetHeadPosition();
    EXPECT_EQ(list->GetNext(pos)->m_Name, "Home");
    EXPECT_EQ(list->GetNext(pos)->m_Key.m_ObjectType, OBJ_IMAGE);
    EXPECT_EQ(pos, nullptr);
    for (pos = list->GetHeadPosition(); pos != nullptr;)
        delete list->GetNext(pos);
    list->RemoveAll();
    EXPECT_TRUE(list->IsEmpty());
    delete list;
}

} // namespace
