#include "platform/core/CArchiveException.h"
#include "platform/core/CFileException.h"
#include "platform/core/CMemoryException.h"
#include "platform/core/StringTable.h"
#include "tests/support/TestSupport.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {

std::string MessageOf(CException& e) {
    char text[512];
    e.GetErrorMessage(text, sizeof text);
    return text;
}

} // namespace

TEST(CException, FileExceptionTextsNameTheFile) {
    struct Case {
        int cause;
        const char* file;
        const char* text;
    } cases[] = {
        {CFileException::fileNotFound, "/data/a.txt", "/data/a.txt was not found."},
        {CFileException::badPath, "/no/such", "/no/such contains an invalid path."},
        {CFileException::accessDenied, "/etc", "Access to /etc was denied."},
        {CFileException::diskFull, "x", "Disk full while accessing x."},
        {CFileException::endOfFile, "x", "An attempt was made to access x past its end."},
        {CFileException::generic, "", "An unknown error occurred while accessing an unnamed file."},
        {99, "y", "An unknown error occurred while accessing y."},
    };
    for (const Case& c : cases) {
        CFileException e(c.cause, -1, c.file);
        EXPECT_EQ(MessageOf(e), c.text);
    }
}

TEST(CException, ArchiveExceptionTextsNameTheArchive) {
    struct Case {
        int cause;
        const char* text;
    } cases[] = {
        {CArchiveException::endOfFile, "An attempt was made to access f.dat past its end."},
        {CArchiveException::badClass, "f.dat contained an unexpected object."},
        {CArchiveException::badSchema, "f.dat contains an incorrect schema."},
        {CArchiveException::badIndex, "f.dat has a bad format."},
    };
    for (const Case& c : cases) {
        CArchiveException e(c.cause, "f.dat");
        EXPECT_EQ(MessageOf(e), c.text);
    }
}

TEST(CException, ReportErrorShowsTheTextWithTheGivenButtons) {
    MessageBoxRecorder recorder;
    recorder.Answer(IDCANCEL);
    CFileException e(CFileException::fileNotFound, ENOENT, "/data/a.txt");
    EXPECT_EQ(e.ReportError(MB_OKCANCEL), IDCANCEL);
    ASSERT_EQ(recorder.shown().size(), 1u);
    EXPECT_EQ(recorder.shown()[0].text, "/data/a.txt was not found.");
    EXPECT_EQ(recorder.shown()[0].type, MB_OKCANCEL);
}

TEST(CException, ReportErrorWithoutTextShowsTheGivenStringOrAGeneralText) {
    StringTable::Register(64101, "Something went wrong.");
    MessageBoxRecorder recorder;
    CException plain(FALSE);
    plain.ReportError(MB_OK, 64101);
    plain.ReportError();
    EXPECT_EQ(recorder.texts(), (std::vector<std::string>{"Something went wrong.",
                                                          "No error message is available."}));
}

TEST(CException, GetErrorMessageCutsAtTheBufferWithoutSplittingCharacters) {
    CFileException e(CFileException::fileNotFound, ENOENT, "\xC3\xA9t\xC3\xA9.txt");
    char text[3];
    EXPECT_TRUE(e.GetErrorMessage(text, sizeof text));
    EXPECT_STREQ(text, "\xC3\xA9");
    char tiny[2];
    e.GetErrorMessage(tiny, sizeof tiny);
    EXPECT_STREQ(tiny, "");
    UINT help = 99;
    e.GetErrorMessage(text, sizeof text, &help);
    EXPECT_EQ(help, 0u);
}

TEST(CException, ThrownPointersAreCaughtAsTheirBaseAndDeleted) {
    try {
        AfxThrowFileException(CFileException::badPath, ENOTDIR, "/x");
    } catch (CException* e) {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
        auto* file = static_cast<CFileException*>(e);
        EXPECT_EQ(file->m_cause, CFileException::badPath);
        EXPECT_EQ(file->m_lOsError, ENOTDIR);
        EXPECT_EQ(file->m_strFileName, "/x");
        e->Delete();
    }
    try {
        AfxThrowArchiveException(CArchiveException::badSchema, "a.dat");
    } catch (CArchiveException* e) {
        EXPECT_EQ(e->m_cause, CArchiveException::badSchema);
        e->Delete();
    }
}

TEST(CException, MemoryExceptionIsOneStaticObjectThatDeleteKeeps) {
    CMemoryException* first = nullptr;
    try {
        AfxThrowMemoryException();
    } catch (CMemoryException* e) {
        first = e;
        EXPECT_EQ(MessageOf(*e), "Out of memory.");
        e->Delete();
    }
    try {
        AfxThrowMemoryException();
    } catch (CException* e) {
        EXPECT_EQ(e, first);
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
        e->Delete();
    }
}

TEST(CException, ErrnoMapsToTheFileCauses) {
    struct Case {
        int error;
        int cause;
    } cases[] = {
        {0, CFileException::none},
        {ENOENT, CFileException::fileNotFound},
        {ENOTDIR, CFileException::badPath},
        {EMFILE, CFileException::tooManyOpenFiles},
        {EACCES, CFileException::accessDenied},
        {EISDIR, CFileException::accessDenied},
        {EBADF, CFileException::invalidFile},
        {EBUSY, CFileException::sharingViolation},
        {EDEADLK, CFileException::lockViolation},
        {ESPIPE, CFileException::badSeek},
        {EIO, CFileException::hardIO},
        {ENOSPC, CFileException::diskFull},
        {EPROTO, CFileException::generic},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CFileException::ErrnoToException(c.error), c.cause) << c.error;
}
