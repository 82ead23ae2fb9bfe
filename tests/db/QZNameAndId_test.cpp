#include "db/QZNameAndId.h"

#include "platform/core/CFile.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace {

std::vector<unsigned char> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(QZNameAndIdTest, DefaultIsIdZeroAndEmptyName) {
    QZNameAndId pair;
    EXPECT_EQ(pair.m_Id, 0);
    EXPECT_TRUE(pair.m_Name.IsEmpty());
}

TEST(QZNameAndIdTest, StoredFormIsTheNameThenTheIdLittleEndian) {
    TempDir dir;
    std::string path = dir.file("pair.bin");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        QZNameAndId pair("ab", 0x01020304);
        pair.Serialize(ar);
    }
    std::vector<unsigned char> expected = {2, 'a', 'b', 0x04, 0x03, 0x02, 0x01};
    EXPECT_EQ(FileBytes(path), expected);
}

TEST(QZNameAndIdTest, RoundTripsThroughAnArchive) {
    TempDir dir;
    std::string path = dir.file("pairs.bin");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        QZNameAndId first("Überschrift", -7);
        QZNameAndId second("", 2147483647);
        first.Serialize(ar);
        ar << &second; // as an object, with its class
    }
    CFile file(path.c_str(), CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    QZNameAndId first;
    first.Serialize(ar);
    EXPECT_EQ(first.m_Name, "Überschrift");
    EXPECT_EQ(first.m_Id, -7);
    QZNameAndId* second = nullptr;
    ar >> second;
    std::unique_ptr<QZNameAndId> owned(second);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->m_Name.IsEmpty());
    EXPECT_EQ(second->m_Id, 2147483647);
}

TEST(QZNameAndIdTest, IsCreatableByItsClassName) {
    std::unique_ptr<CObject> object(CRuntimeClass::CreateObject("QZNameAndId"));
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(QZNameAndId)));
    EXPECT_EQ(RUNTIME_CLASS(QZNameAndId)->m_wSchema, 1u);
}

} // namespace
