#include "wintoolkit/docking/SECDockLayout.h"

#include "platform/ui/BarStyles.h"
#include "platform/ui/CDockBar.h"
#include "platform/ui/WindowMessages.h"
#include "wintoolkit/display/SECSystemData.h"
#include "wintoolkit/docking/SECControlBar.h"
#include "wintoolkit/docking/SECDockSizer.h"

#include <algorithm>

int secDeferRedraw = 1;

namespace {

constexpr int kMinBarLength = 10;
constexpr int kSizerLimitStep = 16;
constexpr int kRowSizerMargin = 10;
constexpr float kMinShare = 0.05f;
constexpr float kMaxShare = 0.95f;

UINT MoveFlags() {
    return SWP_NOZORDER | SWP_NOACTIVATE | (secDeferRedraw ? SWP_NOREDRAW : 0);
}

} // namespace

SECDockLayout::SECDockLayout(CPtrArray& arrBars, SECDockLayoutSite& site)
    : m_pChangedBar(nullptr), m_bLayoutChanged(FALSE),
      m_border(secData.cxBorder2, secData.cyBorder2), m_arrBars(arrBars), m_site(site),
      m_dwAlign(CBRS_ALIGN_TOP), m_bFloating(FALSE) {
    if (m_arrBars.GetSize() == 0)
        m_arrBars.Add(nullptr);
}

SECDockLayout::~SECDockLayout() = default;

BOOL SECDockLayout::IsHorz() const {
    return (m_dwAlign & CBRS_ORIENT_HORZ) != 0;
}

SECControlBar* SECDockLayout::Toolkit(CControlBar* pBar) {
    return dynamic_cast<SECControlBar*>(pBar);
}

CControlBar* SECDockLayout::BarAt(int nPos) const {
    if (nPos < 0 || nPos >= m_arrBars.GetSize())
        return nullptr;
    void* entry = m_arrBars[nPos];
    return entry && !IsPlaceHolder(entry) ? static_cast<CControlBar*>(entry) : nullptr;
}

int SECDockLayout::FindBar(const void* pEntry, int nPosExclude) const {
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        if (i != nPosExclude && m_arrBars[i] == pEntry)
            return i;
    }
    return -1;
}

int SECDockLayout::RowStart(int nPos) const {
    while (nPos > 0 && m_arrBars[nPos - 1] != nullptr)
        --nPos;
    return nPos;
}

int SECDockLayout::RowEnd(int nRowStart) const {
    int pos = nRowStart;
    while (pos < m_arrBars.GetSize() && m_arrBars[pos] != nullptr)
        ++pos;
    return pos;
}

std::vector<CControlBar*> SECDockLayout::VisibleBarsOfRow(int nRowStart) const {
    std::vector<CControlBar*> bars;
    for (int pos = nRowStart; pos < RowEnd(nRowStart); ++pos) {
        if (CControlBar* bar = BarAt(pos); bar && m_site.IsBarVisible(bar))
            bars.push_back(bar);
    }
    return bars;
}

int SECDockLayout::LengthOf(const CRect& rect) const {
    return IsHorz() ? rect.Width() : rect.Height();
}

int SECDockLayout::ThicknessOf(CSize size) const {
    return IsHorz() ? size.cy : size.cx;
}

DWORD SECDockLayout::BaseMode(CControlBar* pBar) const {
    const DWORD style = pBar->GetBarStyle();
    if ((style & CBRS_SIZE_DYNAMIC) && (style & CBRS_FLOATING))
        return LM_HORZ | LM_MRUWIDTH;
    return IsHorz() ? (LM_HORZDOCK | LM_HORZ) : (LM_VERTDOCK | LM_LENGTHY);
}

// ---- normalisation ----

void SECDockLayout::NormalizeRow(int nRowStart, CControlBar* pChanged, int* pnSizable,
                                 int* pnFixed) {
    SECControlBar* changed = Toolkit(pChanged);
    if (changed && m_site.IsBarVisible(changed) && changed->m_fPctWidth > kMaxShare)
        changed = nullptr;
    float others = 0.0f;
    float own = 0.0f;
    int sizable = 0;
    int fixed = 0;
    int otherCount = 0;
    std::vector<SECControlBar*> shared;
    for (CControlBar* bar : VisibleBarsOfRow(nRowStart)) {
        SECControlBar* toolkit = Toolkit(bar);
        if (toolkit && (toolkit->m_dwExStyle & CBRS_EX_FIXEDSIZE) == 0)
            ++sizable;
        else
            ++fixed;
        if (!toolkit)
            continue;
        shared.push_back(toolkit);
        if (toolkit == changed) {
            toolkit->m_fPctWidth = std::clamp(toolkit->m_fPctWidth, kMinShare, kMaxShare);
            own += toolkit->m_fPctWidth;
        } else {
            others += toolkit->m_fPctWidth;
            ++otherCount;
        }
    }
    if (own > 0.0f) {
        const float c = std::min(own, kMaxShare);
        if (otherCount > 0 && others <= c) {
            // The others would have to give more than they have: the changed bar keeps its
            // share and the others split the rest equally.
            for (SECControlBar* bar : shared)
                bar->m_fPctWidth = bar == changed ? c : (1.0f - c) / static_cast<float>(otherCount);
            others = 0.0f;
        } else {
            const float factor = others > 0.0f ? others / (others - c) : 1.0f / own;
            changed->m_fPctWidth *= factor;
            others += changed->m_fPctWidth;
        }
    }
    if (others > 0.0f) {
        for (SECControlBar* bar : shared)
            bar->m_fPctWidth *= 1.0f / others;
    }
    if (pnSizable)
        *pnSizable = sizable;
    if (pnFixed)
        *pnFixed = fixed;
}

// ---- layout ----

CSize SECDockLayout::CalcFixedLayout(BOOL bStretch, BOOL bHorz, CSize room, BOOL bQuery,
                                     const CRect& borders) {
    CSize sizeFixed(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
    if (!bQuery) {
        m_site.BeginMoves(m_arrBars.GetSize());
        for (auto& sizer : m_sizers)
            sizer->m_bLive = FALSE;
        for (auto& line : m_separators)
            line->m_bLive = FALSE;
    }
    CPoint pen(-m_border.cx, -m_border.cy);
    int firstRepaint = -1;
    int start = m_arrBars.GetSize() > 0 && m_arrBars[0] == nullptr ? 1 : 0;
    while (start < m_arrBars.GetSize()) {
        int end = RowEnd(start);
        LayoutRow(start, end, room, bQuery, pen, sizeFixed, firstRepaint);
        start = end + 1;
    }
    if (!bQuery) {
        m_site.EndMoves();
        std::erase_if(m_sizers, [](const auto& sizer) { return !sizer->m_bLive; });
        std::erase_if(m_separators, [](const auto& line) { return !line->m_bLive; });
        if (firstRepaint >= 0) {
            if (m_dwAlign & (CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT))
                RepaintFrom(firstRepaint);
            else
                RepaintUpTo(firstRepaint);
        }
    }
    if ((!bStretch || !bHorz) && sizeFixed.cx != 0)
        sizeFixed.cx += borders.left + borders.right;
    if ((!bStretch || bHorz) && sizeFixed.cy != 0)
        sizeFixed.cy += borders.top + borders.bottom;
    if (!m_bFloating && secWorkbookMode) {
        if (m_dwAlign & CBRS_ALIGN_TOP)
            sizeFixed.cy += m_border.cy;
        else if (m_dwAlign & CBRS_ALIGN_LEFT)
            sizeFixed.cx += m_border.cx;
    }
    m_pChangedBar = nullptr;
    return sizeFixed;
}

void SECDockLayout::LayoutRow(int& nStart, int& nEnd, CSize room, BOOL bQuery, CPoint& pen,
                              CSize& sizeFixed, int& nFirstRepaint) {
    int sizable = 0;
    int fixed = 0;
    NormalizeRow(nStart, m_pChangedBar, &sizable, &fixed);
    const int n = sizable + fixed;
    int length = 0;
    int t = 0;
    for (CControlBar* bar : VisibleBarsOfRow(nStart)) {
        const DWORD mode = BaseMode(bar) | (sizable ? LM_STRETCH : 0);
        CSize size;
        if (m_bFloating) {
            size = bar->CalcDynamicLayout(-1, mode);
            if (mode & LM_HORZ)
                bar->CalcDynamicLayout(size.cx, mode | LM_COMMIT);
            else
                bar->CalcDynamicLayout(size.cy, mode | LM_COMMIT | LM_LENGTHY);
        } else {
            const int along = (mode & LM_HORZ) ? room.cx : room.cy;
            size = bar->CalcDynamicLayout(along + (1 - n) * SEC_SIZER_WIDTH, mode | LM_COMMIT);
        }
        length += IsHorz() ? size.cx : size.cy;
        t = std::max(t, ThicknessOf(size));
    }
    if (t != 0) {
        if (IsHorz())
            sizeFixed.cx =
                std::max<LONG>(sizeFixed.cx, length - m_border.cx + (n - 1) * SEC_SIZER_WIDTH);
        else
            sizeFixed.cy =
                std::max<LONG>(sizeFixed.cy, length - m_border.cy + (n - 1) * SEC_SIZER_WIDTH);
    }
    if (sizable == 0)
        PlaceFixedRow(nStart, nEnd, t, room, bQuery, pen, sizeFixed);
    else
        PlaceSizableRow(nStart, nEnd, t, room, bQuery, pen, nFirstRepaint);
    // A wrap may have made rows of this one: delayed shows apply to all of them.
    for (int pos = nStart; pos < nEnd; ++pos) {
        if (CControlBar* bar = BarAt(pos))
            m_site.ApplyDelayShow(bar);
    }
    if (t != 0)
        NextRow(t, pen, sizeFixed);
}

void SECDockLayout::NextRow(int t, CPoint& pen, CSize& sizeFixed) const {
    if (IsHorz()) {
        sizeFixed.cy = std::max<LONG>(sizeFixed.cy, pen.y + t);
        pen.y += t - m_border.cy;
        pen.x = -m_border.cx;
    } else {
        sizeFixed.cx = std::max<LONG>(sizeFixed.cx, pen.x + t);
        pen.x += t - m_border.cx;
        pen.y = -m_border.cy;
    }
}

void SECDockLayout::MoveIfChanged(CControlBar* pBar, const CRect& rect, BOOL bQuery,
                                  BOOL* pbSizeChanged, BOOL* pbThicknessChanged) {
    const CRect current = m_site.GetBarRect(pBar);
    *pbSizeChanged = FALSE;
    *pbThicknessChanged = FALSE;
    if (current == rect)
        return;
    if (!(pBar->GetBarStyle() & CBRS_FLOATING))
        m_site.SetMRUDockRect(pBar, rect);
    if (bQuery)
        return;
    *pbSizeChanged = current.Size() != rect.Size();
    *pbThicknessChanged = ThicknessOf(current.Size()) != ThicknessOf(rect.Size());
    m_site.MoveBar(pBar, rect, MoveFlags() | (*pbSizeChanged ? 0 : SWP_NOSIZE));
    if (*pbSizeChanged)
        AddToRepaint(pBar);
}

// A row of fixed-size bars, as the framework's dock bar places them: each at its own size, at
// its current offset when that lies further along, pushed back to end inside the room, wrapped
// onto a row of its own when it would start at the room's end.
void SECDockLayout::PlaceFixedRow(int nStart, int& nEnd, int t, CSize room, BOOL bQuery,
                                  CPoint& pen, CSize& sizeFixed) {
    const bool horz = IsHorz();
    const int roomLength = horz ? room.cx : room.cy;
    const int border = horz ? m_border.cx : m_border.cy;
    for (int pos = nStart; pos < nEnd; ++pos) {
        CControlBar* bar = BarAt(pos);
        if (!bar || !m_site.IsBarVisible(bar))
            continue;
        const DWORD style = bar->GetBarStyle();
        DWORD mode = horz ? (LM_HORZDOCK | LM_HORZ) : LM_VERTDOCK;
        if ((style & CBRS_SIZE_DYNAMIC) && (style & CBRS_FLOATING))
            mode = LM_HORZ | LM_MRUWIDTH;
        const CSize size = bar->CalcDynamicLayout(-1, mode);
        CRect rect(pen, size);
        const CRect current = m_site.GetBarRect(bar);
        int at = horz ? rect.left : rect.top;
        const int now = horz ? current.left : current.top;
        const int length = horz ? size.cx : size.cy;
        const int penAlong = horz ? pen.x : pen.y;
        if (!m_bFloating && now > at)
            at = now;
        if (at + length > roomLength)
            at = std::max(roomLength - length, penAlong);
        if (at >= roomLength - border && pos > nStart && BarAt(pos - 1)) {
            m_arrBars.InsertAt(pos, static_cast<void*>(nullptr));
            ++pos;
            ++nEnd;
            NextRow(t, pen, sizeFixed);
            at = -border;
        }
        rect = horz ? CRect(CPoint(at, pen.y), size) : CRect(CPoint(pen.x, at), size);
        if (SECControlBar* toolkit = Toolkit(bar))
            toolkit->m_dwExStyle |= CBRS_EX_BORDER_3D;
        BOOL sized = FALSE;
        BOOL thicker = FALSE;
        MoveIfChanged(bar, rect, bQuery, &sized, &thicker);
        if (!bQuery && !sized && !(current == rect))
            AddToRepaint(bar);
        (horz ? pen.x : pen.y) = (horz ? rect.right : rect.bottom) - border;
    }
}

void SECDockLayout::PlaceSizableRow(int nStart, int nEnd, int t, CSize room, BOOL bQuery,
                                    CPoint& pen, int& nFirstRepaint) {
    const bool horz = IsHorz();
    CPoint origin = pen;
    CRect trailing;
    int trailingKind = -1;
    if (!m_bFloating) {
        if (horz)
            origin.x += m_border.cx + 1;
        if (m_dwAlign & CBRS_ALIGN_BOTTOM)
            origin.y += 1;
        if (m_dwAlign & CBRS_ALIGN_RIGHT)
            origin.x += 1;
        const int x = origin.x;
        const int y = origin.y;
        if (m_dwAlign & CBRS_ALIGN_TOP) {
            if (!bQuery)
                AddSeparator(SECDockSizer::horizontalBand, CRect(0, y, room.cx, y + 2));
            origin.y += 2;
            trailing = CRect(0, origin.y + t, room.cx, origin.y + t + 6);
            trailingKind = 0;
            pen.y = origin.y + 6;
        } else if (m_dwAlign & CBRS_ALIGN_BOTTOM) {
            if (!bQuery)
                AddSizer(SECDockSizer::rowSizer, SECDockSizer::horizontalBand,
                         CRect(0, y, room.cx, y + 6), nStart);
            origin.y += 6;
            trailing = CRect(0, origin.y + t, room.cx, origin.y + t + 2);
            trailingKind = 1;
            pen.y = origin.y + 2;
        } else if (m_dwAlign & CBRS_ALIGN_LEFT) {
            if (!bQuery)
                AddSeparator(SECDockSizer::verticalBand, CRect(x, 0, x + 2, room.cy + pen.y));
            origin.x += 2;
            trailing = CRect(origin.x + t, 0, origin.x + t + 6, room.cy - 2 * m_border.cy);
            trailingKind = 0;
            pen.x = origin.x + 6;
        } else {
            if (!bQuery)
                AddSizer(SECDockSizer::rowSizer, SECDockSizer::verticalBand,
                         CRect(x, 0, x + 6, room.cy - 2 * m_border.cy), nStart);
            origin.x += 6;
            trailing = CRect(origin.x + t, 0, origin.x + t + 2, room.cy + pen.y);
            trailingKind = 1;
            pen.x = origin.x + 2;
        }
    }
    if (!bQuery && trailingKind == 0)
        AddSizer(SECDockSizer::rowSizer,
                 horz ? SECDockSizer::horizontalBand : SECDockSizer::verticalBand, trailing,
                 nStart);
    if (!bQuery && trailingKind == 1)
        AddSeparator(horz ? SECDockSizer::horizontalBand : SECDockSizer::verticalBand, trailing);

    int along = horz ? origin.x : origin.y;
    std::vector<int> visible;
    for (int pos = nStart; pos < nEnd; ++pos) {
        if (CControlBar* bar = BarAt(pos); bar && m_site.IsBarVisible(bar))
            visible.push_back(pos);
    }
    for (size_t i = 0; i < visible.size(); ++i) {
        const int pos = visible[i];
        CControlBar* bar = BarAt(pos);
        if (SECControlBar* toolkit = Toolkit(bar))
            toolkit->m_dwExStyle &= ~CBRS_EX_BORDER_3D;
        // The row's thickness becomes each bar's own; the share applies to the length only.
        const DWORD mode = BaseMode(bar);
        CSize size;
        if (horz)
            size = bQuery ? bar->CalcDynamicLayout(-1, mode)
                          : bar->CalcDynamicLayout(t, mode | LM_COMMIT | LM_LENGTHY);
        else
            size = (bQuery || m_bFloating)
                       ? bar->CalcDynamicLayout(-1, mode)
                       : bar->CalcDynamicLayout(t, (mode & ~LM_LENGTHY) | LM_COMMIT);
        const CRect rect =
            horz ? CRect(CPoint(along, origin.y), size) : CRect(CPoint(origin.x, along), size);
        along += horz ? size.cx : size.cy;
        if (i + 1 < visible.size()) {
            const CRect band = horz ? CRect(along, origin.y, along + 6, origin.y + t)
                                    : CRect(origin.x, along, origin.x + t, along + 6);
            if (!bQuery)
                AddSizer(SECDockSizer::barSizer,
                         horz ? SECDockSizer::verticalBand : SECDockSizer::horizontalBand, band,
                         pos);
            along += SEC_SIZER_WIDTH;
        }
        BOOL sized = FALSE;
        BOOL thicker = FALSE;
        MoveIfChanged(bar, rect, bQuery, &sized, &thicker);
        if (thicker && nFirstRepaint < 0)
            nFirstRepaint = pos;
    }
    if (m_bFloating) {
        if (horz)
            pen.y = origin.y;
        else
            pen.x = origin.x;
    }
}

// ---- sizers ----

SECDockSizer* SECDockLayout::AddSizer(int nKind, int nOrientation, const CRect& rect, int nIndex) {
    for (auto& sizer : m_sizers) {
        if (sizer->m_rect == rect) {
            sizer->m_bLive = TRUE;
            sizer->m_nKind = nKind;
            sizer->m_nOrientation = nOrientation;
            sizer->m_nIndex = nIndex;
            return sizer.get();
        }
    }
    m_sizers.push_back(std::make_unique<SECDockSizer>(nKind, nOrientation, rect, nIndex));
    return m_sizers.back().get();
}

SECDockSeparator* SECDockLayout::AddSeparator(int nOrientation, const CRect& rect) {
    for (auto& line : m_separators) {
        if (line->m_rect == rect) {
            line->m_bLive = TRUE;
            line->m_nOrientation = nOrientation;
            return line.get();
        }
    }
    m_separators.push_back(std::make_unique<SECDockSeparator>(nOrientation, rect));
    return m_separators.back().get();
}

void SECDockLayout::ClearBands() {
    m_sizers.clear();
    m_separators.clear();
}

SECDockSizer* SECDockLayout::SizerAt(CPoint point) const {
    for (const auto& sizer : m_sizers) {
        if (sizer->m_rect.PtInRect(point))
            return sizer.get();
    }
    return nullptr;
}

void SECDockLayout::CalcSizerLimits(SECDockSizer* pSizer) {
    const CSize client = m_site.GetDockBarSize();
    if (pSizer->m_nKind == SECDockSizer::barSizer) {
        const int start = RowStart(pSizer->m_nIndex);
        int before = 0;
        int after = 0;
        for (int pos = start; pos < RowEnd(start); ++pos) {
            if (CControlBar* bar = BarAt(pos); bar && m_site.IsBarVisible(bar))
                (pos <= pSizer->m_nIndex ? before : after) += 1;
        }
        const int length =
            pSizer->m_nOrientation == SECDockSizer::verticalBand ? client.cx : client.cy;
        pSizer->m_nLowLimit = kSizerLimitStep * before;
        pSizer->m_nHighLimit = length - kSizerLimitStep * after;
        return;
    }
    int r = 0;
    for (CControlBar* bar : VisibleBarsOfRow(RowStart(pSizer->m_nIndex))) {
        if (SECControlBar* toolkit = Toolkit(bar))
            r = std::max<int>(r,
                              IsHorz() ? toolkit->m_szMRUHorzDock.cy : toolkit->m_szMRUVertDock.cx);
    }
    const CRect room = m_site.GetPaneRect();
    const CRect& s = pSizer->m_rect;
    const int m = kRowSizerMargin;
    if (m_dwAlign & CBRS_ALIGN_TOP) {
        pSizer->m_nLowLimit = s.top - r + m;
        pSizer->m_nHighLimit = std::max<int>(room.bottom - m, s.bottom);
    } else if (m_dwAlign & CBRS_ALIGN_BOTTOM) {
        pSizer->m_nLowLimit = std::min<int>(room.top + m, s.top);
        pSizer->m_nHighLimit = s.top + r - m;
    } else if (m_dwAlign & CBRS_ALIGN_LEFT) {
        pSizer->m_nLowLimit = s.left - r + m;
        pSizer->m_nHighLimit = std::max<int>(room.right - m, s.right);
    } else {
        pSizer->m_nLowLimit = std::min<int>(room.left + m, s.left);
        pSizer->m_nHighLimit = s.left + r - m;
    }
}

void SECDockLayout::CommitLength(CControlBar* pBar, int nLength) {
    const DWORD mode = IsHorz() ? (LM_HORZDOCK | LM_HORZ) : (LM_VERTDOCK | LM_LENGTHY);
    pBar->CalcDynamicLayout(nLength, mode | LM_COMMIT);
}

void SECDockLayout::OnSizerMoved(SECDockSizer* pSizer, int nDelta) {
    m_bLayoutChanged = TRUE;
    const int start = RowStart(pSizer->m_nIndex);
    if (pSizer->m_nKind == SECDockSizer::rowSizer) {
        const int d = (m_dwAlign & (CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT)) ? -nDelta : nDelta;
        for (int pos = start; pos < RowEnd(start); ++pos) {
            SECControlBar* bar = Toolkit(BarAt(pos));
            if (!bar)
                continue;
            if (IsHorz())
                bar->CalcDynamicLayout(bar->m_szMRUHorzDock.cy - d,
                                       LM_HORZDOCK | LM_HORZ | LM_LENGTHY | LM_COMMIT);
            else
                bar->CalcDynamicLayout(bar->m_szMRUVertDock.cx - d, LM_VERTDOCK | LM_COMMIT);
            AddToRepaint(bar);
        }
        return;
    }
    std::vector<int> visible;
    for (int pos = start; pos < RowEnd(start); ++pos) {
        if (CControlBar* bar = BarAt(pos); bar && m_site.IsBarVisible(bar))
            visible.push_back(pos);
    }
    const auto at = std::find(visible.begin(), visible.end(), pSizer->m_nIndex);
    if (at == visible.end() || at + 1 == visible.end())
        return;
    const CSize client = m_site.GetDockBarSize();
    const int total =
        (IsHorz() ? client.cx : client.cy) - SEC_SIZER_WIDTH * static_cast<int>(visible.size() - 1);
    if (total <= 0)
        return;
    auto setLength = [&](int pos, int length) {
        CControlBar* bar = BarAt(pos);
        CommitLength(bar, length);
        if (SECControlBar* toolkit = Toolkit(bar))
            toolkit->m_fPctWidth = static_cast<float>(length) / static_cast<float>(total);
        AddToRepaint(bar);
    };
    const long index = at - visible.begin();
    // The bar on the side the sizer moves away from grows by the whole distance; the bars on
    // the other side give it up in turn, none below the least length.
    const int grower = nDelta >= 0 ? visible[index] : visible[index + 1];
    setLength(grower, LengthOf(m_site.GetBarRect(BarAt(grower))) + std::abs(nDelta));
    int remainder = std::abs(nDelta);
    const long step = nDelta >= 0 ? 1 : -1;
    for (long i = nDelta >= 0 ? index + 1 : index;
         remainder > 0 && i >= 0 && i < static_cast<long>(visible.size()); i += step) {
        const int length = LengthOf(m_site.GetBarRect(BarAt(visible[i])));
        const int shrunk = std::max(length - remainder, kMinBarLength);
        setLength(visible[i], shrunk);
        remainder -= length - shrunk;
    }
}

// ---- docking ----

void SECDockLayout::FindPlace(const CRect& rect, CControlBar* pIgnore, int* pnRowStart,
                              int* pnPos) const {
    const CPoint centre = rect.CenterPoint();
    const bool horz = IsHorz();
    int start = m_arrBars.GetSize() > 0 && m_arrBars[0] == nullptr ? 1 : 0;
    while (start < m_arrBars.GetSize()) {
        const int end = RowEnd(start);
        int low = 0;
        int high = 0;
        bool any = false;
        for (int pos = start; pos < end; ++pos) {
            CControlBar* bar = BarAt(pos);
            if (!bar || bar == pIgnore || !m_site.IsBarVisible(bar))
                continue;
            const CRect r = m_site.GetBarRect(bar);
            const int a = horz ? r.top : r.left;
            const int b = horz ? r.bottom : r.right;
            low = any ? std::min(low, a) : a;
            high = any ? std::max(high, b) : b;
            any = true;
        }
        if (any) {
            const int c = horz ? centre.y : centre.x;
            if (c < low) {
                *pnRowStart = -1;
                *pnPos = start;
                return;
            }
            if (c < high) {
                int place = start;
                for (int pos = start; pos < end; ++pos) {
                    CControlBar* bar = BarAt(pos);
                    if (!bar || bar == pIgnore || !m_site.IsBarVisible(bar))
                        continue;
                    const CRect r = m_site.GetBarRect(bar);
                    if ((horz ? r.left : r.top) < (horz ? centre.x : centre.y))
                        place = pos + 1;
                }
                *pnRowStart = start;
                *pnPos = place;
                return;
            }
        }
        start = end + 1;
    }
    *pnRowStart = -1;
    *pnPos = m_arrBars.GetSize();
}

int SECDockLayout::InsertAtRect(CControlBar* pBar, const CRect* pRect) {
    int rowStart = -1;
    int pos = m_arrBars.GetSize();
    if (pRect)
        FindPlace(*pRect, pBar, &rowStart, &pos);
    if (rowStart >= 0) {
        m_arrBars.InsertAt(pos, pBar);
        return pos;
    }
    // A new row: the bar and the null that ends it.
    if (pos >= m_arrBars.GetSize() && m_arrBars.GetSize() > 0 &&
        m_arrBars[m_arrBars.GetSize() - 1] != nullptr)
        m_arrBars.Add(nullptr);
    pos = std::min(pos, m_arrBars.GetSize());
    RepaintFrom(pos);
    m_arrBars.InsertAt(pos, static_cast<void*>(nullptr));
    m_arrBars.InsertAt(pos, pBar);
    m_bLayoutChanged = TRUE;
    return pos;
}

int SECDockLayout::InsertBar(CControlBar* pBar, int nColumn, int nRow) {
    int start = m_arrBars.GetSize() > 0 && m_arrBars[0] == nullptr ? 1 : 0;
    int row = 0;
    int pos = -1;
    while (start < m_arrBars.GetSize()) {
        const int end = RowEnd(start);
        if (row == nRow) {
            int seen = 0;
            pos = start;
            while (pos < end) {
                if (CControlBar* bar = BarAt(pos); bar && m_site.IsBarVisible(bar)) {
                    if (seen == nColumn)
                        break;
                    ++seen;
                }
                ++pos;
            }
            break;
        }
        ++row;
        start = end + 1;
    }
    if (pos < 0) {
        if (m_arrBars.GetSize() == 0 || m_arrBars[m_arrBars.GetSize() - 1] != nullptr)
            m_arrBars.Add(nullptr);
        pos = m_arrBars.GetSize();
        m_bLayoutChanged = TRUE;
    }
    RepaintFrom(pos);
    m_arrBars.InsertAt(pos, pBar);
    if (pos == m_arrBars.GetSize() - 1)
        m_arrBars.Add(nullptr);
    return pos;
}

void SECDockLayout::RemoveDoubledNull(int nPos) {
    if (nPos > 0 && nPos < m_arrBars.GetSize() && m_arrBars[nPos] == nullptr &&
        m_arrBars[nPos - 1] == nullptr)
        m_arrBars.RemoveAt(nPos);
}

BOOL SECDockLayout::RemoveBar(CControlBar* pBar, int nPosExclude, int nAddPlaceHolder) {
    const int pos = FindBar(pBar, nPosExclude);
    if (pos < 0)
        return FALSE;
    const int start = RowStart(pos);
    const int end = RowEnd(start);
    bool alone = true;
    for (int i = start; i < end; ++i) {
        if (i != pos && BarAt(i))
            alone = false;
    }
    if (alone) {
        m_bLayoutChanged = TRUE;
        RepaintUpTo(start);
        RepaintFrom(end);
    }
    void* placeholder = PlaceHolderOf(m_site.GetBarId(pBar));
    const bool keep = nAddPlaceHolder != 0 && FindBar(placeholder, pos) < 0;
    if (keep) {
        m_arrBars[pos] = placeholder;
    } else {
        m_arrBars.RemoveAt(pos);
        RemoveDoubledNull(pos);
    }
    std::erase(m_arrRepaint, pBar);
    if (m_pChangedBar == pBar)
        m_pChangedBar = nullptr;
    return TRUE;
}

void SECDockLayout::RemovePlaceHolder(UINT nID) {
    for (int pos = FindBar(PlaceHolderOf(nID)); pos >= 0; pos = FindBar(PlaceHolderOf(nID))) {
        m_arrBars.RemoveAt(pos);
        RemoveDoubledNull(pos);
    }
}

void SECDockLayout::OnBarShowChanged(CControlBar* pBar) {
    const int pos = FindBar(pBar);
    if (pos < 0)
        return;
    const int start = RowStart(pos);
    const int end = RowEnd(start);
    bool alone = true;
    for (int i = start; i < end; ++i) {
        if (i != pos && BarAt(i))
            alone = false;
    }
    if (alone)
        RepaintFrom(end);
    if (std::find(m_arrRepaint.begin(), m_arrRepaint.end(), pBar) == m_arrRepaint.end())
        m_arrRepaint.push_back(pBar);
    m_bLayoutChanged = TRUE;
    m_pChangedBar = pBar;
}

void SECDockLayout::AddToRepaint(CControlBar* pBar) {
    if (pBar && m_site.IsBarVisible(pBar) &&
        std::find(m_arrRepaint.begin(), m_arrRepaint.end(), pBar) == m_arrRepaint.end())
        m_arrRepaint.push_back(pBar);
}

void SECDockLayout::RepaintFrom(int nPos) {
    for (int pos = std::max(nPos, 0); pos < m_arrBars.GetSize(); ++pos)
        AddToRepaint(BarAt(pos));
}

void SECDockLayout::RepaintUpTo(int nPos) {
    for (int pos = 0; pos < nPos && pos < m_arrBars.GetSize(); ++pos)
        AddToRepaint(BarAt(pos));
}

// ---- drop preview ----

CRect SECDockLayout::CalcDropRect(CControlBar* pBar, const CRect& rectDrag, CPoint point,
                                  int* pnLastRow, CRect* pLastRect, CPoint* pLastPoint) const {
    int rowStart = -1;
    int place = 0;
    FindPlace(rectDrag, nullptr, &rowStart, &place);
    std::vector<CControlBar*> others;
    bool draggedInRow = false;
    if (rowStart >= 0) {
        for (CControlBar* bar : VisibleBarsOfRow(rowStart)) {
            if (bar == pBar)
                draggedInRow = true;
            else
                others.push_back(bar);
        }
    }
    auto remember = [&](const CRect& result) {
        *pnLastRow = rowStart;
        *pLastRect = result;
        *pLastPoint = point;
        return result;
    };
    if (!others.empty() && rowStart == *pnLastRow) {
        CRect moved = *pLastRect;
        moved.OffsetRect(point.x - pLastPoint->x, point.y - pLastPoint->y);
        return remember(moved);
    }
    SECControlBar* dragged = Toolkit(pBar);
    if (!dragged || (dragged->m_dwExStyle & CBRS_EX_FIXEDSIZE) || draggedInRow)
        return remember(rectDrag);
    const bool horz = IsHorz();
    const CSize dock = m_site.GetDockBarSize();
    if (others.empty()) {
        CRect whole = rectDrag;
        if (horz) {
            whole.left = 0;
            whole.right = dock.cx;
        } else {
            whole.top = 0;
            whole.bottom = dock.cy;
        }
        return remember(whole);
    }
    float shares = 0.0f;
    int t = horz ? dragged->m_szMRUHorzDock.cy : dragged->m_szMRUVertDock.cx;
    for (CControlBar* bar : others) {
        if (SECControlBar* toolkit = Toolkit(bar)) {
            shares += toolkit->m_fPctWidth;
            t = std::max<int>(t, horz ? toolkit->m_szMRUHorzDock.cy : toolkit->m_szMRUVertDock.cx);
        }
    }
    const float p = dragged->m_fPctWidth;
    const int length =
        static_cast<int>(static_cast<float>(horz ? dock.cx : dock.cy) * p / (shares + p));
    // Shrinks [lo, hi) to `size` around `at`, keeping `at` at the same relative place.
    auto shrink = [](LONG& lo, LONG& hi, int size, int at) {
        const int extent = hi - lo;
        if (extent <= 0)
            return;
        const int by = extent - size;
        const double r = static_cast<double>(at - lo) / extent;
        const int loMove = static_cast<int>(r * by);
        const int hiMove = static_cast<int>((1.0 - r) * by);
        lo += loMove;
        hi -= hiMove;
    };
    CRect result = rectDrag;
    if (horz) {
        shrink(result.left, result.right, length, point.x);
        shrink(result.top, result.bottom, t, point.y);
    } else {
        shrink(result.top, result.bottom, length, point.y);
        shrink(result.left, result.right, t, point.x);
    }
    return remember(result);
}
