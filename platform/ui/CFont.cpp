#include "platform/ui/CFont.h"

#include "platform/ui/WxGdiData.h"
#include "platform/ui/WxText.h"

#include <wx/app.h>

#include <cstdlib>
#include <cstring>

namespace {

// A description as the window system's font; pixels at 96 dots an inch.
wxFont FontOf(const LOGFONT& description) {
    const int pixels = std::abs(description.lfHeight);
    wxFontInfo info = pixels ? wxFontInfo(wxSize(0, pixels)) : wxFontInfo();
    info.FaceName(ToWx(description.lfFaceName))
        .Bold(description.lfWeight >= FW_BOLD)
        .Italic(description.lfItalic != 0)
        .Underlined(description.lfUnderline != 0)
        .Strikethrough(description.lfStrikeOut != 0);
    return wxFont(info);
}

} // namespace

CFont::CFont() = default;
CFont::~CFont() = default;

void CFont::SetData(std::unique_ptr<Data> data) {
    m_data = std::move(data);
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC*) {
    if (m_data || !wxTheApp)
        return FALSE;
    wxFontInfo info(nPointSize / 10.0);
    info.FaceName(ToWx(lpszFaceName));
    m_data = std::make_unique<Data>(Data{wxFont(info)});
    return m_data->font.IsOk();
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
    if (m_data || !lpLogFont || !wxTheApp)
        return FALSE;
    m_data = std::make_unique<Data>(Data{FontOf(*lpLogFont)});
    return m_data->font.IsOk();
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                       LPCTSTR lpszFacename) {
    LOGFONT description{
        nHeight,    nWidth,   nEscapement,   nOrientation,   nWeight,  bItalic,         bUnderline,
        cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, {}};
    if (lpszFacename)
        std::strncpy(description.lfFaceName, lpszFacename, LF_FACESIZE - 1);
    return CreateFontIndirect(&description);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const {
    if (!m_data || !pLogFont)
        return 0;
    const wxFont& font = m_data->font;
    *pLogFont = LOGFONT{};
    const int pixels = font.GetPixelSize().GetHeight();
    pLogFont->lfHeight = -(pixels > 0 ? pixels : font.GetPointSize() * 96 / 72);
    pLogFont->lfWeight = font.GetWeight() >= wxFONTWEIGHT_BOLD ? FW_BOLD : FW_NORMAL;
    pLogFont->lfItalic = font.GetStyle() == wxFONTSTYLE_ITALIC;
    pLogFont->lfUnderline = font.GetUnderlined();
    pLogFont->lfStrikeOut = font.GetStrikethrough();
    std::strncpy(pLogFont->lfFaceName, font.GetFaceName().utf8_str(), LF_FACESIZE - 1);
    return static_cast<int>(sizeof(LOGFONT));
}

BOOL CFont::DeleteObject() {
    const bool had = m_data != nullptr;
    m_data.reset();
    return had;
}

void* CFont::GetSafeHandle() const {
    return m_data ? const_cast<CFont*>(this) : nullptr;
}
