#include "platform/ui/StockObjects.h"

#include "platform/ui/CBrush.h"
#include "platform/ui/CFont.h"
#include "platform/ui/CPalette.h"
#include "platform/ui/CPen.h"
#include "platform/ui/WxGdiData.h"

#include <wx/app.h>
#include <wx/settings.h>

namespace {

struct Stock {
    CBrush brushes[6];
    CPen pens[3];
    CFont font;
    CPalette palette;

    Stock() {
        const COLORREF greys[] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128),
                                  RGB(64, 64, 64), RGB(0, 0, 0)};
        for (int i = 0; i < 5; ++i)
            brushes[i].CreateSolidBrush(greys[i]);
        brushes[NULL_BRUSH].CreateHollowBrush();
        pens[0].CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
        pens[1].CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        pens[2].CreatePen(PS_NULL, 1, 0);
    }
};

Stock& stock() {
    static Stock* objects = new Stock; // never destroyed: stock objects outlive everything
    return *objects;
}

} // namespace

CGdiObject* GetStockObject(int nIndex) {
    Stock& objects = stock();
    if (nIndex >= WHITE_BRUSH && nIndex <= NULL_BRUSH)
        return &objects.brushes[nIndex];
    if (nIndex >= WHITE_PEN && nIndex <= NULL_PEN)
        return &objects.pens[nIndex - WHITE_PEN];
    if (nIndex == DEFAULT_PALETTE)
        return &objects.palette;
    if (nIndex == ANSI_VAR_FONT || nIndex == SYSTEM_FONT || nIndex == DEFAULT_GUI_FONT) {
        if (!wxTheApp)
            return nullptr;
        if (!objects.font.GetSafeHandle())
            objects.font.SetData(std::make_unique<CFont::Data>(
                CFont::Data{wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT)}));
        return &objects.font;
    }
    return nullptr;
}
