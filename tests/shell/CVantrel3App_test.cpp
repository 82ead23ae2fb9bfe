#include "shell/CVantrel3App.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

TEST(CVantrel3AppTest, GetVantrelAppAnswersTheLiveApplicationObjectOnly) {
    EXPECT_EQ(GetVantrelApp(), nullptr);
    {
        CVantrel3App app;
        EXPECT_EQ(GetVantrelApp(), &app);
    }
    EXPECT_EQ(GetVantrelApp(), nullptr);
}

// An application object that lives on (a fixture's, for the whole process) is current again
// once a later one is gone, in whatever order they go; a gone one is never answered.
TEST(CVantrel3AppTest, TheNewestLiveApplicationIsCurrentWhenALaterOneGoes) {
    CVantrel3App lasting;
    {
        CVantrel3App passing;
        EXPECT_EQ(GetVantrelApp(), &passing);
    }
    EXPECT_EQ(GetVantrelApp(), &lasting);

    auto second = std::make_unique<CVantrel3App>();
    auto third = std::make_unique<CVantrel3App>();
    second.reset();
    EXPECT_EQ(GetVantrelApp(), third.get());
    third.reset();
    EXPECT_EQ(GetVantrelApp(), &lasting);
}

TEST(CVantrel3AppTest, StartsWithNoDbIdAndUserKeyZeroZero) {
    CVantrel3App app;
    EXPECT_EQ(app.GetDbID(), 0);
    EXPECT_EQ(app.GetUserKey().m_DbID, 0);
    EXPECT_EQ(app.GetUserKey().m_KeyID, 0);
    EXPECT_FALSE(app.m_VantrelDb.IsOpen());
}

TEST(CVantrel3AppTest, TheInterpreterPathStartsAsCgiBin) {
    CVantrel3App app;
    EXPECT_EQ(app.GetCGIAppRelPath(), "/CGI-BIN/");
}

TEST(CVantrel3AppTest, UserKeyIsTheMemberItself) {
    CVantrel3App app;
    app.GetUserKey().SetKey(4, 9);
    EXPECT_EQ(app.GetUserKey().FormatFull(), "4:9");
}

TEST(CVantrel3AppTest, SiteDatabaseStartsOnTheDefaultPathUnderTheDriveRoot) {
    const char* previous = std::getenv("MARQUILL_ROOT");
    std::string saved = previous != nullptr ? previous : "";
    setenv("MARQUILL_ROOT", "/srv/mqroot", 1);
    {
        CVantrel3App app;
        EXPECT_EQ(app.m_VantrelDb.GetDatabasePath(), "/srv/mqroot/Marquill/mq.mdb");
    }
    if (previous != nullptr)
        setenv("MARQUILL_ROOT", saved.c_str(), 1);
    else
        unsetenv("MARQUILL_ROOT");
}

} // namespace
