#include "shell/QZPublishCheckListBox.h"

#include "db/QZKeyCombo.h"
#include "platform/ui/BitmapResources.h"
#include "platform/ui/CBrush.h"
#include "platform/ui/CDC.h"
#include "platform/ui/SystemSettings.h"
#include "res/Resource.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kIconSize = 16;
constexpr int kIconCount = 54;
constexpr int kTextIndent = 21;
constexpr int kIconIndent = 2;
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr BYTE kTransparent = 192;

struct TypeIcon {
    SHORT type;
    int icon;
};

constexpr TypeIcon kIcons[] = {
    {OBJ_SERVICE, 53}, {OBJ_SECTION, 52}, {OBJ_PAGE, 4},    {OBJ_MACRO, 6},       {OBJ_IMAGE, 8},
    {OBJ_QUERY, 39},   {OBJ_MESSAGE, 12}, {OBJ_STYLE, 24},  {OBJ_FORM, 20},       {OBJ_ACTIVEX, 16},
    {OBJ_JAVA, 14},    {OBJ_MEDIA, 44},   {OBJ_SCRIPT, 18}, {OBJ_ADVERTISER, 46}, {OBJ_EVENT, 42},
    {OBJ_ADSPACE, 50}, {OBJ_AD, 48},
};

// The pixel rows of a 24-bit bitmap resource, bottom row first, as a DIB keeps them.
struct Dib {
    const BYTE* bits = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

Dib IconStrip() {
    Dib dib;
    size_t size = 0;
    const BYTE* data = FindBitmapResource(MAKEINTRESOURCE(IDB_OBJECT_ICONS), &size);
    if (!data || size < 40)
        return dib;
    int32_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t bitCount = 0;
    std::memcpy(&headerSize, data, 4);
    std::memcpy(&width, data + 4, 4);
    std::memcpy(&height, data + 8, 4);
    std::memcpy(&bitCount, data + 14, 2);
    const int stride = (width * 3 + 3) & ~3;
    if (bitCount != 24 || width < kIconSize * kIconCount || height < kIconSize ||
        size < static_cast<size_t>(headerSize) + static_cast<size_t>(stride) * height)
        return dib;
    dib.bits = data + headerSize;
    dib.width = width;
    dib.height = height;
    dib.stride = stride;
    return dib;
}

} // namespace

int QZPublishCheckListBox::IconOf(SHORT objectType) {
    for (const TypeIcon& entry : kIcons) {
        if (entry.type == objectType)
            return entry.icon;
    }
    return 18;
}

void QZPublishCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    lpMeasureItemStruct->itemHeight =
        std::max<UINT>(lpMeasureItemStruct->itemHeight, static_cast<UINT>(kIconSize));
}

void QZPublishCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    const int line = static_cast<int>(lpDrawItemStruct->itemID);
    if (line < 0 || line >= GetCount() ||
        !(lpDrawItemStruct->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
        return;
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    if (!dc)
        return;
    const UINT state = lpDrawItemStruct->itemState;
    const BOOL disabled = !IsWindowEnabled() || (state & ODS_DISABLED);
    COLORREF text = disabled ? kGrey : GetSysColor(COLOR_WINDOWTEXT);
    COLORREF back = GetSysColor(COLOR_WINDOW);
    if (!disabled && (state & ODS_SELECTED)) {
        text = GetSysColor(COLOR_HIGHLIGHTTEXT);
        back = GetSysColor(COLOR_HIGHLIGHT);
    }
    const CRect rect(lpDrawItemStruct->rcItem);
    CString caption;
    GetText(line, caption);
    const COLORREF oldText = dc->SetTextColor(text);
    const COLORREF oldBack = dc->SetBkColor(back);
    const int oldMode = dc->SetBkMode(OPAQUE);
    const CSize extent = dc->GetTextExtent(caption);
    const int top = rect.top + std::max(0, (rect.Height() - extent.cy) / 2);
    dc->TextOut(rect.left + kTextIndent, top, caption);
    DrawIcon(*dc, static_cast<int>(GetItemData(line)), rect.left + kIconIndent, rect.top);
    if (state & ODS_FOCUS)
        dc->DrawFocusRect(rect);
    dc->SetBkMode(oldMode);
    dc->SetBkColor(oldBack);
    dc->SetTextColor(oldText);
}

void QZPublishCheckListBox::DrawIcon(CDC& dc, int index, int x, int y) {
    static const Dib strip = IconStrip();
    if (!strip.bits || index < 0 || index >= kIconCount)
        return;
    for (int row = 0; row < kIconSize; ++row) {
        const BYTE* pixels =
            strip.bits + static_cast<size_t>(strip.height - 1 - row) * strip.stride;
        for (int column = 0; column < kIconSize; ++column) {
            const BYTE* pixel = pixels + (index * kIconSize + column) * 3;
            const BYTE blue = pixel[0];
            const BYTE green = pixel[1];
            const BYTE red = pixel[2];
            if (red == kTransparent && green == kTransparent && blue == kTransparent)
                continue;
            dc.SetPixel(x + column, y + row, RGB(red, green, blue));
        }
    }
}
