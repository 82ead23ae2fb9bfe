// FTP sessions, connections and remote files against a real FTP server on 127.0.0.1.
#include "platform/inet/CFtpConnection.h"
#include "platform/inet/CInternetException.h"
#include "platform/inet/CInternetFile.h"
#include "platform/inet/CInternetSession.h"
#include "tests/support/LocalTestServer.h"
#include "tests/support/ReadOnlyFolderFtpServer.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

class FtpTest : public ::testing::Test {
protected:
    std::unique_ptr<CFtpConnection> Connect(const char* password = "secret") {
        return std::unique_ptr<CFtpConnection>(
            m_session.GetFtpConnection(m_server.address().c_str(), "dev", password));
    }
    std::string OnDisk(const std::string& name) {
        std::ifstream in(m_root.file(name), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void PutOnDisk(const std::string& name, const std::string& content) {
        std::ofstream(m_root.file(name), std::ios::binary) << content;
    }
    // The error text of what the action throws, or "" when it throws nothing.
    template <class Action> static std::string FailureOf(Action action) {
        try {
            action();
        } catch (CInternetException* e) {
            char text[256];
            e->GetErrorMessage(text, sizeof text);
            e->Delete();
            return text;
        }
        return "";
    }

    TempDir m_root;
    FtpTestServer m_server{m_root.path().string(), "dev", "secret"};
    CInternetSession m_session;
};

// Every byte value, line ends of both kinds and a NUL: a binary transfer keeps them all.
std::string EveryByte() {
    std::string bytes;
    for (int i = 0; i < 256; i++)
        bytes += static_cast<char>(i);
    return bytes + "\r\n\n\r" + std::string(3000, 'x');
}

TEST_F(FtpTest, LogsInOnThePortOfTheAddressAndRefusesAWrongPassword) {
    EXPECT_NE(Connect(), nullptr);
    EXPECT_NE(FailureOf([&] { Connect("wrong"); }), "");
    // A port in the address wins over the one passed; without one, the one passed is used.
    std::unique_ptr<CFtpConnection> byAddress(
        m_session.GetFtpConnection(m_server.address().c_str(), "dev", "secret", 1));
    EXPECT_EQ(byAddress->GetServerName().str(), "127.0.0.1");
    std::unique_ptr<CFtpConnection> byPort(m_session.GetFtpConnection(
        "127.0.0.1", "dev", "secret", static_cast<INTERNET_PORT>(m_server.port())));
    EXPECT_NE(byPort, nullptr);
}

TEST_F(FtpTest, AFileWrittenIsSentWholeAtCloseAndReadsBackByteForByte) {
    auto ftp = Connect();
    std::string bytes = EveryByte();
    std::unique_ptr<CInternetFile> out(ftp->OpenFile("copy.bin", GENERIC_WRITE));
    out->Write(bytes.data(), 100);
    out->Write(bytes.data() + 100, static_cast<UINT>(bytes.size() - 100));
    EXPECT_FALSE(std::filesystem::exists(m_root.file("copy.bin")));
    out->Close();
    EXPECT_EQ(OnDisk("copy.bin"), bytes);

    std::unique_ptr<CInternetFile> in(ftp->OpenFile("copy.bin", GENERIC_READ));
    std::string read;
    char block[1024];
    for (UINT n; (n = in->Read(block, sizeof block)) > 0;)
        read.append(block, n);
    EXPECT_EQ(read, bytes);
    in->Close();
}

TEST_F(FtpTest, AnEmptyFileIsWrittenAndRead) {
    auto ftp = Connect();
    std::unique_ptr<CInternetFile>(ftp->OpenFile("empty.txt", GENERIC_WRITE))->Close();
    EXPECT_TRUE(std::filesystem::exists(m_root.file("empty.txt")));
    std::unique_ptr<CInternetFile> in(ftp->OpenFile("empty.txt"));
    char block[16];
    EXPECT_EQ(in->Read(block, sizeof block), 0u);
}

TEST_F(FtpTest, DirectoriesAreMadeOneLevelAtATimeAndPathsMayBeAbsolute) {
    auto ftp = Connect();
    EXPECT_TRUE(ftp->CreateDirectory("site"));
    EXPECT_FALSE(ftp->CreateDirectory("site")); // there already
    EXPECT_FALSE(ftp->CreateDirectory("none/deeper"));
    EXPECT_TRUE(ftp->CreateDirectory("/site/my pages"));
    std::unique_ptr<CInternetFile> out(ftp->OpenFile("/site/my pages/a b.html", GENERIC_WRITE));
    out->Write("<p>", 3);
    out->Close();
    EXPECT_EQ(OnDisk("site/my pages/a b.html"), "<p>");
}

TEST_F(FtpTest, OpeningFailsAtOnceForAMissingFileOrDirectory) {
    auto ftp = Connect();
    EXPECT_NE(FailureOf([&] { delete ftp->OpenFile("missing.html"); }), "");
    EXPECT_NE(FailureOf([&] { delete ftp->OpenFile("missing/page.html", GENERIC_WRITE); }), "");
}

TEST_F(FtpTest, AFailedTransferAtCloseThrows) {
    auto ftp = Connect();
    ASSERT_TRUE(ftp->CreateDirectory("gone"));
    std::unique_ptr<CInternetFile> out(ftp->OpenFile("gone/page.html", GENERIC_WRITE));
    out->Write("text", 4);
    std::filesystem::remove_all(m_root.file("gone"));
    EXPECT_NE(FailureOf([&] { out->Close(); }), "");
}

TEST_F(FtpTest, RemoveDeletesARemoteFile) {
    PutOnDisk("old.html", "old");
    auto ftp = Connect();
    EXPECT_TRUE(ftp->Remove("old.html"));
    EXPECT_FALSE(std::filesystem::exists(m_root.file("old.html")));
    EXPECT_FALSE(ftp->Remove("old.html"));
}

TEST_F(FtpTest, ASessionServesSeveralConnectionsInTurn) {
    PutOnDisk("a.txt", "first");
    auto one = Connect();
    auto two = Connect();
    std::unique_ptr<CInternetFile> a(one->OpenFile("a.txt"));
    std::unique_ptr<CInternetFile> b(two->OpenFile("a.txt"));
    EXPECT_EQ(a->GetLength(), 5u);
    EXPECT_EQ(b->GetLength(), 5u);
}

// One connection reads while another is set up to write; the first ends before the second
// sends its file (as a copy from one FTP site to another does).
TEST_F(FtpTest, TwoConnectionsOpenAtOnceEachFinishTheirTransfer) {
    PutOnDisk("zero", "");
    auto one = Connect();
    std::unique_ptr<CInternetFile> in(one->OpenFile("zero"));
    auto two = Connect();
    ASSERT_TRUE(two->CreateDirectory("copy"));
    std::unique_ptr<CInternetFile> out(two->OpenFile("copy/zero", GENERIC_WRITE));
    in->Close();
    one->Close();
    out->Close();
    EXPECT_TRUE(std::filesystem::exists(m_root.file("copy/zero")));
}

TEST_F(FtpTest, NamesAreTakenFromTheCurrentDirectoryOnceItIsSet) {
    std::filesystem::create_directories(m_root.file("web/site"));
    auto ftp = Connect();
    EXPECT_TRUE(ftp->SetCurrentDirectory("/web/"));
    EXPECT_TRUE(ftp->SetCurrentDirectory("site"));
    EXPECT_FALSE(ftp->SetCurrentDirectory("missing")); // the current one stays
    EXPECT_TRUE(ftp->CreateDirectory("images"));
    std::unique_ptr<CInternetFile> out(ftp->OpenFile("images/a.gif", GENERIC_WRITE));
    out->Write("gif", 3);
    out->Close();
    EXPECT_EQ(OnDisk("web/site/images/a.gif"), "gif");
    PutOnDisk("web/site/old.html", "old");
    EXPECT_TRUE(ftp->Remove("old.html"));
    EXPECT_FALSE(std::filesystem::exists(m_root.file("web/site/old.html")));
    // A name from the root, with either separator, is not taken from the current directory.
    EXPECT_TRUE(ftp->CreateDirectory("\\top"));
    EXPECT_TRUE(ftp->SetCurrentDirectory("\\web\\"));
    EXPECT_TRUE(ftp->CreateDirectory("other"));
    EXPECT_TRUE(std::filesystem::is_directory(m_root.file("top")));
    EXPECT_TRUE(std::filesystem::is_directory(m_root.file("web/other")));
}

// The server is left in the directory of the last transfer; a relative directory made next is
// still made where the connection's own current directory says.
TEST_F(FtpTest, ADirectoryIsMadeInTheCurrentDirectoryWhereverTheLastTransferWent) {
    auto ftp = Connect();
    ASSERT_TRUE(ftp->CreateDirectory("deep"));
    ASSERT_TRUE(ftp->CreateDirectory("deep/er"));
    std::unique_ptr<CInternetFile> out(ftp->OpenFile("deep/er/f.txt", GENERIC_WRITE));
    out->Close();
    EXPECT_TRUE(ftp->CreateDirectory("next"));
    EXPECT_TRUE(std::filesystem::is_directory(m_root.file("next")));
    EXPECT_TRUE(ftp->Remove("deep/er/f.txt"));
}

TEST_F(FtpTest, PutFileSendsALocalFileInBinaryReplacingTheRemoteOne) {
    TempDir local;
    std::string bytes = EveryByte() + std::string(200000, '\0');
    std::ofstream(local.file("3-17.mdb"), std::ios::binary) << bytes;
    std::filesystem::create_directories(m_root.file("site"));
    PutOnDisk("site/3-17.mdb", "older and longer than nothing");
    auto ftp = Connect();
    ASSERT_TRUE(ftp->SetCurrentDirectory("site"));
    EXPECT_TRUE(ftp->PutFile(local.file("3-17.mdb").c_str(), "3-17.mdb"));
    EXPECT_TRUE(OnDisk("site/3-17.mdb") == bytes);
    EXPECT_FALSE(ftp->PutFile(local.file("missing.mdb").c_str(), "missing.mdb"));
    EXPECT_FALSE(ftp->PutFile(local.file("3-17.mdb").c_str(), "nowhere/3-17.mdb"));
}

TEST(FtpReadOnlyFolder, PutFileAndCreateDirectoryAreRefusedWhereTheServerForbidsWriting) {
    TempDir root;
    TempDir local;
    std::filesystem::create_directories(root.file("locked"));
    std::ofstream(local.file("f.bin"), std::ios::binary) << "data";
    ReadOnlyFolderFtpServer server(root.path().string(), "dev", "secret", root.file("locked"));
    CInternetSession session;
    std::unique_ptr<CFtpConnection> ftp(
        session.GetFtpConnection(server.address().c_str(), "dev", "secret"));
    EXPECT_TRUE(ftp->SetCurrentDirectory("locked"));
    EXPECT_FALSE(ftp->PutFile(local.file("f.bin").c_str(), "f.bin"));
    EXPECT_FALSE(ftp->CreateDirectory("sub"));
    EXPECT_FALSE(std::filesystem::exists(root.file("locked/f.bin")));
    EXPECT_TRUE(ftp->PutFile(local.file("f.bin").c_str(), "/f.bin"));
}

} // namespace
