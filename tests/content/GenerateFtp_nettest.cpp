// Generating, previewing and publishing with FTP sites on a real FTP server on 127.0.0.1.
#include "content/QZService.h"
#include "content/QZVantrelImage.h"
#include "content/QZVantrelPage.h"
#include "db/QZRecordsetCaches.h"
#include "tests/content/GenerationFixture.h"
#include "tests/support/LocalTestServer.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

class GenerateFtpTest : public GenerationTest {
protected:
    void SetUp() override {
        GenerationTest::SetUp();
        AddSalePage();
    }
    // The development site (and with production, the production site) on the FTP server.
    void DevelopOnFtp(const std::string& password = "secret") {
        Update(ContentKindOf(OBJ_SERVICE), kService,
               "DevelopmentUse_ftp = 1, DevelopPath = 'web', Development_ftp_Address = '" +
                   m_server.address() +
                   "', Development_ftp_User = 'dev', "
                   "Development_ftp_Password = '" +
                   password + "'");
    }
    // The production site on the server; its password column holds the scrambled text, so
    // it is set through the service object.
    void PublishOnFtp(const std::string& address) {
        Update(ContentKindOf(OBJ_SERVICE), kService,
               "ProductionUse_ftp = 1, ProductionPath = 'prod', Production_ftp_Address = '" +
                   address + "', Production_ftp_User = 'dev'");
        QZService service(QZKeyCombo(kDbId, kService, OBJ_SERVICE), TRUE);
        service.GetRecordset()->m_Production_ftp_Password = "secret";
        ASSERT_EQ(service.Save(), 1);
    }
    std::string OnServer(const std::string& relative) const {
        return (m_ftpRoot.path() / relative).string();
    }
    static std::string Golden() {
        return ReadFile((TestDataDir() / "content" / "generated_page.html").string());
    }

    TempDir m_ftpRoot;
    FtpTestServer m_server{m_ftpRoot.path().string(), "dev", "secret"};
};

TEST_F(GenerateFtpTest, APageGeneratedOntoTheFtpSiteIsByteForByteTheGoldenFile) {
    DevelopOnFtp();
    auto page = LoadPage(40);
    EXPECT_EQ(page->Generate(), 1);
    EXPECT_EQ(ReadFile(OnServer("web/site/news/archive/may/sale.html")), Golden());
    EXPECT_TRUE(m_boxes.shown().empty());
    // No local directory is made for an FTP path.
    EXPECT_FALSE(fs::exists(UnderRoot("web")));
    EXPECT_FALSE(fs::exists(UnderRoot("dev")));
}

TEST_F(GenerateFtpTest, AWrongPasswordFailsTheRunAndLeavesTheRow) {
    DevelopOnFtp("wrong");
    auto page = LoadPage(40);
    EXPECT_EQ(page->Generate(), 0);
    EXPECT_EQ(m_boxes.texts(), (std::vector<std::string>{"Cannot open ftp session",
                                                         "Cannot open remote file for writing"}));
    EXPECT_EQ(page->GetVersionGenerated(), 6);
    EXPECT_FALSE(page->GetPublishFlag());
}

TEST_F(GenerateFtpTest, AFailedTransferFailsTheRunAndLeavesTheRow) {
    DevelopOnFtp();
    // The server cannot store a file where a directory is.
    fs::create_directories(OnServer("web/site/news/archive/may/sale.html"));
    auto page = LoadPage(40);
    EXPECT_EQ(page->Generate(), 0);
    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_EQ(page->GetVersionGenerated(), 6);
    EXPECT_TRUE(DependentsOf(40).empty());
}

TEST_F(GenerateFtpTest, AnFtpPreviewAsksTheServerForItsFreeNameAndRewritesIt) {
    DevelopOnFtp();
    WriteFile(OnServer("web/site/news/archive/may/Web1.html"), "taken");
    auto page = LoadPage(40);
    EXPECT_EQ(page->Preview(), 1);
    EXPECT_EQ(page->GetOutputFileName().str(), "Web2.html");
    EXPECT_NE(ReadFile(OnServer("web/site/news/archive/may/Web2.html")).find("See you soon"),
              std::string::npos);
    EXPECT_EQ(page->Preview(), 1);
    EXPECT_EQ(page->GetOutputFileName().str(), "Web2.html");
    EXPECT_FALSE(fs::exists(OnServer("web/site/news/archive/may/Web3.html")));
}

TEST_F(GenerateFtpTest, TheProductionOutputSwitchTakesTheProductionFtpSiteWhole) {
    // The development server does not answer: only the production one may be used.
    Update(ContentKindOf(OBJ_SERVICE), kService,
           "DevelopmentUse_ftp = 1, Development_ftp_Address = '127.0.0.1:1'");
    PublishOnFtp(m_server.address());
    Db().SetProductionOutput(1);
    auto page = LoadPage(40);
    EXPECT_EQ(page->Generate(), 1);
    Db().SetProductionOutput(0);
    EXPECT_EQ(ReadFile(OnServer("prod/site/news/archive/may/sale.html")), Golden());
    EXPECT_TRUE(m_boxes.shown().empty());
}

// Publishing an image's file in each pairing of a local or FTP development site with a local
// or FTP production site, for files of 0, 1024 and 1025 bytes.
TEST_F(GenerateFtpTest, PublishingCopiesTheFileBetweenLocalAndFtpSitesWhole) {
    Insert("Images",
           "DbID, ImageID, Name, Directory, FileName, ServiceDbID, ServiceID, SectionDbID, "
           "SectionID, PublishFlag, Deleted",
           "5, 50, 'Logo', 'img', 'logo.gif', 5, 10, 5, 20, 1, 0");
    for (bool devFtp : {false, true}) {
        for (bool prodFtp : {false, true}) {
            for (size_t size : {0, 1024, 1025}) {
                SCOPED_TRACE(std::string(devFtp ? "ftp" : "local") + " to " +
                             (prodFtp ? "ftp" : "local") + ", " + std::to_string(size));
                fs::remove_all(UnderRoot("dev"));
                fs::remove_all(UnderRoot("prod"));
                fs::remove_all(OnServer("web"));
                fs::remove_all(OnServer("prod"));
                ExecuteOn(m_path, "UPDATE Services SET DevelopmentUse_ftp = 0, DevelopPath = "
                                  "'C:\\dev', ProductionUse_ftp = 0, ProductionPath = 'C:\\prod'");
                if (devFtp)
                    DevelopOnFtp();
                if (prodFtp)
                    PublishOnFtp(m_server.address());
                std::string content;
                for (size_t i = 0; i < size; i++)
                    content += static_cast<char>(i * 7 % 256);
                WriteFile(devFtp ? OnServer("web/site/news/img/logo.gif")
                                 : UnderRoot("dev/site/news/img/logo.gif"),
                          content);
                ClearRecordsetCaches();
                QZVantrelImage image(QZKeyCombo(kDbId, 50, OBJ_IMAGE), TRUE);
                image.SetPublishFlag(TRUE);
                EXPECT_EQ(image.MarkPublished(), 1);
                EXPECT_FALSE(image.GetPublishFlag());
                EXPECT_EQ(image.GetLastPublished(), Now());
                std::string target = prodFtp ? OnServer("prod/site/news/img/logo.gif")
                                             : UnderRoot("prod/site/news/img/logo.gif");
                ASSERT_TRUE(fs::exists(target));
                EXPECT_EQ(ReadFile(target), content);
                EXPECT_TRUE(m_boxes.shown().empty());
            }
        }
    }
}

TEST_F(GenerateFtpTest, AMissingSourceLeavesTheObjectWaitingToBePublished) {
    Insert("Images",
           "DbID, ImageID, Name, Directory, FileName, ServiceDbID, ServiceID, SectionDbID, "
           "SectionID, PublishFlag, Deleted",
           "5, 50, 'Logo', 'img', 'logo.gif', 5, 10, 5, 20, 1, 0");
    DevelopOnFtp();
    QZVantrelImage image(QZKeyCombo(kDbId, 50, OBJ_IMAGE), TRUE);
    EXPECT_EQ(image.MarkPublished(), 0);
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{"Cannot open remote file for reading"});
    EXPECT_TRUE(image.GetPublishFlag());
    EXPECT_EQ(image.GetPublishedByKey().FormatFull(), "0:0");
    EXPECT_FALSE(fs::exists(UnderRoot("prod/site/news/img/logo.gif")));
}

} // namespace
