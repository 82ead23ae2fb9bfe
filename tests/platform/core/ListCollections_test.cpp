#include "platform/core/CObList.h"
#include "platform/core/CPtrList.h"
#include "platform/core/CStringList.h"
#include "platform/core/CTypedPtrList.h"
#include "tests/platform/core/SampleObjects.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

void Fill(CStringList& list, std::initializer_list<const char*> items) {
    for (const char* item : items)
        list.AddTail(item);
}

std::vector<std::string> Forward(const CStringList& list) {
    std::vector<std::string> items;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        items.push_back(list.GetNext(pos).str());
    return items;
}

std::vector<std::string> Backward(const CStringList& list) {
    std::vector<std::string> items;
    for (POSITION pos = list.GetTailPosition(); pos;)
        items.push_back(list.GetPrev(pos).str());
    return items;
}

using Items = std::vector<std::string>;

} // namespace

TEST(Lists, RemovingTheElementJustPassedDuringIterationKeepsTheRest) {
    struct Case {
        std::set<std::string> remove;
        Items left;
    } cases[] = {
        {{}, {"a", "b", "c", "d"}}, {{"a"}, {"b", "c", "d"}}, {{"d"}, {"a", "b", "c"}},
        {{"b", "c"}, {"a", "d"}},   {{"a", "c"}, {"b", "d"}}, {{"a", "b", "c", "d"}, {}},
    };
    for (const Case& c : cases) {
        CStringList list;
        Fill(list, {"a", "b", "c", "d"});
        Items visited;
        for (POSITION pos = list.GetHeadPosition(); pos;) {
            POSITION current = pos;
            CString item = list.GetNext(pos);
            visited.push_back(item.str());
            if (c.remove.count(item.str()))
                list.RemoveAt(current);
        }
        EXPECT_EQ(visited, (Items{"a", "b", "c", "d"}));
        EXPECT_EQ(Forward(list), c.left);
        EXPECT_EQ(Backward(list), Items(c.left.rbegin(), c.left.rend()));
        EXPECT_EQ(list.GetCount(), int(c.left.size()));
    }
}

TEST(Lists, OwnerDeletesObjectsWhileRemovingThemDuringIteration) {
    CObList list;
    for (LONG id = 1; id <= 5; ++id)
        list.AddTail(new SampleShape("s", id));
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        POSITION current = pos;
        auto* shape = static_cast<SampleShape*>(list.GetNext(pos));
        if (shape->m_id % 2) {
            list.RemoveAt(current);
            delete shape;
        }
    }
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(static_cast<SampleShape*>(list.GetHead())->m_id, 2);
    EXPECT_EQ(static_cast<SampleShape*>(list.GetTail())->m_id, 4);
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

TEST(Lists, InsertBeforeAndAfterAtEveryPlace) {
    struct Case {
        const char* where;
        bool before;
        Items result;
    } cases[] = {
        {"head", true, {"x", "a", "b", "c"}}, {"head", false, {"a", "x", "b", "c"}},
        {"tail", true, {"a", "b", "x", "c"}}, {"tail", false, {"a", "b", "c", "x"}},
        {"null", true, {"x", "a", "b", "c"}}, {"null", false, {"a", "b", "c", "x"}},
    };
    for (const Case& c : cases) {
        CStringList list;
        Fill(list, {"a", "b", "c"});
        std::string where = c.where;
        POSITION pos = where == "head"   ? list.GetHeadPosition()
                       : where == "tail" ? list.GetTailPosition()
                                         : nullptr;
        POSITION added = c.before ? list.InsertBefore(pos, "x") : list.InsertAfter(pos, "x");
        EXPECT_EQ(list.GetAt(added), "x");
        EXPECT_EQ(Forward(list), c.result) << c.where << c.before;
        EXPECT_EQ(Backward(list), Items(c.result.rbegin(), c.result.rend()));
    }
}

TEST(Lists, InsertIntoAnEmptyListMakesHeadAndTail) {
    CStringList before;
    before.InsertBefore(nullptr, "x");
    CStringList after;
    after.InsertAfter(nullptr, "x");
    for (CStringList* list : {&before, &after}) {
        EXPECT_EQ(list->GetHeadPosition(), list->GetTailPosition());
        EXPECT_EQ(list->GetHead(), "x");
    }
}

TEST(Lists, FindComparesStringsByValueAndObjectsByIdentity) {
    CStringList strings;
    Fill(strings, {"a", "b", "a", "c"});
    POSITION first = strings.Find("a");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, strings.GetHeadPosition());
    POSITION second = strings.Find("a", first);
    EXPECT_EQ(second, strings.FindIndex(2));
    EXPECT_EQ(strings.Find("a", second), nullptr);
    EXPECT_EQ(strings.Find("A"), nullptr);

    SampleShape one("same", 1), other("same", 1);
    CObList objects;
    objects.AddTail(&one);
    EXPECT_EQ(objects.Find(&one), objects.GetHeadPosition());
    EXPECT_EQ(objects.Find(&other), nullptr);
}

TEST(Lists, FindIndexCountsFromZeroAndIsNullOutsideTheList) {
    CStringList list;
    Fill(list, {"a", "b", "c"});
    struct Case {
        int index;
        const char* item;
    } cases[] = {{0, "a"}, {1, "b"}, {2, "c"}, {3, nullptr}, {-1, nullptr}};
    for (const Case& c : cases) {
        POSITION pos = list.FindIndex(c.index);
        if (c.item)
            EXPECT_EQ(list.GetAt(pos), c.item) << c.index;
        else
            EXPECT_EQ(pos, nullptr) << c.index;
    }
}

TEST(Lists, HeadAndTailOperations) {
    CStringList list;
    list.AddTail("b");
    list.AddHead("a");
    list.AddTail("c");
    list.SetAt(list.FindIndex(1), "B");
    EXPECT_EQ(Forward(list), (Items{"a", "B", "c"}));
    EXPECT_EQ(list.RemoveHead(), "a");
    EXPECT_EQ(list.RemoveTail(), "c");
    EXPECT_EQ(list.GetHead(), "B");
    EXPECT_EQ(list.GetTail(), "B");
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_THROW(list.GetHead(), std::out_of_range);
    EXPECT_THROW(list.RemoveTail(), std::out_of_range);
}

TEST(Lists, AddingAWholeListKeepsItsOrderEvenWhenItIsTheSameList) {
    CStringList list, other;
    Fill(list, {"a", "b"});
    Fill(other, {"x", "y"});
    list.AddHead(&other);
    EXPECT_EQ(Forward(list), (Items{"x", "y", "a", "b"}));
    list.AddTail(&other);
    EXPECT_EQ(Forward(list), (Items{"x", "y", "a", "b", "x", "y"}));
    other.AddTail(&other);
    EXPECT_EQ(Forward(other), (Items{"x", "y", "x", "y"}));
    other.AddHead(&other);
    EXPECT_EQ(Forward(other), (Items{"x", "y", "x", "y", "x", "y", "x", "y"}));
}

TEST(Lists, PointerListHoldsAnyPointerAndNeverFreesIt) {
    int values[3] = {1, 2, 3};
    CPtrList list;
    for (int& v : values)
        list.AddTail(&v);
    EXPECT_EQ(list.Find(&values[1]), list.FindIndex(1));
    EXPECT_EQ(*static_cast<int*>(list.GetTail()), 3);
    list.RemoveAll();
    EXPECT_EQ(values[2], 3);
}

namespace {

using ShapeList = CTypedPtrList<CObList, SampleShape*>;

// Stands for code that fills any object list, as list loaders do.
void AddTwoShapes(CObList* list) {
    list->AddTail(new SampleShape("one", 1));
    list->AddTail(new SampleShape("two", 2));
}

} // namespace

TEST(Lists, TypedListGivesItsElementTypeAndIsAnObjectList) {
    ShapeList list;
    AddTwoShapes(&list);
    list.AddHead(new SampleShape("zero", 0));
    std::vector<LONG> ids;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        SampleShape* shape = list.GetNext(pos);
        ids.push_back(shape->m_id);
    }
    EXPECT_EQ(ids, (std::vector<LONG>{0, 1, 2}));
    const ShapeList& constList = list;
    EXPECT_EQ(constList.GetTail()->m_name, "two");
    list.GetAt(list.FindIndex(1))->m_name = "renamed";
    EXPECT_EQ(list.GetAt(list.FindIndex(1))->m_name, "renamed");

    ShapeList more;
    more.AddTail(list.RemoveHead());
    list.AddTail(&more);
    EXPECT_EQ(list.GetTail()->m_id, 0);
    more.RemoveAll();

    // The owner deletes each item, empties the list, then lets the list go.
    for (POSITION pos = list.GetHeadPosition(); pos;)
        delete list.GetNext(pos);
    list.RemoveAll();
}
