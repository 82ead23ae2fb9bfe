// The help strings, the templates of the preview, the help viewer, the About box, the credits
// and the legal notice, and their bitmaps: the object icons (154), the About box's picture
// (195) and the credits' frames (248 to 261), drawn once at registration as 24-bit
// device-independent bitmaps.

#include "platform/core/MessageBox.h"
#include "platform/core/StringTable.h"
#include "platform/ui/BitmapInfo.h"
#include "platform/ui/BitmapResources.h"
#include "platform/ui/CRichEditCtrl.h"
#include "platform/ui/DialogTemplates.h"
#include "platform/ui/WinTypes.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <vector>

namespace {

struct StringResource {
    UINT id;
    const char* text;
};

const StringResource g_strings[] = {
    {IDS_CREDITS_TEXT, "Marquill 3.0\n\n"
                       "Design and programming\nthe Marquill team at Zerin\n\n"
                       "Built with\nwxWidgets\nSQLite\nlibcurl\nlibjpeg\nHunspell\n\n"
                       "Thank you for using Marquill"},
    {IDS_HELP_QUICKSTART, "\\Quickstart\\QuickstartTOC.html"},
    {IDS_HELP_TUTORIAL, "\\Tutorial\\Outline.html"},
    {IDS_HELP_REFERENCE, "\\Reference\\Index.html"},
    {IDS_HELP_CHECK_UPDATES, MQ_MAKER_SITE "/CGI-BIN/MQ30i.exe?docid=3000:436"},
    {IDS_HELP_INDEX, "\\index.html"},
};

constexpr DWORD kText = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefaultButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kModal = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;

const DialogItemTemplate g_aboutItems[] = {
    {IDC_ABOUT_TITLE, "Static", "Marquill", kText | WS_GROUP, 58, 8, 195, 12},
    {IDC_ABOUT_DATABASE, "Static", "", kText, 58, 24, 195, 18},
    {IDC_ABOUT_NOTICE, "Static", "Copyright (C) 1996-1999 Zerin Corporation", kText, 58, 48, 195,
     10},
    {IDC_ABOUT_TRADEMARK, "Static", "Marquill and Zerin are trademarks of Zerin Corporation.",
     kText, 58, 60, 195, 10},
    {502, "Static", "Windows: wxWidgets, wxWindows Library Licence.", kText, 58, 74, 195, 10},
    {503, "Static", "Databases: SQLite. Internet: libcurl.", kText, 58, 86, 195, 10},
    {504, "Static", "Pictures: Independent JPEG Group. Spelling: Hunspell.", kText, 58, 98, 195,
     10},
    {IDC_ABOUT_LICENSE, "Button", "License", kButton, 7, 124, 50, 14},
    {IDC_ABOUT_CREDITS, "Button", "Credits", kButton, 62, 124, 50, 14},
    {IDOK, "Button", "Done", kDefaultButton, 203, 124, 50, 14},
};

const DialogItemTemplate g_creditsItems[] = {
    {IDOK, "Button", "Done", kDefaultButton, 85, 136, 50, 14},
};

const DialogItemTemplate g_legalItems[] = {
    {IDOK, "Button", "OK", kDefaultButton, 243, 180, 50, 14},
};

// The preview and the help viewer hold only the HTML viewer (item 1001), which their classes
// make over their whole area.
const DialogTemplate g_dialogs[] = {
    {IDD_ABOUTBOX, kModal, "About Marquill", "MS Sans Serif", 8, 0, 0, 260, 145, g_aboutItems,
     static_cast<int>(std::size(g_aboutItems))},
    {IDD_PREVIEW, DS_SETFONT | WS_CHILD, "", "MS Sans Serif", 8, 0, 0, 200, 150, nullptr, 0},
    {IDD_HELP_VIEWER, DS_SETFONT | WS_CHILD, "Help Viewer", "MS Sans Serif", 8, 0, 0, 250, 200,
     nullptr, 0},
    {IDD_CREDITS, kModal, "Credits", "MS Sans Serif", 8, 0, 0, 220, 156, g_creditsItems,
     static_cast<int>(std::size(g_creditsItems))},
    {IDD_LEGAL, kModal, "License Agreement", "MS Sans Serif", 8, 0, 0, 300, 200, g_legalItems,
     static_cast<int>(std::size(g_legalItems))},
};

struct OwnItem {
    UINT dialogId;
    DialogItemTemplate item;
};

const OwnItem g_ownItems[] = {
    {IDD_ABOUTBOX, {IDC_STATIC, "Static", "", WS_CHILD | WS_VISIBLE, 7, 8, 44, 44}},
    {IDD_CREDITS, {IDC_STATIC, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, 220, 130}},
    {IDD_LEGAL,
     {IDC_LEGAL_TEXT, "Edit", "",
      WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY, 7,
      7, 286, 166}},
};

struct Rgb {
    int r, g, b;
};

using PixelFunction = std::function<Rgb(int x, int y)>;

std::vector<BYTE> MakeDib(int width, int height, const PixelFunction& pixel) {
    const int rowBytes = ((24 * width + 31) / 32) * 4;
    std::vector<BYTE> dib(sizeof(BITMAPINFOHEADER) + static_cast<size_t>(rowBytes) * height);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    std::memcpy(dib.data(), &header, sizeof header);
    BYTE* pixels = dib.data() + sizeof header;
    for (int y = 0; y < height; ++y) {
        // Rows are stored bottom-up.
        BYTE* row = pixels + static_cast<size_t>(height - 1 - y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const Rgb c = pixel(x, y);
            row[3 * x] = static_cast<BYTE>(c.b);
            row[3 * x + 1] = static_cast<BYTE>(c.g);
            row[3 * x + 2] = static_cast<BYTE>(c.r);
        }
    }
    return dib;
}

constexpr Rgb kLightGrey{192, 192, 192};

// One 16-pixel icon: a shape (page, folder, disc, diamond, box, flag) in a colour, both picked
// by the icon's index, on light grey (the lists' transparent colour).
Rgb IconPixel(int index, int x, int y) {
    static constexpr Rgb colours[] = {{30, 80, 170},  {200, 60, 40},  {40, 140, 60},
                                      {200, 150, 20}, {120, 60, 160}, {20, 140, 150},
                                      {160, 90, 40},  {90, 90, 90},   {210, 80, 140}};
    const Rgb colour = colours[index % std::size(colours)];
    const int shape = (index / static_cast<int>(std::size(colours))) % 6;
    const int cx = x - 8;
    const int cy = y - 8;
    bool inside = false;
    bool edge = false;
    switch (shape) {
    case 0: // page
        inside = x >= 3 && x <= 12 && y >= 1 && y <= 14;
        edge = inside && (x == 3 || x == 12 || y == 1 || y == 14);
        break;
    case 1: // folder
        inside = (x >= 1 && x <= 14 && y >= 4 && y <= 13) || (x >= 1 && x <= 6 && y >= 2);
        inside = inside && y <= 13;
        edge = inside && (x == 1 || x == 14 || y == 13);
        break;
    case 2: // disc
        inside = cx * cx + cy * cy <= 42;
        edge = inside && cx * cx + cy * cy >= 30;
        break;
    case 3: // diamond
        inside = std::abs(cx) + std::abs(cy) <= 7;
        edge = inside && std::abs(cx) + std::abs(cy) >= 6;
        break;
    case 4: // box
        inside = x >= 2 && x <= 13 && y >= 2 && y <= 13;
        edge = inside && (x == 2 || x == 13 || y == 2 || y == 13);
        break;
    default: // flag
        inside = (x >= 3 && x <= 4 && y >= 1 && y <= 14) || (x >= 5 && x <= 13 && y >= 2 && y <= 8);
        edge = inside && x <= 4;
        break;
    }
    if (!inside)
        return kLightGrey;
    if (edge)
        return {colour.r / 2, colour.g / 2, colour.b / 2};
    return colour;
}

// The About box's picture: a blue field with a white "M".
Rgb AboutPixel(int x, int y) {
    const bool stroke =
        (y >= 14 && y <= 50) && (std::abs(x - 16) <= 3 || std::abs(x - 48) <= 3 ||
                                 (y <= 38 && std::abs(x - (16 + (y - 14) * 16 / 24)) <= 3) ||
                                 (y <= 38 && std::abs(x - (48 - (y - 14) * 16 / 24)) <= 3));
    if (stroke)
        return {250, 250, 250};
    return {20, 50 + y, 120 + x};
}

constexpr int kCreditsWidth = 480;
constexpr int kCreditsHeight = 300;

// A credits frame: a night sky shading to dawn as the frames go on, with a rising sun.
Rgb CreditsPixel(int frame, int x, int y) {
    const int sunX = 80 + frame * 22;
    const int sunY = 200 - frame * 10;
    const int dx = x - sunX;
    const int dy = y - sunY;
    if (dx * dx + dy * dy <= 18 * 18)
        return {250, 200 - frame * 2, 60};
    if (y > 210)
        return {20, 60 + frame * 3, 30};
    return {10 + frame * 6, 10 + frame * 4 + y / 8, 60 + frame * 5 + y / 4};
}

void RegisterBitmap(UINT id, std::vector<BYTE> dib) {
    static std::vector<std::vector<BYTE>> kept;
    kept.push_back(std::move(dib));
    RegisterBitmapResource(MAKEINTRESOURCE(id), kept.back().data(), kept.back().size());
}

} // namespace

const DialogItemTemplate* FindOwnDialogItem(UINT dialogId, UINT itemId) {
    for (const OwnItem& own : g_ownItems)
        if (own.dialogId == dialogId && own.item.id == itemId)
            return &own.item;
    return nullptr;
}

void RegisterHelpAndAboutResources() {
    for (const StringResource& entry : g_strings)
        StringTable::Register(entry.id, entry.text);
    for (const DialogTemplate& dialog : g_dialogs)
        DialogTemplates::Register(dialog.id, &dialog);
    static bool drawn = false;
    if (drawn)
        return;
    drawn = true;
    RegisterBitmap(IDB_OBJECT_ICONS, MakeDib(16 * kObjectIconCount, 16, [](int x, int y) {
                       return IconPixel(x / 16, x % 16, y);
                   }));
    RegisterBitmap(IDB_ABOUT, MakeDib(64, 64, AboutPixel));
    for (UINT id = IDB_CREDITS_FIRST; id <= IDB_CREDITS_LAST; ++id) {
        if (!IsCreditFrame(id))
            continue;
        const int frame = static_cast<int>(id - IDB_CREDITS_FIRST);
        RegisterBitmap(id, MakeDib(kCreditsWidth, kCreditsHeight,
                                   [frame](int x, int y) { return CreditsPixel(frame, x, y); }));
    }
}
