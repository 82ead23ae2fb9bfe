#include "platform/ui/CDockState.h"

#include "platform/core/CArchive.h"
#include "platform/core/CArchiveException.h"
#include "platform/registry/AppProfile.h"
#include "platform/ui/CControlBarInfo.h"
#include "platform/ui/SystemSettings.h"

#include <memory>

IMPLEMENT_SERIAL(CDockState, CObject, 0)

namespace {

CString SummarySection(LPCTSTR lpszProfileName) {
    CString section;
    section.Format("%s-Summary", lpszProfileName);
    return section;
}

int Scale(int value, int now, int saved) {
    return static_cast<int>(static_cast<int64_t>(value) * now / saved);
}

} // namespace

CDockState::CDockState() : m_dwVersion(2) {}

CDockState::~CDockState() {
    Clear();
}

CControlBarInfo* CDockState::NewBarInfo() {
    return new CControlBarInfo;
}

void CDockState::Clear() {
    for (int i = 0; i < m_arrBarInfo.GetSize(); ++i)
        delete static_cast<CControlBarInfo*>(m_arrBarInfo[i]);
    m_arrBarInfo.RemoveAll();
}

CSize CDockState::GetScreenSize() {
    return CSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

void CDockState::ScalePoint(CPoint& point) const {
    const CSize now = GetScreenSize();
    if (m_sizeSaved.cx <= 0 || m_sizeSaved.cy <= 0 || now == m_sizeSaved)
        return;
    point.x = Scale(point.x, now.cx, m_sizeSaved.cx);
    point.y = Scale(point.y, now.cy, m_sizeSaved.cy);
}

void CDockState::ScaleRectPos(CRect& rect) const {
    CPoint topLeft = rect.TopLeft();
    ScalePoint(topLeft);
    rect.MoveToXY(topLeft.x, topLeft.y);
}

void CDockState::SaveState(LPCTSTR lpszProfileName) {
    int saved = 0;
    for (int i = 0; i < m_arrBarInfo.GetSize(); ++i) {
        if (static_cast<CControlBarInfo*>(m_arrBarInfo[i])->SaveState(lpszProfileName, saved))
            ++saved;
    }
    const CString summary = SummarySection(lpszProfileName);
    const CSize screen = GetScreenSize();
    WriteProfileInt(summary, "Bars", saved);
    WriteProfileInt(summary, "ScreenCX", screen.cx);
    WriteProfileInt(summary, "ScreenCY", screen.cy);
}

void CDockState::LoadState(LPCTSTR lpszProfileName) {
    Clear();
    const CString summary = SummarySection(lpszProfileName);
    const int bars = static_cast<int>(GetProfileInt(summary, "Bars", 0));
    m_sizeSaved = CSize(static_cast<int>(GetProfileInt(summary, "ScreenCX", 0)),
                        static_cast<int>(GetProfileInt(summary, "ScreenCY", 0)));
    for (int i = 0; i < bars && i < MQ_MAX_SAVED_BARS; ++i) {
        CControlBarInfo* info = NewBarInfo();
        m_arrBarInfo.Add(info);
        info->LoadState(lpszProfileName, i, this);
    }
}

void CDockState::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_dwVersion;
        if (m_dwVersion > 1) {
            const CSize screen = GetScreenSize();
            ar << static_cast<LONG>(screen.cx) << static_cast<LONG>(screen.cy);
        }
        ar << static_cast<WORD>(m_arrBarInfo.GetSize());
        for (int i = 0; i < m_arrBarInfo.GetSize(); ++i)
            static_cast<CControlBarInfo*>(m_arrBarInfo[i])->Serialize(ar, this);
        return;
    }
    Clear();
    ar >> m_dwVersion;
    m_sizeSaved = CSize();
    if (m_dwVersion > 1) {
        LONG cx = 0;
        LONG cy = 0;
        ar >> cx >> cy;
        m_sizeSaved = CSize(cx, cy);
    }
    WORD count = 0;
    ar >> count;
    if (count > MQ_MAX_SAVED_BARS)
        AfxThrowArchiveException(CArchiveException::badIndex);
    for (WORD i = 0; i < count; ++i) {
        std::unique_ptr<CControlBarInfo> info(NewBarInfo());
        info->Serialize(ar, this);
        m_arrBarInfo.Add(info.release());
    }
    m_dwVersion = 2;
}
