#include "db/QZKeyTable.h"

#include <gtest/gtest.h>

namespace {

QZKeyCombo Old(LONG id) {
    return QZKeyCombo(3, id);
}

QZKeyCombo New(LONG id) {
    return QZKeyCombo(5, 1000 + id);
}

TEST(QZKeyTableTest, NewTableFindsNothingAndMapsAKeyToItself) {
    QZKeyTable table;
    EXPECT_EQ(table.FindEntry(Old(1), OBJ_PAGE), nullptr);
    QZKeyCombo mapped = table.MapKey(Old(1), OBJ_PAGE);
    EXPECT_EQ(mapped.m_DbID, 3);
    EXPECT_EQ(mapped.m_KeyID, 1);
    EXPECT_EQ(table.FindFirst(OBJ_PAGE), nullptr);
    EXPECT_EQ(table.FindNext(OBJ_PAGE), nullptr);
}

TEST(QZKeyTableTest, EntriesPastTheFirstBlockAreFoundAfterItsThirtyTwo) {
    QZKeyTable table;
    std::vector<QZKeyTableEntry*> entries;
    for (LONG i = 1; i <= 40; ++i)
        entries.push_back(table.AddEntry(Old(i), New(i), OBJ_PAGE));
    EXPECT_EQ(table.GetCount(), 40);
    EXPECT_EQ(table.FindEntry(Old(33), OBJ_PAGE), entries[32]);
    EXPECT_EQ(table.MapKey(Old(33), OBJ_PAGE).m_KeyID, 1033);
    EXPECT_EQ(table.MapKey(Old(40), OBJ_PAGE).m_KeyID, 1040);
    // Earlier entries never move while blocks are added.
    EXPECT_EQ(entries[0]->m_NewKey.m_KeyID, 1001);
    EXPECT_EQ(table.FindEntry(Old(1), OBJ_PAGE), entries[0]);
}

TEST(QZKeyTableTest, TheObjectTypeArgumentSelectsAndTheKeysOwnTypeDoesNot) {
    QZKeyTable table;
    table.AddEntry(Old(1), New(1), OBJ_PAGE);
    table.AddEntry(Old(1), New(2), OBJ_IMAGE);
    table.AddEntry(Old(1), New(3), OBJ_PAGE); // the same old key and type again
    EXPECT_EQ(table.MapKey(Old(1), OBJ_PAGE).m_KeyID, 1001);
    EXPECT_EQ(table.MapKey(Old(1), OBJ_IMAGE).m_KeyID, 1002);
    EXPECT_EQ(table.MapKey(QZKeyCombo(3, 1, OBJ_IMAGE), OBJ_PAGE).m_KeyID, 1001);
    EXPECT_EQ(table.MapKey(Old(1), OBJ_FORM).m_KeyID, 1);
}

TEST(QZKeyTableTest, MapKeyGivesACopyThatLeavesTheTableAsItWas) {
    QZKeyTable table;
    table.AddEntry(Old(1), New(1), OBJ_PAGE);
    QZKeyCombo mapped = table.MapKey(Old(1), OBJ_PAGE);
    mapped.SetKeyId(77);
    EXPECT_EQ(table.MapKey(Old(1), OBJ_PAGE).m_KeyID, 1001);
    QZKeyCombo missing(3, 9);
    QZKeyCombo same = table.MapKey(missing, OBJ_PAGE);
    missing.SetKeyId(10);
    EXPECT_EQ(same.m_KeyID, 9);
}

TEST(QZKeyTableTest, EachTypeWalksItsEntriesWithItsOwnCursorAcrossBlocks) {
    QZKeyTable table;
    // Pages and forms interleaved over two blocks: pages at 1, 3, 5 ... forms at 2, 4, 6 ...
    for (LONG i = 1; i <= 50; ++i)
        table.AddEntry(Old(i), New(i), i % 2 ? OBJ_PAGE : OBJ_FORM);
    std::vector<LONG> pages, forms;
    QZKeyTableEntry* page = table.FindFirst(OBJ_PAGE);
    QZKeyTableEntry* form = table.FindFirst(OBJ_FORM);
    while (page != nullptr || form != nullptr) {
        if (page != nullptr) {
            pages.push_back(page->m_OldKey.m_KeyID);
            page = table.FindNext(OBJ_PAGE);
        }
        if (form != nullptr) {
            forms.push_back(form->m_OldKey.m_KeyID);
            form = table.FindNext(OBJ_FORM);
        }
    }
    ASSERT_EQ(pages.size(), 25u);
    ASSERT_EQ(forms.size(), 25u);
    for (size_t i = 0; i < 25; ++i) {
        EXPECT_EQ(pages[i], static_cast<LONG>(2 * i + 1));
        EXPECT_EQ(forms[i], static_cast<LONG>(2 * i + 2));
    }
    // At the end the cursor stays on the last entry of its type.
    EXPECT_EQ(table.FindNext(OBJ_PAGE), nullptr);
    table.AddEntry(Old(51), New(51), OBJ_PAGE);
    ASSERT_NE(table.FindNext(OBJ_PAGE), nullptr);
}

TEST(QZKeyTableTest, FindFirstOfAnAbsentTypeKeepsThatTypesCursor) {
    QZKeyTable table;
    EXPECT_EQ(table.FindNext(OBJ_PAGE), nullptr); // no cursor yet
    table.AddEntry(Old(1), New(1), OBJ_PAGE);
    table.AddEntry(Old(2), New(2), OBJ_PAGE);
    ASSERT_NE(table.FindFirst(OBJ_PAGE), nullptr);
    EXPECT_EQ(table.FindFirst(OBJ_EVENT), nullptr);
    QZKeyTableEntry* next = table.FindNext(OBJ_PAGE);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->m_OldKey.m_KeyID, 2);
    EXPECT_EQ(table.FindFirst(-1), nullptr);
    EXPECT_EQ(table.FindNext(-1), nullptr);
}

} // namespace
