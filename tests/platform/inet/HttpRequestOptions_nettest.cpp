// What a retrieval asks of an HTTP request beyond a plain GET, against real servers on
// 127.0.0.1: redirections left to the caller with their Location, the session's wait for data,
// its status callback while a request waits, and requests over TLS.
#include "platform/inet/CHttpConnection.h"
#include "platform/inet/CHttpFile.h"
#include "platform/inet/CInternetException.h"
#include "platform/inet/CInternetSession.h"
#include "tests/support/ImportSiteServer.h"
#include "tests/support/RecordingHttpServer.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <curl/curl.h>

#include <cstdlib>
#include <memory>

namespace {

// A session that counts its status callbacks.
class CountingSession : public CInternetSession {
public:
    CountingSession() : CInternetSession("Marquill") {}
    void OnStatusCallback(DWORD_PTR, DWORD status, LPVOID, DWORD) override {
        if (status == INTERNET_STATUS_RECEIVING_RESPONSE)
            calls++;
    }
    int calls = 0;
};

class HttpOptionsTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("NO_PROXY", "127.0.0.1,localhost", 1); }
    void TearDown() override { unsetenv("NO_PROXY"); }

    std::unique_ptr<CHttpFile> Send(CInternetSession& session, const std::string& server,
                                    const char* object, DWORD flags) {
        m_connection.reset(session.GetHttpConnection(server.c_str()));
        std::unique_ptr<CHttpFile> file(m_connection->OpenRequest(
            CHttpConnection::HTTP_VERB_GET, object, nullptr, 1, nullptr, nullptr, flags));
        file->SendRequest();
        return file;
    }
    // The library's error number of the failure the action throws; 0 when none.
    template <class Action> static DWORD ErrorOf(Action action) {
        try {
            action();
        } catch (CInternetException* e) {
            DWORD error = e->m_dwError;
            e->Delete();
            return error;
        }
        return 0;
    }

    TempDir m_root;
    ImportSiteServer m_server{m_root.path().string(), UnusedLocalPort()};
    std::unique_ptr<CHttpConnection> m_connection;
};

TEST_F(HttpOptionsTest, ARedirectionLeftUnfollowedGivesItsLocation) {
    CInternetSession session("Marquill");
    CString location = "unset";
    auto file = Send(session, m_server.address(), "/hop/same.html", INTERNET_FLAG_NO_AUTO_REDIRECT);
    DWORD status = 0;
    EXPECT_TRUE(file->QueryInfoStatusCode(status));
    EXPECT_EQ(status, 302u);
    EXPECT_TRUE(file->QueryInfo(HTTP_QUERY_LOCATION, location));
    EXPECT_EQ(location.str(), "http://" + m_server.address() + "/hop/target.html");
    EXPECT_FALSE(file->QueryInfo(HTTP_QUERY_LOCATION + 1, location));

    auto plain = Send(session, m_server.address(), "/hop/target.html", 0);
    EXPECT_FALSE(plain->QueryInfo(HTTP_QUERY_LOCATION, location));
    std::unique_ptr<CHttpFile> unsent(m_connection->OpenRequest(
        CHttpConnection::HTTP_VERB_GET, "/hop/same.html", nullptr, 1, nullptr, nullptr, 0));
    EXPECT_FALSE(unsent->QueryInfo(HTTP_QUERY_LOCATION, location));
}

TEST_F(HttpOptionsTest, AnAnswerThatStallsEndsAfterTheSessionsWaitWithTheCallbackCalled) {
    CountingSession session;
    EXPECT_TRUE(session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, 1500));
    EXPECT_TRUE(session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, 2000));
    EXPECT_FALSE(session.SetOption(99, 1));
    session.EnableStatusCallback(TRUE);
    auto file = Send(session, m_server.address(), "/limits/slow.html", 0);
    char buffer[64];
    EXPECT_EQ(ErrorOf([&] {
                  while (file->Read(buffer, sizeof buffer) > 0) {
                  }
              }),
              static_cast<DWORD>(CURLE_OPERATION_TIMEDOUT));
    EXPECT_GE(session.calls, 1);
}

TEST_F(HttpOptionsTest, WithoutTheCallbackEnabledNoneIsMade) {
    CountingSession session;
    session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, 1200);
    auto file = Send(session, m_server.address(), "/limits/slow.html", 0);
    char buffer[64];
    EXPECT_NE(ErrorOf([&] {
                  while (file->Read(buffer, sizeof buffer) > 0) {
                  }
              }),
              0u);
    EXPECT_EQ(session.calls, 0);
}

TEST_F(HttpOptionsTest, ASecureRequestSpeaksTLS) {
    CInternetSession session("Marquill");
    auto plain = Send(session, m_server.address(), "/hop/target.html", 0);
    DWORD status = 0;
    plain->QueryInfoStatusCode(status);
    EXPECT_EQ(status, 200u);
    // This server speaks no TLS: the handshake fails.
    EXPECT_NE(ErrorOf([&] {
                  Send(session, m_server.address(), "/hop/target.html", INTERNET_FLAG_SECURE);
              }),
              0u);
}

} // namespace
