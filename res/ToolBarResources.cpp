// The tool bars 128, 138, 143, 253 and 255: their buttons' commands and, as bitmaps of the same
// ids, their pictures. Each picture is a coloured tile (one colour a bar) with a short name of
// its command in small capitals, drawn once at registration; the light grey around the tiles
// and their black outline take the desktop's button colours when a bar loads them.

#include "platform/ui/ToolBarResources.h"
#include "platform/ui/BitmapInfo.h"
#include "platform/ui/BitmapResources.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/WinTypes.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <cstring>
#include <iterator>
#include <vector>

namespace {

constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;

struct Rgb {
    BYTE r, g, b;
};

// One button: its command (0 for a separator) and the name on its picture.
struct Button {
    WORD id;
    const char* label;
};

struct Bar {
    UINT id;
    Rgb tile;
    const Button* buttons;
    int count;
};

const Button g_mainButtons[] = {
    {ID_FILE_NEW, "NEW"},
    {ID_FILE_OPEN, "OPN"},
    {ID_SAVE_ALL, "SAV"},
    {0, nullptr},
    {ID_EDIT_COPY, "CPY"},
    {0, nullptr},
    {ID_GENERATE_PAGES, "GEN"},
    {ID_PUBLISH_OBJECTS, "PUB"},
    {0, nullptr},
    {ID_OPTIONS, "OPT"},
    {ID_APP_ABOUT, "?"},
};

const Button g_commandButtons[] = {
    {32762, "IMG"}, {32789, "MAC"}, {32794, "FRM"}, {32790, "QRY"}, {32793, "LNK"}, {32763, "EXT"},
    {32897, "MM"},  {32802, "AX"},  {32795, "JAV"}, {32898, "SCR"}, {32905, "AD"},  {32891, "FIL"},
    {0, nullptr},   {32798, "SET"}, {0, nullptr},   {32819, "IF"},  {32796, "WHN"}, {32797, "WHL"},
    {32910, "FOR"}, {32892, "REP"}, {0, nullptr},   {32805, "//"},
};

const Button g_htmlButtons[] = {
    {32811, "B"},  {32812, "I"},  {32844, "EM"},  {32809, "CTR"}, {0, nullptr},
    {32813, "H1"}, {32814, "H2"}, {32810, "P"},   {32801, "BR"},  {32800, "HR"},
    {0, nullptr},  {32895, "#"},  {32799, "TBL"}, {32808, "UL"},
};

const Button g_actionButtons[] = {
    {32881, "A1"},  {32882, "AN"},  {32883, "DEL"}, {32884, "E1"}, {32885, "EN"},
    {32886, "EXQ"}, {32904, "GEN"}, {32889, "RET"}, {32890, "ML"}, {32907, "RUN"},
};

const Button g_formButtons[] = {
    {32850, "CB"}, {32858, "CB*"}, {32851, "RB"},  {32859, "RB*"}, {32852, "HID"},
    {32853, "ED"}, {32854, "TXT"}, {32855, "LST"}, {32856, "SUB"}, {32857, "RST"},
};

template <size_t N> constexpr Bar MakeBar(UINT id, Rgb tile, const Button (&buttons)[N]) {
    return {id, tile, buttons, static_cast<int>(N)};
}

const Bar g_bars[] = {
    MakeBar(IDR_MAINFRAME, {0, 70, 160}, g_mainButtons),
    MakeBar(IDR_COMMANDBAR, {0, 110, 60}, g_commandButtons),
    MakeBar(IDR_HTMLBAR, {170, 40, 30}, g_htmlButtons),
    MakeBar(IDR_ACTIONBAR, {100, 50, 150}, g_actionButtons),
    MakeBar(IDR_FORMBAR, {180, 100, 0}, g_formButtons),
};

// Small capitals, three pixels wide and five high, one string a row.
struct Glyph {
    char c;
    const char* rows[5];
};

const Glyph g_glyphs[] = {
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}}, {'B', {"##.", "#.#", "##.", "#.#", "##."}},
    {'C', {".##", "#..", "#..", "#..", ".##"}}, {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
    {'E', {"###", "#..", "##.", "#..", "###"}}, {'F', {"###", "#..", "##.", "#..", "#.."}},
    {'G', {".##", "#..", "#.#", "#.#", ".##"}}, {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
    {'I', {"###", ".#.", ".#.", ".#.", "###"}}, {'J', {"..#", "..#", "..#", "#.#", ".#."}},
    {'K', {"#.#", "#.#", "##.", "#.#", "#.#"}}, {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'M', {"#.#", "###", "###", "#.#", "#.#"}}, {'N', {"##.", "#.#", "#.#", "#.#", "#.#"}},
    {'O', {".#.", "#.#", "#.#", "#.#", ".#."}}, {'P', {"##.", "#.#", "##.", "#..", "#.."}},
    {'Q', {".#.", "#.#", "#.#", "##.", ".##"}}, {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    {'S', {".##", "#..", ".#.", "..#", "##."}}, {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'U', {"#.#", "#.#", "#.#", "#.#", "###"}}, {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
    {'W', {"#.#", "#.#", "###", "###", "#.#"}}, {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
    {'Y', {"#.#", "#.#", ".#.", ".#.", ".#."}}, {'Z', {"###", "..#", ".#.", "#..", "###"}},
    {'1', {".#.", "##.", ".#.", ".#.", "###"}}, {'2', {"##.", "..#", ".#.", "#..", "###"}},
    {'?', {"##.", "..#", ".#.", "...", ".#."}}, {'/', {"..#", "..#", ".#.", "#..", "#.."}},
    {'#', {"#.#", "###", "#.#", "###", "#.#"}}, {'*', {"#.#", ".#.", "#.#", "...", "..."}},
};

const Glyph* GlyphOf(char c) {
    for (const Glyph& glyph : g_glyphs) {
        if (glyph.c == c)
            return &glyph;
    }
    return nullptr;
}

// The pixels of one bar's pictures, side by side, top row first.
class Strip {
public:
    explicit Strip(int images)
        : m_width(kImageWidth * images),
          m_pixels(static_cast<size_t>(m_width) * kImageHeight, Rgb{192, 192, 192}) {}

    void Set(int x, int y, Rgb colour) { m_pixels[static_cast<size_t>(y * m_width + x)] = colour; }

    void DrawImage(int index, Rgb tile, const char* label) {
        const int left = index * kImageWidth;
        // The tile, one pixel in from the image's edges, outlined in black.
        for (int y = 1; y < kImageHeight - 1; ++y) {
            for (int x = 1; x < kImageWidth - 1; ++x) {
                const bool edge = y == 1 || y == kImageHeight - 2 || x == 1 || x == kImageWidth - 2;
                Set(left + x, y, edge ? Rgb{0, 0, 0} : tile);
            }
        }
        const int length = static_cast<int>(std::strlen(label));
        const int textLeft = left + (kImageWidth - (4 * length - 1)) / 2;
        constexpr Rgb ink{250, 250, 250};
        for (int i = 0; i < length; ++i) {
            const Glyph* glyph = GlyphOf(label[i]);
            if (!glyph)
                continue;
            for (int row = 0; row < 5; ++row)
                for (int column = 0; column < 3; ++column)
                    if (glyph->rows[row][column] == '#')
                        Set(textLeft + 4 * i + column, 5 + row, ink);
        }
    }

    // A 24-bit device-independent bitmap, rows bottom-up.
    std::vector<BYTE> Dib() const {
        const int rowBytes = ((24 * m_width + 31) / 32) * 4;
        std::vector<BYTE> dib(sizeof(BITMAPINFOHEADER) +
                              static_cast<size_t>(rowBytes) * kImageHeight);
        BITMAPINFOHEADER header{};
        header.biSize = sizeof(BITMAPINFOHEADER);
        header.biWidth = m_width;
        header.biHeight = kImageHeight;
        header.biPlanes = 1;
        header.biBitCount = 24;
        std::memcpy(dib.data(), &header, sizeof header);
        BYTE* pixels = dib.data() + sizeof header;
        for (int y = 0; y < kImageHeight; ++y) {
            BYTE* row = pixels + static_cast<size_t>(kImageHeight - 1 - y) * rowBytes;
            for (int x = 0; x < m_width; ++x) {
                const Rgb& c = m_pixels[static_cast<size_t>(y * m_width + x)];
                row[3 * x] = c.b;
                row[3 * x + 1] = c.g;
                row[3 * x + 2] = c.r;
            }
        }
        return dib;
    }

private:
    int m_width;
    std::vector<Rgb> m_pixels;
};

// What registration keeps alive: the resource's item list and the bitmap.
struct BarData {
    std::vector<WORD> items;
    ToolBarResource resource{};
    std::vector<BYTE> dib;
};

void RegisterBar(const Bar& bar, BarData& data) {
    int images = 0;
    for (int i = 0; i < bar.count; ++i) {
        data.items.push_back(bar.buttons[i].id);
        if (bar.buttons[i].id != 0)
            ++images;
    }
    Strip strip(images);
    int image = 0;
    for (int i = 0; i < bar.count; ++i) {
        if (bar.buttons[i].id != 0)
            strip.DrawImage(image++, bar.tile, bar.buttons[i].label);
    }
    data.dib = strip.Dib();
    data.resource = {1, kImageWidth, kImageHeight, static_cast<WORD>(data.items.size()),
                     data.items.data()};
    ToolBarResources::Register(bar.id, &data.resource);
    RegisterBitmapResource(MAKEINTRESOURCE(bar.id), data.dib.data(), data.dib.size());
}

} // namespace

void RegisterToolBars() {
    static BarData data[std::size(g_bars)];
    for (size_t i = 0; i < std::size(g_bars); ++i) {
        if (data[i].items.empty())
            RegisterBar(g_bars[i], data[i]);
    }
}
