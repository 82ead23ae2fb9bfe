// HTTP GET requests, their status and their body against a real HTTP server on 127.0.0.1 that
// records what it receives.
#include "platform/inet/CHttpConnection.h"
#include "platform/inet/CHttpFile.h"
#include "platform/inet/CInternetException.h"
#include "platform/inet/CInternetSession.h"
#include "tests/support/RecordingHttpServer.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>

namespace {

// Sets an environment variable for the object's lifetime.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

class HttpTest : public ::testing::Test {
protected:
    // Sends a GET for the object to the test server; the connection stays with the fixture.
    std::unique_ptr<CHttpFile> Get(const char* object, DWORD flags = INTERNET_FLAG_RELOAD,
                                   const std::string& server = "") {
        m_connection.reset(
            m_session.GetHttpConnection((server.empty() ? m_server.address() : server).c_str()));
        std::unique_ptr<CHttpFile> file(m_connection->OpenRequest(
            CHttpConnection::HTTP_VERB_GET, object, nullptr, 1, nullptr, nullptr, flags));
        file->SendRequest();
        return file;
    }
    static DWORD Status(CHttpFile& file) {
        DWORD status = 0;
        EXPECT_TRUE(file.QueryInfoStatusCode(status));
        return status;
    }
    static std::vector<std::string> Lines(CHttpFile& file) {
        std::vector<std::string> lines;
        CString line;
        while (file.ReadString(line))
            lines.push_back(line.str());
        return lines;
    }
    void PutOnDisk(const std::string& name, const std::string& content) {
        std::filesystem::create_directories(std::filesystem::path(m_root.file(name)).parent_path());
        std::ofstream(m_root.file(name), std::ios::binary) << content;
    }
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

    ScopedEnv m_noProxy{"NO_PROXY", "127.0.0.1,localhost"};
    TempDir m_root;
    RecordingHttpServer m_server{m_root.path().string()};
    CInternetSession m_session{"Marquill"};
    std::unique_ptr<CHttpConnection> m_connection;
};

TEST_F(HttpTest, AGetSendsItsPathAsGivenWithTheAgentAndNothingElseOfItsOwn) {
    m_server.SetReply("/CGI-BIN/mq30i.exe", 200, "");
    auto file = Get("/CGI-BIN/mq30i.exe?pubId=3:17&db=3-17.mdb");
    EXPECT_EQ(Status(*file), 200u);
    auto requests = m_server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].line, "GET /CGI-BIN/mq30i.exe?pubId=3:17&db=3-17.mdb HTTP/1.1");
    EXPECT_EQ(requests[0].Header("User-Agent"), "Marquill");
    EXPECT_EQ(requests[0].Header("Host"), m_server.address());
    EXPECT_EQ(requests[0].Header("Cache-Control"), "no-cache");
    EXPECT_EQ(requests[0].Header("Pragma"), "no-cache");
    for (const char* absent : {"Referer", "Authorization", "Accept", "Cookie"})
        EXPECT_FALSE(requests[0].HasHeader(absent)) << absent;
}

TEST_F(HttpTest, HeadersComeFromTheRequestsOwnArgumentsAndAreAddedOnlyIfNew) {
    PutOnDisk("page.html", "x");
    m_connection.reset(m_session.GetHttpConnection(m_server.address().c_str()));
    LPCTSTR types[] = {"text/html", "image/*", nullptr};
    std::unique_ptr<CHttpFile> file(m_connection->OpenRequest(
        CHttpConnection::HTTP_VERB_GET, "page.html", "http://from/here", 1, types));
    EXPECT_TRUE(file->AddRequestHeaders("accept: */*\r\nX-One: 1\r\n"));
    file->SendRequest("X-Two: 2");
    EXPECT_EQ(Status(*file), 200u);

    std::unique_ptr<CHttpFile> plain(m_connection->OpenRequest(
        CHttpConnection::HTTP_VERB_GET, "/page.html", nullptr, 1, nullptr, nullptr, 0));
    plain->AddRequestHeaders("accept: */*", HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    plain->SendRequest();

    auto requests = m_server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].line, "GET /page.html HTTP/1.1");
    EXPECT_EQ(requests[0].Header("Referer"), "http://from/here");
    EXPECT_EQ(requests[0].Header("Accept"), "text/html, image/*");
    EXPECT_EQ(requests[0].Header("X-One"), "1");
    EXPECT_EQ(requests[0].Header("X-Two"), "2");
    EXPECT_FALSE(requests[0].HasHeader("Pragma"));
    EXPECT_EQ(requests[1].Header("Accept"), "*/*");
    EXPECT_FALSE(requests[1].HasHeader("Cache-Control"));
}

TEST_F(HttpTest, TheBodyIsReadLineByLineWithoutLineEnds) {
    m_server.SetReply("/answer", 200, "Loaded 12 rows.\r\nsecond\n\n  spaced \r\nlast");
    auto file = Get("/answer");
    EXPECT_EQ(Lines(*file),
              (std::vector<std::string>{"Loaded 12 rows.", "second", "", "  spaced ", "last"}));
    CString after = "x";
    EXPECT_FALSE(file->ReadString(after));
    EXPECT_EQ(after.str(), "");
}

TEST_F(HttpTest, AnAnswerOtherThan200IsAStatusNotAnError) {
    m_server.SetReply("/refused", 500, "Cannot load\r\n");
    m_server.SetReply("/empty", 200, "");
    auto refused = Get("/refused");
    EXPECT_EQ(Status(*refused), 500u);
    EXPECT_EQ(Lines(*refused), std::vector<std::string>{"Cannot load"});
    EXPECT_EQ(Status(*Get("/missing.html")), 404u);
    auto empty = Get("/empty");
    EXPECT_EQ(Status(*empty), 200u);
    EXPECT_TRUE(Lines(*empty).empty());
}

TEST_F(HttpTest, ALargeBinaryBodyArrivesWholeInPieces) {
    std::string bytes;
    for (int i = 0; i < 1 << 20; i++)
        bytes += static_cast<char>((i * 7) ^ (i >> 9));
    PutOnDisk("big file.bin", bytes);
    auto file = Get("/big file.bin");
    EXPECT_EQ(Status(*file), 200u);
    std::string read;
    char piece[1024];
    for (UINT n; (n = file->Read(piece, 1023)) > 0;)
        read.append(piece, n);
    EXPECT_EQ(read.size(), bytes.size());
    EXPECT_TRUE(read == bytes);
    EXPECT_EQ(m_server.Requests().at(0).line, "GET /big%20file.bin HTTP/1.1");
}

TEST_F(HttpTest, RedirectionsAreFollowedUnlessTheRequestSaysNot) {
    PutOnDisk("sub/index.html", "<p>index</p>");
    auto followed = Get("/sub");
    EXPECT_EQ(Status(*followed), 200u);
    EXPECT_EQ(Lines(*followed), std::vector<std::string>{"<p>index</p>"});
    EXPECT_EQ(Status(*Get("/sub", INTERNET_FLAG_NO_AUTO_REDIRECT)), 301u);
}

TEST_F(HttpTest, AServerThatCannotBeReachedFailsTheSendWithTheLibrarysText) {
    std::string down = "127.0.0.1:" + std::to_string(UnusedLocalPort());
    std::string failure = FailureOf([&] { Get("/x", 0, down); });
    EXPECT_NE(failure.find("127.0.0.1"), std::string::npos) << failure;
    // The port passed is used when the server has none of its own.
    m_connection.reset(m_session.GetHttpConnection("127.0.0.1", m_server.port()));
    EXPECT_EQ(m_connection->GetPort(), m_server.port());
    std::unique_ptr<CHttpFile> file(
        m_connection->OpenRequest(CHttpConnection::HTTP_VERB_GET, "/none"));
    file->SendRequest();
    EXPECT_EQ(Status(*file), 404u);
}

TEST_F(HttpTest, AnAnswerThatBreaksOffFailsTheReadThatReachesTheBreak) {
    m_server.SetRawReply("/broken", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nfirst\r\nsec");
    auto file = Get("/broken");
    EXPECT_EQ(Status(*file), 200u);
    CString line;
    EXPECT_TRUE(file->ReadString(line));
    EXPECT_EQ(line.str(), "first");
    EXPECT_NE(FailureOf([&] { file->ReadString(line); }), "");
}

TEST_F(HttpTest, OnlyGetIsMadeAndAnUnsentRequestHasNoStatus) {
    m_connection.reset(m_session.GetHttpConnection(m_server.address().c_str()));
    EXPECT_NE(
        FailureOf([&] { delete m_connection->OpenRequest(CHttpConnection::HTTP_VERB_POST, "/x"); }),
        "");
    std::unique_ptr<CHttpFile> file(
        m_connection->OpenRequest(CHttpConnection::HTTP_VERB_GET, "/x"));
    DWORD status = 7;
    EXPECT_FALSE(file->QueryInfoStatusCode(status));
    EXPECT_EQ(status, 7u);
    EXPECT_TRUE(m_server.Requests().empty());
}

// The system's proxy settings are the transfer library's environment variables.
TEST_F(HttpTest, TheProxyOfTheEnvironmentCarriesRequestsForOtherHosts) {
    ScopedEnv proxy("http_proxy", ("http://" + m_server.address()).c_str());
    auto file = Get("/page.html", 0, "www.example.invalid");
    EXPECT_EQ(Status(*file), 404u);
    ASSERT_EQ(m_server.Requests().size(), 1u);
    EXPECT_EQ(m_server.Requests()[0].line, "GET http://www.example.invalid/page.html HTTP/1.1");
    ScopedEnv bypass("NO_PROXY", "www.example.invalid");
    EXPECT_NE(FailureOf([&] { Get("/page.html", 0, "www.example.invalid"); }), "");
}

} // namespace
