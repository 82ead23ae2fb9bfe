#include "platform/ui/CControlBarInfo.h"

#include "platform/core/CArchive.h"
#include "platform/core/CArchiveException.h"
#include "platform/registry/AppProfile.h"
#include "platform/ui/BarStyles.h"
#include "platform/ui/CDockState.h"

#include <cstdio>
#include <sstream>

namespace {

CString PointText(const CPoint& point) {
    CString text;
    text.Format("%d,%d", static_cast<int>(point.x), static_cast<int>(point.y));
    return text;
}

CString RectText(const CRect& rect) {
    CString text;
    text.Format("%d,%d,%d,%d", static_cast<int>(rect.left), static_cast<int>(rect.top),
                static_cast<int>(rect.right), static_cast<int>(rect.bottom));
    return text;
}

CPoint ReadPoint(LPCTSTR section, LPCTSTR entry) {
    int x = 0;
    int y = 0;
    std::sscanf(GetProfileString(section, entry), "%d,%d", &x, &y);
    return CPoint(x, y);
}

CRect ReadRect(LPCTSTR section, LPCTSTR entry) {
    int l = 0;
    int t = 0;
    int r = 0;
    int b = 0;
    std::sscanf(GetProfileString(section, entry), "%d,%d,%d,%d", &l, &t, &r, &b);
    return CRect(l, t, r, b);
}

CString IdsText(const CDWordArray& ids) {
    std::ostringstream text;
    for (int i = 0; i < ids.GetSize(); ++i)
        text << (i ? " " : "") << ids[i];
    return CString(text.str().c_str());
}

void ReadIds(LPCTSTR section, LPCTSTR entry, CDWordArray& ids) {
    ids.RemoveAll();
    std::istringstream text(static_cast<LPCTSTR>(GetProfileString(section, entry)));
    DWORD id = 0;
    while (ids.GetSize() < MQ_MAX_SAVED_BARS && text >> id)
        ids.Add(id);
}

void WritePoint(CArchive& ar, const CPoint& point) {
    ar << static_cast<LONG>(point.x) << static_cast<LONG>(point.y);
}

void ReadPointFrom(CArchive& ar, CPoint& point) {
    LONG x = 0;
    LONG y = 0;
    ar >> x >> y;
    point = CPoint(x, y);
}

DWORD ReadDWord(CArchive& ar) {
    DWORD value = 0;
    ar >> value;
    return value;
}

} // namespace

BOOL IsDockBarId(UINT nID) {
    return nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_FLOAT;
}

CControlBarInfo::CControlBarInfo()
    : m_nBarID(0), m_bVisible(FALSE), m_bFloating(FALSE), m_bHorz(FALSE), m_bDockBar(FALSE),
      m_nMRUWidth(32767), m_bDocking(FALSE), m_uMRUDockID(0), m_dwMRUFloatStyle(0),
      m_pBar(nullptr) {}

CString CControlBarInfo::SectionName(LPCTSTR lpszProfileName, int nIndex) {
    CString section;
    section.Format("%s-Bar%d", lpszProfileName, nIndex);
    return section;
}

BOOL CControlBarInfo::SaveState(LPCTSTR lpszProfileName, int nIndex) {
    if (m_nBarID == 0)
        return FALSE;
    const CString section = SectionName(lpszProfileName, nIndex);
    BOOL ok = WriteProfileInt(section, "BarID", static_cast<int>(m_nBarID));
    ok = ok && WriteProfileInt(section, "Visible", m_bVisible);
    ok = ok && WriteProfileInt(section, "Horizontal", m_bHorz);
    ok = ok && WriteProfileInt(section, "Floating", m_bFloating);
    ok = ok && WriteProfileString(section, "Position", PointText(m_pointPos));
    ok = ok && WriteProfileInt(section, "MRUWidth", static_cast<int>(m_nMRUWidth));
    ok = ok && WriteProfileInt(section, "Docking", m_bDocking);
    if (ok && m_bDocking) {
        ok = WriteProfileInt(section, "MRUDockID", static_cast<int>(m_uMRUDockID)) &&
             WriteProfileString(section, "MRUDockRect", RectText(m_rectMRUDockPos)) &&
             WriteProfileInt(section, "MRUFloatStyle", static_cast<int>(m_dwMRUFloatStyle)) &&
             WriteProfileString(section, "MRUFloatPos", PointText(m_ptMRUFloatPos));
    }
    if (ok && m_bDockBar)
        ok = WriteProfileString(section, "BarIDs", IdsText(m_arrBarID));
    return ok;
}

BOOL CControlBarInfo::LoadState(LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState) {
    const CString section = SectionName(lpszProfileName, nIndex);
    m_nBarID = GetProfileInt(section, "BarID", 0);
    if (m_nBarID == 0)
        return FALSE;
    m_bDockBar = IsDockBarId(m_nBarID);
    m_bVisible = GetProfileInt(section, "Visible", TRUE) != 0;
    m_bHorz = GetProfileInt(section, "Horizontal", TRUE) != 0;
    m_bFloating = GetProfileInt(section, "Floating", FALSE) != 0;
    m_pointPos = ReadPoint(section, "Position");
    m_nMRUWidth = GetProfileInt(section, "MRUWidth", 32767);
    m_bDocking = GetProfileInt(section, "Docking", FALSE) != 0;
    if (m_bDocking) {
        m_uMRUDockID = GetProfileInt(section, "MRUDockID", 0);
        m_rectMRUDockPos = ReadRect(section, "MRUDockRect");
        m_dwMRUFloatStyle = GetProfileInt(section, "MRUFloatStyle", 0);
        m_ptMRUFloatPos = ReadPoint(section, "MRUFloatPos");
    }
    if (m_bDockBar)
        ReadIds(section, "BarIDs", m_arrBarID);
    if (pDockState) {
        pDockState->ScalePoint(m_pointPos);
        pDockState->ScaleRectPos(m_rectMRUDockPos);
        pDockState->ScalePoint(m_ptMRUFloatPos);
    }
    return TRUE;
}

void CControlBarInfo::Serialize(CArchive& ar, CDockState* pDockState) {
    const DWORD version = pDockState ? pDockState->m_dwVersion : 2;
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nBarID) << static_cast<DWORD>(m_bVisible)
           << static_cast<DWORD>(m_bFloating) << static_cast<DWORD>(m_bHorz);
        WritePoint(ar, m_pointPos);
        if (version > 1) {
            ar << static_cast<DWORD>(m_nMRUWidth) << static_cast<DWORD>(m_bDocking);
            if (m_bDocking) {
                ar << static_cast<DWORD>(m_uMRUDockID);
                WritePoint(ar, m_rectMRUDockPos.TopLeft());
                WritePoint(ar, m_rectMRUDockPos.BottomRight());
                ar << m_dwMRUFloatStyle;
                WritePoint(ar, m_ptMRUFloatPos);
            }
        }
        SerializeExtension(ar);
        ar << static_cast<WORD>(m_arrBarID.GetSize());
        for (int i = 0; i < m_arrBarID.GetSize(); ++i)
            ar << m_arrBarID[i];
        return;
    }
    m_nBarID = ReadDWord(ar);
    m_bDockBar = IsDockBarId(m_nBarID);
    m_bVisible = ReadDWord(ar) != 0;
    m_bFloating = ReadDWord(ar) != 0;
    m_bHorz = ReadDWord(ar) != 0;
    ReadPointFrom(ar, m_pointPos);
    if (version > 1) {
        m_nMRUWidth = ReadDWord(ar);
        m_bDocking = ReadDWord(ar) != 0;
        if (m_bDocking) {
            m_uMRUDockID = ReadDWord(ar);
            CPoint topLeft;
            CPoint bottomRight;
            ReadPointFrom(ar, topLeft);
            ReadPointFrom(ar, bottomRight);
            m_rectMRUDockPos = CRect(topLeft, bottomRight);
            ar >> m_dwMRUFloatStyle;
            ReadPointFrom(ar, m_ptMRUFloatPos);
        }
        if (pDockState) {
            pDockState->ScalePoint(m_pointPos);
            pDockState->ScaleRectPos(m_rectMRUDockPos);
            pDockState->ScalePoint(m_ptMRUFloatPos);
        }
    }
    SerializeExtension(ar);
    WORD count = 0;
    ar >> count;
    if (count > MQ_MAX_SAVED_BARS)
        AfxThrowArchiveException(CArchiveException::badIndex);
    m_arrBarID.RemoveAll();
    for (WORD i = 0; i < count; ++i)
        m_arrBarID.Add(ReadDWord(ar));
}

void CControlBarInfo::SerializeExtension(CArchive&) {}
