#pragma once
// A font, made from a description (LOGFONT) or a point size and face, or taken from a window.

#include "platform/ui/CGdiObject.h"
#include "platform/ui/WinTypes.h"

#include <memory>

class CDC;

constexpr int LF_FACESIZE = 32;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

struct LOGFONT {
    LONG lfHeight; // negative: the characters' height in pixels; positive: the cell's
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};
using LPLOGFONT = LOGFONT*;

class CFont : public CGdiObject {
public:
    CFont();
    ~CFont() override;

    // A font of nPointSize tenths of a point. The faces of another system that are not here
    // are stood in for by the desktop's own.
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                    LPCTSTR lpszFacename);
    // The font's description; 0 when there is no font.
    int GetLogFont(LOGFONT* pLogFont) const;
    BOOL DeleteObject() override;
    void* GetSafeHandle() const override;

    static CFont* FromHandle(HFONT hFont) { return reinterpret_cast<CFont*>(hFont); }
    operator HFONT() const { return reinterpret_cast<HFONT>(GetSafeHandle()); }

    // The window system's font behind it (defined inside the ui layer only).
    struct Data;
    Data* GetData() const { return m_data.get(); }
    void SetData(std::unique_ptr<Data> data);

private:
    std::unique_ptr<Data> m_data;
};
