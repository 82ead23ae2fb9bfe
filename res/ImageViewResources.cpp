// The attribute forms of images, photos, styles and embedded objects: the shared identifier,
// title, site and section controls at the top, the object's own fields below.
#include "res/ImageViewResources.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"

namespace {

constexpr DWORD kForm = DS_SETFONT | WS_CHILD;
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | 0x0080; // ES_AUTOHSCROLL
constexpr DWORD kMultiLine = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_VSCROLL | 0x0004 |
                             0x0040 | 0x1000; // ES_MULTILINE, ES_AUTOVSCROLL, ES_WANTRETURN
constexpr DWORD kList = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kSpin =
    WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS;
constexpr DWORD kCheck = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kGroup = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;

// A label and its field on one row.
#define MQ_FIELD(label, y, id, cx)                                                                 \
    {IDC_STATIC, "Static", label, kLabel, 7, (y) + 2, 60, 8}, {                                    \
        id, "Edit", "", kEdit, 70, y, cx, 12                                                       \
    }
// A label, a number and its spin; two a row.
#define MQ_NUMBER(label, x, y, edit, spin)                                                         \
    {IDC_STATIC, "Static", label, kLabel, x, (y) + 2, 40, 8},                                      \
        {edit, "Edit", "", kEdit, (x) + 43, y, 32, 12}, {                                          \
        spin, "msctls_updown32", "", kSpin, (x) + 76, y, 10, 12                                    \
    }
// The controls every form starts with; the section only where the object has one.
#define MQ_SHARED_TOP                                                                              \
    {IDC_STATIC, "Static", "Id:", kLabel, 7, 7, 60, 8},                                            \
        {IDC_ATTR_IDENTIFIER, "Static", "", kLabel, 70, 7, 160, 8},                                \
        {IDC_STATIC, "Static", "Title:", kLabel, 7, 22, 60, 8},                                    \
        {IDC_ATTR_TITLE, "Edit", "", kEdit, 70, 20, 180, 12},                                      \
        {IDC_STATIC, "Static", "Site:", kLabel, 7, 38, 60, 8}, {                                   \
        IDC_ATTR_SITE, "ComboBox", "", kList, 70, 36, 180, 100                                     \
    }
#define MQ_SECTION                                                                                 \
    {IDC_STATIC, "Static", "Section:", kLabel, 7, 54, 60, 8}, {                                    \
        IDC_ATTR_SECTION, "ComboBox", "", kList, 70, 52, 180, 100                                  \
    }
#define MQ_RELATIVE_PATH(y)                                                                        \
    {IDC_STATIC, "Static", "Relative Path:", kLabel, 7, y, 60, 8}, {                               \
        IDC_ATTR_RELATIVE_PATH, "Static", "", kLabel, 70, y, 180, 8                                \
    }
#define MQ_BROWSE(id, y)                                                                           \
    { id, "Button", "...", kButton, 254, y, 20, 12 }

const DialogItemTemplate g_imageItems[] = {
    MQ_SHARED_TOP,
    MQ_SECTION,
    MQ_RELATIVE_PATH(70),
    MQ_FIELD("Directory:", 82, IDC_ATTR_DIRECTORY, 180),
    MQ_FIELD("FileName:", 98, IDC_ATTR_FILE_NAME, 180),
    MQ_BROWSE(IDC_ATTR_BROWSE_FILE, 98),
    MQ_FIELD("Mapfile:", 114, IDC_ATTR_MAP_FILE, 180),
    MQ_BROWSE(IDC_ATTR_BROWSE_MAP, 114),
    MQ_FIELD("Alternate Text:", 130, IDC_ATTR_ALTERNATE_TEXT, 180),
    {IDC_STATIC, "Static", "Size:", kLabel, 7, 148, 60, 8},
    {IDC_ATTR_SIZE, "Static", "", kLabel, 70, 148, 100, 8},
    MQ_NUMBER("Width:", 7, 162, IDC_ATTR_WIDTH, IDC_ATTR_WIDTH_SPIN),
    MQ_NUMBER("Height:", 130, 162, IDC_ATTR_HEIGHT, IDC_ATTR_HEIGHT_SPIN),
    MQ_NUMBER("HSpace:", 7, 180, IDC_ATTR_HSPACE, IDC_ATTR_HSPACE_SPIN),
    MQ_NUMBER("VSpace:", 130, 180, IDC_ATTR_VSPACE, IDC_ATTR_VSPACE_SPIN),
    MQ_NUMBER("Border:", 7, 198, IDC_ATTR_BORDER, IDC_ATTR_BORDER_SPIN),
};

const DialogItemTemplate g_photoAttributeItems[] = {
    MQ_SHARED_TOP,
    MQ_SECTION,
    MQ_RELATIVE_PATH(70),
    MQ_FIELD("Directory:", 82, IDC_ATTR_DIRECTORY, 180),
    MQ_FIELD("FileName:", 98, IDC_ATTR_FILE_NAME, 180),
    MQ_FIELD("Mapfile:", 114, IDC_ATTR_MAP_FILE, 180),
    MQ_FIELD("Alternate Text:", 130, IDC_ATTR_ALTERNATE_TEXT, 180),
    {IDC_STATIC, "Static", "Size:", kLabel, 7, 148, 60, 8},
    {IDC_ATTR_SIZE, "Static", "", kLabel, 70, 148, 100, 8},
    MQ_NUMBER("Width:", 7, 162, IDC_ATTR_WIDTH, IDC_ATTR_WIDTH_SPIN),
    MQ_NUMBER("Height:", 130, 162, IDC_ATTR_HEIGHT, IDC_ATTR_HEIGHT_SPIN),
    MQ_NUMBER("HSpace:", 7, 180, IDC_ATTR_HSPACE, IDC_ATTR_HSPACE_SPIN),
    MQ_NUMBER("VSpace:", 130, 180, IDC_ATTR_VSPACE, IDC_ATTR_VSPACE_SPIN),
    MQ_NUMBER("Border:", 7, 198, IDC_ATTR_BORDER, IDC_ATTR_BORDER_SPIN),
};

const DialogItemTemplate g_photoFormItems[] = {
    {IDC_STATIC, "Static", "Keywords:", kLabel, 7, 7, 60, 8},
    {IDC_PHOTO_KEYWORDS, "Edit", "", kMultiLine, 7, 18, 260, 40},
    {IDC_STATIC, "Static", "Caption:", kLabel, 7, 63, 60, 8},
    {IDC_PHOTO_CAPTION, "Edit", "", kMultiLine, 7, 74, 260, 60},
    {IDC_STATIC, "Button", "Thumbnail", kGroup, 7, 140, 260, 68},
    {IDC_STATIC, "Static", "FileName:", kLabel, 15, 154, 50, 8},
    {IDC_ATTR_FILE_NAME, "Edit", "", kEdit, 70, 152, 180, 12},
    {IDC_STATIC, "Static", "Size:", kLabel, 15, 170, 50, 8},
    {IDC_ATTR_SIZE, "Static", "", kLabel, 70, 170, 100, 8},
    MQ_NUMBER("Width:", 15, 186, IDC_ATTR_WIDTH, IDC_ATTR_WIDTH_SPIN),
    MQ_NUMBER("Height:", 135, 186, IDC_ATTR_HEIGHT, IDC_ATTR_HEIGHT_SPIN),
};

const DialogItemTemplate g_photoDataItems[] = {
    MQ_FIELD("Photographer:", 7, IDC_PHOTO_PHOTOGRAPHER, 180),
    MQ_FIELD("Bureau:", 23, IDC_PHOTO_BUREAU, 180),
    MQ_FIELD("Location:", 39, IDC_PHOTO_LOCATION, 180),
    MQ_FIELD("Overline:", 55, IDC_PHOTO_OVERLINE, 180),
    MQ_FIELD("Credits:", 71, IDC_PHOTO_CREDITS, 180),
    MQ_FIELD("Copyright:", 87, IDC_PHOTO_COPYRIGHT, 180),
    MQ_FIELD("Date Taken:", 103, IDC_PHOTO_DATE_TAKEN, 100),
    MQ_FIELD("Date Transmitted:", 119, IDC_PHOTO_DATE_TRANSMITTED, 100),
};

// A colour label and its well.
#define MQ_WELL(label, y, id)                                                                      \
    {IDC_STATIC, "Static", label, kLabel, 15, (y) + 2, 50, 8}, {                                   \
        id, "Button", "", kButton, 70, y, 30, 12                                                   \
    }

const DialogItemTemplate g_styleItems[] = {
    MQ_SHARED_TOP,
    {IDC_STATIC, "Button", "Background", kGroup, 7, 56, 260, 50},
    {IDC_STATIC, "Static", "Image:", kLabel, 15, 70, 50, 8},
    {IDC_STYLE_IMAGE, "ComboBox", "", kList, 70, 68, 180, 100},
    MQ_WELL("Color", 86, IDC_STYLE_BACK_COLOR),
    MQ_WELL("Text", 114, IDC_STYLE_TEXT_COLOR),
    MQ_WELL("Link", 132, IDC_STYLE_LINK_COLOR),
    MQ_WELL("Active Link", 150, IDC_STYLE_ACTIVE_LINK_COLOR),
    MQ_WELL("Used Link", 168, IDC_STYLE_USED_LINK_COLOR),
};

const DialogItemTemplate g_activeXItems[] = {
    MQ_SHARED_TOP,
    MQ_SECTION,
    MQ_FIELD("Class ID:", 70, IDC_ACTIVEX_CLASS_ID, 180),
    MQ_FIELD("Name (URL):", 86, IDC_ACTIVEX_NAME, 180),
    MQ_FIELD("Data URL:", 102, IDC_ACTIVEX_DATA, 180),
    MQ_FIELD("Data Type:", 118, IDC_ACTIVEX_DATA_TYPE, 180),
    MQ_FIELD("Stand By:", 134, IDC_ATTR_ALTERNATE_TEXT, 180),
    {IDC_ACTIVEX_NO_TAB, "Button", "Not in Tab Order", kCheck, 7, 150, 100, 10},
    {IDC_ACTIVEX_SHAPES, "Button", "Shaped Hyperlinks", kCheck, 130, 150, 100, 10},
    MQ_NUMBER("Width:", 7, 166, IDC_ATTR_WIDTH, IDC_ATTR_WIDTH_SPIN),
    MQ_NUMBER("Height:", 130, 166, IDC_ATTR_HEIGHT, IDC_ATTR_HEIGHT_SPIN),
    MQ_NUMBER("HSpace:", 7, 184, IDC_ATTR_HSPACE, IDC_ATTR_HSPACE_SPIN),
    MQ_NUMBER("VSpace:", 130, 184, IDC_ATTR_VSPACE, IDC_ATTR_VSPACE_SPIN),
    MQ_NUMBER("Border:", 7, 202, IDC_ATTR_BORDER, IDC_ATTR_BORDER_SPIN),
    {IDC_STATIC, "Static",
     "** ActiveX controls must be installed on the production server, they will not be moved "
     "when the object is published.",
     kLabel, 7, 220, 260, 18},
};

const DialogItemTemplate g_javaItems[] = {
    MQ_SHARED_TOP,
    MQ_SECTION,
    MQ_RELATIVE_PATH(70),
    MQ_FIELD("Directory:", 82, IDC_ATTR_DIRECTORY, 180),
    MQ_FIELD("Code:", 98, IDC_JAVA_CODE, 180),
    MQ_BROWSE(IDC_ATTR_BROWSE_FILE, 98),
    MQ_FIELD("Alternate Text:", 114, IDC_ATTR_ALTERNATE_TEXT, 180),
    MQ_NUMBER("Width:", 7, 132, IDC_ATTR_WIDTH, IDC_ATTR_WIDTH_SPIN),
    MQ_NUMBER("Height:", 130, 132, IDC_ATTR_HEIGHT, IDC_ATTR_HEIGHT_SPIN),
    MQ_NUMBER("HSpace:", 7, 150, IDC_ATTR_HSPACE, IDC_ATTR_HSPACE_SPIN),
    MQ_NUMBER("VSpace:", 130, 150, IDC_ATTR_VSPACE, IDC_ATTR_VSPACE_SPIN),
    MQ_NUMBER("Down Load:", 7, 168, IDC_ATTR_BORDER, IDC_ATTR_BORDER_SPIN),
};

const DialogItemTemplate g_multiMediaItems[] = {
    MQ_SHARED_TOP,
    MQ_SECTION,
    MQ_RELATIVE_PATH(70),
    MQ_FIELD("Directory:", 82, IDC_ATTR_DIRECTORY, 180),
    MQ_FIELD("File Name:", 98, IDC_MEDIA_FILE_NAME, 180),
    MQ_BROWSE(IDC_ATTR_BROWSE_FILE, 98),
};

template <size_t N>
constexpr DialogTemplate Form(UINT id, short cx, short cy, const DialogItemTemplate (&items)[N]) {
    return {id, kForm, "", "MS Sans Serif", 8, 0, 0, cx, cy, items, static_cast<int>(N)};
}

const DialogTemplate g_forms[] = {
    Form(IDD_IMAGE_ATTRIBUTES, 280, 220, g_imageItems),
    Form(IDD_PHOTO_ATTRIBUTES, 280, 220, g_photoAttributeItems),
    Form(IDD_PHOTO_FORM, 280, 215, g_photoFormItems),
    Form(IDD_PHOTO_DATA, 280, 140, g_photoDataItems),
    Form(IDD_STYLE_SHEET, 280, 190, g_styleItems),
    Form(IDD_ACTIVEX_VIEW, 280, 245, g_activeXItems),
    Form(IDD_JAVA_VIEW, 280, 190, g_javaItems),
    Form(IDD_MULTIMEDIA_VIEW, 280, 120, g_multiMediaItems),
};

} // namespace

std::span<const DialogTemplate> ImageViewTemplates() {
    return g_forms;
}
