#include "platform/core/CFile.h"
#include "platform/core/CStdioFile.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// The cause of the CFileException that `action` throws, or -1 when it throws none.
template <typename F> int FailureCause(F action) {
    try {
        action();
    } catch (CFileException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

} // namespace

TEST(CFile, FailedOpenReportsTheCauseAndName) {
    TempDir dir;
    struct Case {
        std::string name;
        UINT flags;
        int cause;
        int error;
    } cases[] = {
        {dir.file("missing.txt"), CFile::modeRead, CFileException::fileNotFound, ENOENT},
        {dir.file("nofolder/missing.txt"), CFile::modeRead, CFileException::badPath, ENOENT},
        {dir.file("nofolder/new.txt"), CFile::modeCreate | CFile::modeWrite,
         CFileException::badPath, ENOENT},
        {dir.path().string(), CFile::modeRead, CFileException::accessDenied, EISDIR},
        {dir.path().string(), CFile::modeReadWrite, CFileException::accessDenied, EISDIR},
        {"", CFile::modeRead, CFileException::badPath, ENOENT},
    };
    for (const Case& c : cases) {
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(c.name.c_str(), c.flags, &error)) << c.name;
        EXPECT_EQ(error.m_cause, c.cause) << c.name;
        EXPECT_EQ(error.m_lOsError, c.error) << c.name;
        EXPECT_EQ(error.m_strFileName.str(), c.name);
        EXPECT_EQ(file.m_hFile, CFile::hFileNull);
        EXPECT_FALSE(file.Open(c.name.c_str(), c.flags)) << "without an exception object";
        EXPECT_EQ(FailureCause([&] { CFile thrown(c.name.c_str(), c.flags); }), c.cause);
        EXPECT_EQ(FailureCause([&] { CStdioFile thrown(c.name.c_str(), c.flags); }), c.cause);
    }
}

TEST(CFile, ReadsWritesAndSeeks) {
    TempDir dir;
    std::string path = dir.file("data.bin");
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeReadWrite);
    file.Write("hello world", 11);
    EXPECT_EQ(file.GetLength(), 11u);
    EXPECT_EQ(file.GetPosition(), 11u);
    EXPECT_EQ(file.Seek(-5, CFile::end), 6);
    char buffer[16] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 5u);
    EXPECT_STREQ(buffer, "world");
    EXPECT_EQ(file.Read(buffer, 1), 0u);
    file.SeekToBegin();
    EXPECT_EQ(file.Seek(2, CFile::current), 2);
    file.Write("LL", 2);
    EXPECT_EQ(file.SeekToEnd(), 11u);
    file.SetLength(4);
    EXPECT_EQ(file.GetLength(), 4u);
    EXPECT_EQ(FailureCause([&] { file.Seek(-1, CFile::begin); }), CFileException::badSeek);
    file.Flush();
    file.Close();
    EXPECT_EQ(Contents(path), "heLL");
}

TEST(CFile, CreateTruncatesUnlessToldNotTo) {
    TempDir dir;
    std::string path = dir.file("keep.txt");
    WriteFile(path, "abc");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        EXPECT_EQ(file.GetLength(), 3u);
        file.Write("X", 1);
    }
    EXPECT_EQ(Contents(path), "Xbc");
    CFile(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareDenyNone);
    EXPECT_EQ(Contents(path), "");
}

TEST(CFile, KnowsItsPathAndNameUntilClosed) {
    TempDir dir;
    std::string path = dir.file("named.txt");
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(file.GetFilePath().str(), path);
    EXPECT_EQ(file.GetFileName(), "named.txt");
    file.Close();
    EXPECT_EQ(file.GetFilePath(), "");
    EXPECT_EQ(FailureCause([&] { file.Write("x", 1); }), CFileException::invalidFile);
    EXPECT_EQ(FailureCause([&] { file.GetLength(); }), CFileException::invalidFile);
    file.Close();
    file.Abort();
}

TEST(CFile, RemoveAndRenameReportTheirFailures) {
    TempDir dir;
    std::string a = dir.file("a.txt"), b = dir.file("b.txt"), c = dir.file("c.txt");
    WriteFile(a, "A");
    WriteFile(b, "B");
    EXPECT_EQ(FailureCause([&] { CFile::Rename(a.c_str(), b.c_str()); }),
              CFileException::accessDenied);
    EXPECT_EQ(Contents(b), "B");
    EXPECT_EQ(FailureCause([&] { CFile::Rename(a.c_str(), c.c_str()); }), -1);
    EXPECT_EQ(Contents(c), "A");
    EXPECT_EQ(FailureCause([&] { CFile::Rename(a.c_str(), b.c_str()); }),
              CFileException::accessDenied);
    EXPECT_EQ(FailureCause([&] { CFile::Remove(c.c_str()); }), -1);
    EXPECT_EQ(FailureCause([&] { CFile::Remove(c.c_str()); }), CFileException::fileNotFound);
    EXPECT_EQ(FailureCause([&] { CFile::Remove(dir.file("x/y").c_str()); }),
              CFileException::badPath);
    EXPECT_EQ(FailureCause([&] { CFile::Remove(dir.path().c_str()); }),
              CFileException::accessDenied);
}

TEST(CStdioFile, ReadStringReturnsLinesWithoutTheirEnds) {
    struct Case {
        const char* text;
        UINT type;
        std::vector<std::string> lines;
    } cases[] = {
        {"", CFile::typeText, {}},
        {"one", CFile::typeText, {"one"}},
        {"one\n", CFile::typeText, {"one"}},
        {"one\ntwo", CFile::typeText, {"one", "two"}},
        {"one\r\n\r\nthree\r\n", CFile::typeText, {"one", "", "three"}},
        {"\n\n", 0, {"", ""}},
        {"one\r\ntwo", CFile::typeBinary, {"one\r", "two"}},
    };
    TempDir dir;
    std::string path = dir.file("lines.txt");
    for (const Case& c : cases) {
        WriteFile(path, c.text);
        CStdioFile file(path.c_str(), CFile::modeRead | c.type);
        std::vector<std::string> lines;
        CString line;
        while (file.ReadString(line))
            lines.push_back(line.str());
        EXPECT_EQ(lines, c.lines) << c.text;
        EXPECT_TRUE(line.IsEmpty());
        EXPECT_FALSE(file.ReadString(line));
    }
}

TEST(CStdioFile, ReadStringIntoABufferKeepsTheLineEnd) {
    TempDir dir;
    std::string path = dir.file("lines.txt");
    WriteFile(path, "abcdef\r\nxy");
    CStdioFile file(path.c_str(), CFile::modeRead | CFile::typeText);
    char buffer[5];
    EXPECT_STREQ(file.ReadString(buffer, sizeof buffer), "abcd");
    EXPECT_STREQ(file.ReadString(buffer, sizeof buffer), "ef\n");
    EXPECT_STREQ(file.ReadString(buffer, sizeof buffer), "xy");
    EXPECT_EQ(file.ReadString(buffer, sizeof buffer), nullptr);
}

TEST(CStdioFile, WriteStringWritesLineEndsAsGivenAndAppendsWhenNotTruncating) {
    TempDir dir;
    std::string path = dir.file("out.txt");
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString("one\ntwo\n");
        EXPECT_EQ(file.GetLength(), 8u);
        file.Close();
    }
    EXPECT_EQ(Contents(path), "one\ntwo\n");
    {
        CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        file.WriteString("three\n");
    }
    {
        CStdioFile file(path.c_str(), CFile::modeWrite);
        file.SeekToBegin();
        file.WriteString("four\n");
    }
    EXPECT_EQ(Contents(path), "one\ntwo\nthree\nfour\n");
    {
        CStdioFile file(path.c_str(), CFile::modeReadWrite);
        file.WriteString("ONE");
        file.Seek(0, CFile::begin);
        CString line;
        file.ReadString(line);
        EXPECT_EQ(line, "ONE");
    }
    CStdioFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    file.Close();
    EXPECT_EQ(Contents(path), "");
}
