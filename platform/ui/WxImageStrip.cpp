#include "platform/ui/WxImageStrip.h"

#include "platform/ui/CBitmap.h"
#include "platform/ui/WxGdiData.h"

#include <wx/image.h>

wxImageList* MakeImageStrip(UINT bitmapId, int cx, COLORREF mask) {
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(bitmapId) || !bitmap.GetData() || !bitmap.GetData()->bitmap.IsOk()) {
        return new wxImageList(cx, cx, true, 0);
    }
    wxImage strip = bitmap.GetData()->bitmap.ConvertToImage();
    strip.SetMaskColour(GetRValue(mask), GetGValue(mask), GetBValue(mask));
    const int height = strip.GetHeight();
    auto* list = new wxImageList(cx, height, true, strip.GetWidth() / cx);
    for (int x = 0; x + cx <= strip.GetWidth(); x += cx)
        list->Add(wxBitmap(strip.GetSubImage(wxRect(x, 0, cx, height))));
    return list;
}
