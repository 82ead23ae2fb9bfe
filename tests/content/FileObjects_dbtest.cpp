// Images, photos, multimedia objects, Java applets and ActiveX objects: their own columns,
// file names and file URLs, and marking them published.
#include "content/QZVantrelActiveX.h"
#include "content/QZVantrelAdvertiser.h"
#include "content/QZVantrelImage.h"
#include "content/QZVantrelJava.h"
#include "content/QZVantrelMedia.h"
#include "content/QZVantrelPhoto.h"
#include "tests/content/ContentFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

class FileObjectsTest : public ContentTest {
protected:
    void SetUp() override {
        ContentTest::SetUp();
        const char* previous = std::getenv("MARQUILL_ROOT");
        m_hadRoot = previous != nullptr;
        m_savedRoot = m_hadRoot ? previous : "";
        setenv("MARQUILL_ROOT", m_dir.path().c_str(), 1);
    }
    void TearDown() override {
        m_hadRoot ? setenv("MARQUILL_ROOT", m_savedRoot.c_str(), 1) : unsetenv("MARQUILL_ROOT");
        ContentTest::TearDown();
    }
    std::string Root() const { return m_dir.path().string(); }

    bool m_hadRoot = false;
    std::string m_savedRoot;
};

// Every image operation, on an image's Images row or a photo's PhotoImages row alike.
void ChangeEveryImageColumn(QZVantrelImage& image) {
    image.SetImageName("Logo");
    image.SetAlternateText("Our logo");
    image.SetDirectory("img");
    image.SetFileName("logo.gif");
    image.SetImageFileSize(1234);
    EXPECT_EQ(image.SetWidth(120), 120);
    EXPECT_EQ(image.SetHeight(-60), -60);
    image.SetHSpace(200);
    image.SetVSpace(4);
    image.SetMapFile("logo.map");
    image.SetBorderWidth(-2);
    image.SetRelativePath("../..");
    image.SetMapDirectory("maps");
    image.SetServiceID(33);
    image.SetServiceDbID(6);
    image.SetSectionID(44);
    image.SetSectionDbID(7);
}

TEST_F(FileObjectsTest, ImagesAndPhotosReadAndWriteEveryImageColumnOfTheirOwnRow) {
    for (SHORT type : {OBJ_IMAGE, OBJ_PHOTO}) {
        const ContentKind& kind = ContentKindOf(type);
        SCOPED_TRACE(kind.label);
        AddRow(kind, 7, "Old");
        auto object = kind.load(QZKeyCombo(kDbId, 7, type), TRUE);
        auto& image = dynamic_cast<QZVantrelImage&>(*object);
        ChangeEveryImageColumn(image);
        EXPECT_EQ(image.Save(), 1);

        EXPECT_EQ(image.GetImageID(), 7);
        EXPECT_EQ(image.GetDbID(), kDbId);
        EXPECT_EQ(image.GetImageName().str(), "Logo");
        EXPECT_EQ(image.GetAlternateText().str(), "Our logo");
        EXPECT_EQ(image.GetDirectory().str(), "img");
        EXPECT_EQ(image.GetFileName().str(), "logo.gif");
        EXPECT_EQ(image.GetImageFileSize(), 1234);
        EXPECT_EQ(image.GetWidth(), 120);
        EXPECT_EQ(image.GetHeight(), -60);
        EXPECT_EQ(image.GetHSpace(), 200);
        EXPECT_EQ(image.GetVSpace(), 4);
        EXPECT_EQ(image.GetMapFile().str(), "logo.map");
        EXPECT_EQ(image.GetBorderWidth(), -2);
        EXPECT_EQ(image.GetRelativePath().str(), "../..");
        EXPECT_EQ(image.GetMapDirectory().str(), "maps");
        EXPECT_EQ(image.GetServiceKey().FormatFull(), "6:33");
        EXPECT_EQ(image.GetSectionKey().FormatFull(), "7:44");
        EXPECT_EQ(image.GetServiceID(), 33);
        EXPECT_EQ(image.GetSectionDbID(), 7);
        EXPECT_EQ(image.GetLastChangedDate(), Now());
        EXPECT_EQ(image.GetAuthorChangedDbID(), kDbId);
        EXPECT_EQ(image.GetWhoChanged(), kUser);

        for (auto [column, text] : {std::pair{"Name", "Logo"},
                                    {"AlternateText", "Our logo"},
                                    {"Directory", "img"},
                                    {"FileName", "logo.gif"},
                                    {"MapFile", "logo.map"},
                                    {"RelativePath", "../.."},
                                    {"MapDirectory", "maps"}})
            EXPECT_EQ(Text(kind, 7, column), text) << column;
        for (auto [column, number] : {std::pair{"ImageFileSize", 1234},
                                      {"Width", 120},
                                      {"Height", -60},
                                      {"HSpace", 200},
                                      {"VSpace", 4},
                                      {"BorderWidth", -2},
                                      {"ServiceID", 33},
                                      {"ServiceDbID", 6},
                                      {"SectionID", 44},
                                      {"SectionDbID", 7}})
            EXPECT_EQ(Number(kind, 7, column), number) << column;
    }
}

TEST_F(FileObjectsTest, APhotoKeepsItsRowInPhotoImagesAndTheImagePartEmpty) {
    AddRow(ContentKindOf(OBJ_PHOTO), 7, "Photo");
    QZVantrelPhoto photo(QZKeyCombo(kDbId, 7, OBJ_PHOTO));
    EXPECT_EQ(photo.GetRecordset(), nullptr);
    ASSERT_NE(photo.GetPhotoRecordset(), nullptr);
    EXPECT_EQ(photo.GetPhotoRecordset()->m_Name.str(), "Photo");
    EXPECT_EQ(Count("SELECT * FROM Images"), 0);
}

TEST_F(FileObjectsTest, FileNamesAndDirectoriesFollowEachKindsColumns) {
    AddRow(ContentKindOf(OBJ_MEDIA), 7, "Tune", "Directory, FileName", "'sounds', 'tune.wav'");
    AddRow(ContentKindOf(OBJ_JAVA), 7, "Clock", "Directory, Code", "'applets', 'Clock.class'");
    AddRow(ContentKindOf(OBJ_ACTIVEX), 7, "Control", "Name", "'ctl'");
    QZVantrelMedia media(QZKeyCombo(kDbId, 7, OBJ_MEDIA), FALSE);
    EXPECT_EQ(media.GetDirectory().str(), "sounds");
    EXPECT_EQ(media.GetFileName().str(), "tune.wav");
    QZVantrelJava java(QZKeyCombo(kDbId, 7, OBJ_JAVA), FALSE);
    EXPECT_EQ(java.GetDirectory().str(), "applets");
    EXPECT_EQ(java.GetFileName().str(), "Clock.class");
    EXPECT_EQ(java.GetName().str(), "Clock");
    QZVantrelActiveX activeX(QZKeyCombo(kDbId, 7, OBJ_ACTIVEX), FALSE);
    EXPECT_EQ(activeX.GetName().str(), "Control");
    EXPECT_EQ(activeX.GetDirectory().str(), "");
    EXPECT_EQ(activeX.GetFileName().str(), "");
}

TEST_F(FileObjectsTest, NewImagesAndMediaAreNamedAfterTheirNumber) {
    QZVantrelImage image;
    EXPECT_EQ(image.GetFileName().str(), "Image" + std::to_string(image.GetImageID()) + ".gif");
    QZVantrelMedia media;
    EXPECT_EQ(media.GetFileName().str(),
              "Media Object" + std::to_string(media.GetKey().m_KeyID) + ".wav");
}

TEST_F(FileObjectsTest, FileUrlIsTheNativePathUnderTheServicesDevelopPath) {
    AddRow(ContentKindOf(OBJ_SERVICE), 10, "Site", "DevelopPath, Directory", "'C:\\web', 'site'");
    AddRow(ContentKindOf(OBJ_SERVICE), 11, "Bare", "DevelopPath, Directory", "'C:\\web\\', ''");
    AddRow(ContentKindOf(OBJ_SECTION), 20, "News", "Directory", "'news'");
    const std::string placed =
        "ServiceDbID, ServiceID, SectionDbID, SectionID, Directory, FileName";
    for (SHORT type : {OBJ_IMAGE, OBJ_PHOTO}) {
        const ContentKind& kind = ContentKindOf(type);
        SCOPED_TRACE(kind.label);
        AddRow(kind, 7, "Logo", placed, "5, 10, 5, 20, 'img', 'logo.gif'");
        AddRow(kind, 8, "Plain", placed, "5, 11, 5, 99, '', 'plain.gif'");
        auto first = kind.load(QZKeyCombo(kDbId, 7, type), TRUE);
        auto second = kind.load(QZKeyCombo(kDbId, 8, type), TRUE);
        auto& logo = dynamic_cast<QZVantrelImage&>(*first);
        auto& plain = dynamic_cast<QZVantrelImage&>(*second);
        CString url = logo.GetFileURL();
        EXPECT_EQ(url.str(), "file://" + Root() + "/web/site/news/img/logo.gif");
        EXPECT_EQ(plain.GetFileURL().str(), "file://" + Root() + "/web/plain.gif");
        EXPECT_EQ(url.str(), "file://" + Root() + "/web/site/news/img/logo.gif");
    }
}

TEST_F(FileObjectsTest, MarkingPublishedStampsThePublisherAndCopiesNoFile) {
    std::filesystem::create_directories(Root() + "/dev/site");
    std::filesystem::create_directories(Root() + "/prod");
    std::ofstream(Root() + "/dev/site/logo.gif") << "GIF";
    AddRow(ContentKindOf(OBJ_SERVICE), 10, "Site", "DevelopPath, ProductionPath, Directory",
           "'C:\\dev', 'C:\\prod', 'site'");
    const std::string placed = "ServiceDbID, ServiceID, FileName, PublishFlag";
    for (SHORT type : {OBJ_ADVERTISER, OBJ_PHOTO, OBJ_ACTIVEX}) {
        const ContentKind& kind = ContentKindOf(type);
        SCOPED_TRACE(kind.label);
        if (type == OBJ_PHOTO)
            AddRow(kind, 7, "Logo", placed, "5, 10, 'logo.gif', 1");
        else
            AddRow(kind, 7, "Logo", "ServiceDbID, ServiceID, PublishFlag", "5, 10, 1");
        auto object = kind.load(QZKeyCombo(kDbId, 7, type), TRUE);
        object->MarkPublished();
        EXPECT_FALSE(object->GetPublishFlag());
        EXPECT_EQ(object->GetPublishedByKey().FormatFull(), "5:100");
        EXPECT_EQ(Number(kind, 7, "PublishFlag"), 1); // marked, not yet saved
        EXPECT_EQ(object->Save(), 1);
        EXPECT_EQ(Number(kind, 7, "PublishFlag"), 0);
        EXPECT_EQ(Number(kind, 7, "WhoPublished"), kUser);
        EXPECT_EQ(Number(kind, 7, "AuthorPublishedDbID"), kDbId);
    }
    EXPECT_TRUE(std::filesystem::is_empty(Root() + "/prod"));
}

} // namespace
