// The photo editor's three tabs on a real site database: the attributes, "Data" (keywords,
// caption, thumbnail) and "Service" (the agency's texts and two dates that open empty). Each
// field loaded, changed and saved, the limits, and the dates: an empty edit keeps the stored
// date, a non-date refuses after the texts before it were stored.

#include "content/QZVantrelPhoto.h"
#include "platform/ui/CView.h"
#include "res/ImageViewResources.h"
#include "tests/editors/AttributeViewFixture.h"
#include "tests/platform/ui/UiTestEnvironment.h"

#include <gtest/gtest.h>

namespace {

class PhotoViewsTest : public AttributeViewTest {
protected:
    void SetUp() override {
        AttributeViewTest::SetUp();
        AddKindRow(Photo(), 7, "Beach",
                   "AlternateText, FileName, Directory, MapFile, HSpace, VSpace, Width, Height, "
                   "BorderWidth, ImageFileSize, ServiceDbID, ServiceID, SectionDbID, SectionID, "
                   "ThumbnailFileName, ThumbnailWidth, ThumbnailHeight, Caption, Keywords, "
                   "Bureau, Copyright, Location, Overline, Photographer, Credits, DateTaken, "
                   "DateTransmitted",
                   "'Sand', 'beach.jpg', 'photos', '', 4, 5, 640, 480, 0, 52000, 5, 10, 5, 20, "
                   "'beach_t.jpg', 64, 48, 'At noon', 'sea, sand', 'North', '(c) Acme', "
                   "'Cove', 'Summer', 'Ann', 'Acme Press', '2024-02-01 00:00:00', "
                   "'2024-02-02 00:00:00'");
    }
    static const EditorKind& Photo() { return KindOf(OBJ_PHOTO); }
    COleDateTime DateOf(const char* column) {
        const COleVariant value = Value(ContentKindOf(OBJ_PHOTO), 7, column);
        return value.vt == VT_DATE ? COleDateTime(value.date) : COleDateTime();
    }
};

TEST_F(PhotoViewsTest, TheAttributesAreLoadedChangedAndSaved) {
    CheckFields(Photo(), 7, "QZPhotoAttributes",
                {
                    {IDC_ATTR_ALTERNATE_TEXT, "Sand", "Dunes", "AlternateText", "Dunes"},
                    {IDC_ATTR_FILE_NAME, "beach.jpg", "dunes.jpg", "FileName", "dunes.jpg"},
                    {IDC_ATTR_DIRECTORY, "photos", "summer", "Directory", "summer"},
                    {IDC_ATTR_MAP_FILE, "", "dunes.map", "MapFile", "dunes.map"},
                    {IDC_ATTR_HSPACE, "4", "6", "HSpace", "6", true},
                    {IDC_ATTR_VSPACE, "5", "7", "VSpace", "7", true},
                    {IDC_ATTR_WIDTH, "640", "10000", "Width", "10000", true},
                    {IDC_ATTR_HEIGHT, "480", "20000", "Height", "20000", true},
                    {IDC_ATTR_BORDER, "0", "2", "BorderWidth", "2", true},
                });
    CFormView* form = OpenTab(OBJ_PHOTO, 7, "QZPhotoAttributes");
    EXPECT_EQ(TextOf(form, IDC_ATTR_SIZE), "52000");
    EXPECT_EQ(TextOf(form, IDC_ATTR_RELATIVE_PATH), "site/news");
    EXPECT_EQ(NumberOf(Photo(), 7, "ImageFileSize"), 52000);
}

TEST_F(PhotoViewsTest, TheDataTabIsLoadedChangedAndSavedAndOpensUnmodified) {
    CheckFields(
        Photo(), 7, "QZPhotoForm",
        {
            {IDC_PHOTO_KEYWORDS, "sea, sand", "sea", "Keywords", "sea"},
            {IDC_PHOTO_CAPTION, "At noon", "Noon\r\nand after", "Caption", "Noon\r\nand after"},
            {IDC_ATTR_FILE_NAME, "beach_t.jpg", "t.jpg", "ThumbnailFileName", "t.jpg"},
            {IDC_ATTR_WIDTH, "64", "96", "ThumbnailWidth", "96", true},
            {IDC_ATTR_HEIGHT, "48", "72", "ThumbnailHeight", "72", true},
        });
    EXPECT_EQ(TextOf(OpenTab(OBJ_PHOTO, 7, "QZPhotoForm"), IDC_ATTR_SIZE), "52000");
}

TEST_F(PhotoViewsTest, TheServiceTabIsLoadedChangedAndSaved) {
    CheckFields(Photo(), 7, "QZPhotoData",
                {
                    {IDC_PHOTO_BUREAU, "North", "South", "Bureau", "South"},
                    {IDC_PHOTO_COPYRIGHT, "(c) Acme", "(c) Ann", "Copyright", "(c) Ann"},
                    {IDC_PHOTO_LOCATION, "Cove", "Bay", "Location", "Bay"},
                    {IDC_PHOTO_OVERLINE, "Summer", "Winter", "Overline", "Winter"},
                    {IDC_PHOTO_PHOTOGRAPHER, "Ann", "Bo", "Photographer", "Bo"},
                    {IDC_PHOTO_CREDITS, "Acme Press", "Bo", "Credits", "Bo"},
                    {IDC_PHOTO_DATE_TAKEN, "", "3/14/2024", "DateTaken", ""},
                });
    EXPECT_EQ(DateOf("DateTaken"), COleDateTime(2024, 3, 14, 0, 0, 0));
    EXPECT_EQ(DateOf("DateTransmitted"), COleDateTime(2024, 2, 2, 0, 0, 0))
        << "an empty edit keeps the stored date";
}

TEST_F(PhotoViewsTest, ANonDateIsRefusedAfterTheTextsBeforeItWereStored) {
    CFormView* form = OpenTab(OBJ_PHOTO, 7, "QZPhotoData");
    ASSERT_NE(form, nullptr);
    Type(form, IDC_PHOTO_BUREAU, "South");
    Type(form, IDC_PHOTO_DATE_TAKEN, "someday");
    EXPECT_FALSE(dynamic_cast<QZObjectView*>(form)->SaveToObject());
    EXPECT_EQ(m_boxes.texts(), std::vector<std::string>{"Please enter a date and/or time."});
    auto* photo = dynamic_cast<QZVantrelPhoto*>(ActiveDocument()->GetContentObject());
    EXPECT_EQ(photo->GetPhotoRecordset()->m_Bureau, CString("South"));
    EXPECT_EQ(photo->GetPhotoRecordset()->m_DateTaken, COleDateTime(2024, 2, 1, 0, 0, 0));
    Type(form, IDC_PHOTO_DATE_TAKEN, "");
}

TEST_F(PhotoViewsTest, DirectoryCaptionAndKeywordsHaveTheirOwnLimits) {
    CheckLimits(Photo(), 7, "QZPhotoAttributes",
                {{IDC_ATTR_DIRECTORY, 50, "Directory"},
                 {IDC_ATTR_ALTERNATE_TEXT, 255, "AlternateText"},
                 {IDC_ATTR_FILE_NAME, 30, "FileName"},
                 {IDC_ATTR_MAP_FILE, 50, "MapFile"}});
    CloseAll();
    CheckLimits(
        Photo(), 7, "QZPhotoForm",
        {{IDC_PHOTO_KEYWORDS, 255, "Keywords"}, {IDC_ATTR_FILE_NAME, 50, "ThumbnailFileName"}});
    CFormView* form = OpenTab(OBJ_PHOTO, 7, "QZPhotoForm");
    const std::string caption(300, 'c');
    Type(form, IDC_PHOTO_CAPTION, caption);
    ActiveDocument()->SaveObject();
    EXPECT_EQ(Column(Photo(), 7, "Caption"), caption);
    CloseAll();
    CheckLimits(Photo(), 7, "QZPhotoData",
                {{IDC_PHOTO_OVERLINE, 255, "Overline"}, {IDC_PHOTO_CREDITS, 50, "Credits"}});
}

TEST_F(PhotoViewsTest, OnlyTheChosenTabsViewIsShown) {
    for (const char* shown : {"QZPhotoAttributes", "QZPhotoForm", "QZPhotoData"}) {
        SCOPED_TRACE(shown);
        ASSERT_NE(OpenTab(OBJ_PHOTO, 7, shown), nullptr);
        for (CView* view : ActiveDocument()->GetViews()) {
            const bool chosen = std::string(view->GetRuntimeClass()->m_lpszClassName) == shown;
            EXPECT_EQ(view->IsWindowVisible() != FALSE, chosen)
                << view->GetRuntimeClass()->m_lpszClassName;
        }
    }
}

TEST_F(PhotoViewsTest, AnOpenedPhotoSavedUnchangedMarksNothingAndKeepsItsThumbnailSize) {
    for (const char* view : {"QZPhotoAttributes", "QZPhotoForm", "QZPhotoData"})
        ASSERT_NE(OpenTab(OBJ_PHOTO, 7, view), nullptr) << view;
    QZDocument* document = ActiveDocument();
    EXPECT_FALSE(document->IsModified());
    document->UpdateObjectFromViews();
    EXPECT_FALSE(document->IsModified());
    document->SaveObject();
    EXPECT_EQ(NumberOf(Photo(), 7, "ThumbnailWidth"), 64);
    EXPECT_EQ(NumberOf(Photo(), 7, "ThumbnailHeight"), 48);
}

} // namespace
