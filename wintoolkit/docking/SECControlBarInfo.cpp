#include "wintoolkit/docking/SECControlBarInfo.h"

#include "platform/core/CArchive.h"
#include "platform/registry/AppProfile.h"

#include <cstdlib>

namespace {

void WriteSize(CArchive& ar, const CSize& size) {
    ar << static_cast<LONG>(size.cx) << static_cast<LONG>(size.cy);
}

void ReadSize(CArchive& ar, CSize& size) {
    LONG cx = 0;
    LONG cy = 0;
    ar >> cx >> cy;
    size = CSize(cx, cy);
}

} // namespace

CString SECPctWidthText(float fPctWidth) {
    const float scaled = fPctWidth * 1000000.0f;
    CString text;
    text.Format("%d", static_cast<int>(scaled));
    return text;
}

float SECPctWidthFromText(LPCTSTR text) {
    const float units = static_cast<float>(std::atoi(text ? text : ""));
    return units * 0.000001f;
}

SECControlBarInfo::SECControlBarInfo()
    : m_dwMRUDockingState(0), m_dwDockStyle(0), m_fPctWidth(0.0f), m_dwExStyle(0),
      m_bPrevFloating(FALSE), m_bMDIChild(FALSE) {}

BOOL SECControlBarInfo::SaveState(LPCTSTR lpszProfileName, int nIndex) {
    if (!CControlBarInfo::SaveState(lpszProfileName, nIndex))
        return FALSE;
    const CString section = SectionName(lpszProfileName, nIndex);
    const struct {
        LPCTSTR key;
        int value;
    } numbers[] = {
        {"ExStyle", static_cast<int>(m_dwExStyle)},
        {"PrevFloating", m_bPrevFloating},
        {"MDIChild", m_bMDIChild},
    };
    BOOL ok = TRUE;
    for (const auto& entry : numbers)
        ok = WriteProfileInt(section, entry.key, entry.value) && ok;
    ok = WriteProfileString(section, "PctWidth", SECPctWidthText(m_fPctWidth)) && ok;
    const struct {
        LPCTSTR key;
        int value;
    } more[] = {
        {"MRUFloatCX", m_szMRUFloat.cx},
        {"MRUFloatCY", m_szMRUFloat.cy},
        {"MRUHorzDockCX", m_szMRUHorzDock.cx},
        {"MRUHorzDockCY", m_szMRUHorzDock.cy},
        {"MRUVertDockCX", m_szMRUVertDock.cx},
        {"MRUVertDockCY", m_szMRUVertDock.cy},
        {"MRUDockingState", static_cast<int>(m_dwMRUDockingState)},
        {"DockingStyle", static_cast<int>(m_dwDockStyle)},
    };
    for (const auto& entry : more)
        ok = WriteProfileInt(section, entry.key, entry.value) && ok;
    return ok;
}

BOOL SECControlBarInfo::LoadState(LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState) {
    const BOOL result = CControlBarInfo::LoadState(lpszProfileName, nIndex, pDockState);
    const CString section = SectionName(lpszProfileName, nIndex);
    auto number = [&section](LPCTSTR key, int fallback = 0) {
        return static_cast<int>(GetProfileInt(section, key, fallback));
    };
    m_dwExStyle = static_cast<DWORD>(number("ExStyle"));
    m_bPrevFloating = number("PrevFloating");
    m_bMDIChild = number("MDIChild");
    m_fPctWidth = SECPctWidthFromText(GetProfileString(section, "PctWidth", ""));
    m_szMRUFloat = CSize(number("MRUFloatCX"), number("MRUFloatCY"));
    m_szMRUHorzDock = CSize(number("MRUHorzDockCX"), number("MRUHorzDockCY"));
    m_szMRUVertDock = CSize(number("MRUVertDockCX"), number("MRUVertDockCY"));
    m_dwMRUDockingState =
        static_cast<DWORD>(number("MRUDockingState", static_cast<int>(m_dwMRUDockingState)));
    m_dwDockStyle = static_cast<DWORD>(number("DockingStyle", static_cast<int>(m_dwDockStyle)));
    return result;
}

void SECControlBarInfo::SerializeExtension(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_dwExStyle << static_cast<DWORD>(m_bPrevFloating) << static_cast<DWORD>(m_bMDIChild);
        ar << SECPctWidthText(m_fPctWidth);
        WriteSize(ar, m_szMRUFloat);
        WriteSize(ar, m_szMRUHorzDock);
        WriteSize(ar, m_szMRUVertDock);
        ar << m_dwMRUDockingState << m_dwDockStyle;
        return;
    }
    DWORD prevFloating = 0;
    DWORD mdiChild = 0;
    ar >> m_dwExStyle >> prevFloating >> mdiChild;
    m_bPrevFloating = prevFloating != 0;
    m_bMDIChild = mdiChild != 0;
    CString pct;
    ar >> pct;
    m_fPctWidth = SECPctWidthFromText(pct);
    ReadSize(ar, m_szMRUFloat);
    ReadSize(ar, m_szMRUHorzDock);
    ReadSize(ar, m_szMRUVertDock);
    ar >> m_dwMRUDockingState >> m_dwDockStyle;
}
