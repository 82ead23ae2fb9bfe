#include "platform/core/CByteArray.h"
#include "platform/core/CDWordArray.h"
#include "platform/core/CObArray.h"
#include "platform/core/CPtrArray.h"
#include "platform/core/CStringArray.h"
#include "platform/core/CTypedPtrArray.h"
#include "platform/core/CUIntArray.h"
#include "platform/core/CWordArray.h"
#include "tests/platform/core/SampleObjects.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

std::vector<DWORD> Items(const CDWordArray& array) {
    return std::vector<DWORD>(array.GetData(), array.GetData() + array.GetSize());
}

void Fill(CDWordArray& array, std::initializer_list<DWORD> items) {
    for (DWORD item : items)
        array.Add(item);
}

} // namespace

TEST(Arrays, SetSizeGrowsWithZerosAndShrinksFromTheEnd) {
    CDWordArray array;
    Fill(array, {7, 8});
    array.SetSize(5);
    EXPECT_EQ(Items(array), (std::vector<DWORD>{7, 8, 0, 0, 0}));
    EXPECT_EQ(array.GetUpperBound(), 4);
    array.SetSize(1, 16);
    EXPECT_EQ(Items(array), (std::vector<DWORD>{7}));
    array.SetSize(0);
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_EQ(array.GetUpperBound(), -1);
    EXPECT_THROW(array.SetSize(-1), std::out_of_range);
}

TEST(Arrays, InsertAtPlacesCopiesAndGrowsPastTheEnd) {
    struct Case {
        int index;
        int count;
        std::vector<DWORD> result;
    } cases[] = {
        {0, 1, {9, 1, 2, 3}},          {1, 2, {1, 9, 9, 2, 3}}, {3, 1, {1, 2, 3, 9}},
        {5, 2, {1, 2, 3, 0, 0, 9, 9}}, {2, 0, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        CDWordArray array;
        Fill(array, {1, 2, 3});
        array.InsertAt(c.index, 9, c.count);
        EXPECT_EQ(Items(array), c.result) << c.index << "x" << c.count;
    }
}

TEST(Arrays, InsertAtWithAnotherArrayAndItself) {
    CDWordArray array, other;
    Fill(array, {1, 2});
    Fill(other, {8, 9});
    array.InsertAt(1, &other);
    EXPECT_EQ(Items(array), (std::vector<DWORD>{1, 8, 9, 2}));
    array.InsertAt(0, &array);
    EXPECT_EQ(Items(array), (std::vector<DWORD>{1, 8, 9, 2, 1, 8, 9, 2}));
}

TEST(Arrays, RemoveAtTakesARangeAndRefusesOneOutsideTheArray) {
    struct Case {
        int index;
        int count;
        std::vector<DWORD> result;
    } cases[] = {
        {0, 1, {2, 3, 4}}, {1, 2, {1, 4}}, {3, 1, {1, 2, 3}}, {0, 4, {}}, {2, 0, {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        CDWordArray array;
        Fill(array, {1, 2, 3, 4});
        array.RemoveAt(c.index, c.count);
        EXPECT_EQ(Items(array), c.result) << c.index << "x" << c.count;
    }
    CDWordArray array;
    Fill(array, {1, 2});
    EXPECT_THROW(array.RemoveAt(2), std::out_of_range);
    EXPECT_THROW(array.RemoveAt(1, 2), std::out_of_range);
    EXPECT_THROW(array.RemoveAt(-1), std::out_of_range);
}

TEST(Arrays, SetAtGrowFillsTheGapWithZeros) {
    CWordArray array;
    array.SetAtGrow(3, 7);
    ASSERT_EQ(array.GetSize(), 4);
    EXPECT_EQ(array[0], 0);
    EXPECT_EQ(array[3], 7);
    array.SetAtGrow(1, 5);
    EXPECT_EQ(array.GetSize(), 4);
    EXPECT_EQ(array.GetAt(1), 5);
}

TEST(Arrays, AccessOutsideTheArrayThrows) {
    CUIntArray array;
    array.Add(1);
    EXPECT_THROW(array.GetAt(1), std::out_of_range);
    EXPECT_THROW(array.SetAt(-1, 0), std::out_of_range);
    EXPECT_THROW(array[5] = 2, std::out_of_range);
    EXPECT_THROW(array.ElementAt(1), std::out_of_range);
}

TEST(Arrays, AddAppendAndCopy) {
    CStringArray names;
    EXPECT_EQ(names.Add("a"), 0);
    EXPECT_EQ(names.Add("b"), 1);
    names[1] = "B";
    CStringArray more;
    more.Add("c");
    EXPECT_EQ(names.Append(more), 2);
    EXPECT_EQ(names.Append(names), 3);
    ASSERT_EQ(names.GetSize(), 6);
    EXPECT_EQ(names[1], "B");
    EXPECT_EQ(names[5], "c");
    more.Copy(names);
    EXPECT_EQ(more.GetSize(), 6);
    more.Copy(more);
    EXPECT_EQ(more.GetSize(), 6);

    CByteArray bytes;
    bytes.Add(0xFF);
    bytes.ElementAt(0) ^= 0x0F;
    EXPECT_EQ(bytes[0], 0xF0);
}

TEST(Arrays, TypedArrayReadsAndWritesItsElementType) {
    SampleShape a("a", 1), b("b", 2);
    CTypedPtrArray<CObArray, SampleShape*> shapes;
    shapes.Add(&a);
    shapes.SetAtGrow(2, &b);
    EXPECT_EQ(shapes[1], nullptr);
    shapes[1] = &b;
    EXPECT_EQ(shapes.GetAt(1)->m_name, "b");
    shapes.InsertAt(0, &b);
    EXPECT_EQ(shapes[0]->m_id, 2);
    EXPECT_EQ(shapes[1]->m_id, 1);
    CObArray* untyped = &shapes;
    EXPECT_EQ(untyped->GetAt(1), &a);

    int value = 5;
    CTypedPtrArray<CPtrArray, int*> numbers;
    numbers.Add(&value);
    *numbers[0] += 1;
    EXPECT_EQ(value, 6);
}
