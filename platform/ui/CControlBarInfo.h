#pragma once
// One bar's saved place in a frame's bar layout: which bar, whether it shows, floats or lies
// horizontally, where it is, where it was last docked and floated, and for a dock bar the ids of
// the bars it holds. Written to the application's profile or to an archive and read back by the
// frame's dock state.

#include "platform/core/CDWordArray.h"
#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"

class CArchive;
class CControlBar;
class CDockState;

// An entry of a dock bar's contained ids: 0 ends a row, a bar's id stands for the bar, and the
// id with this bit for a placeholder (the bar's earlier place, kept while it is elsewhere).
constexpr DWORD MQ_PLACEHOLDER_ID = 0x10000;
// No layout has more bars, nor a dock bar more entries, than this: larger counts read back are
// cut to it.
constexpr int MQ_MAX_SAVED_BARS = 256;

class CControlBarInfo {
public:
    CControlBarInfo();
    virtual ~CControlBarInfo() = default;
    CControlBarInfo(const CControlBarInfo&) = delete;
    CControlBarInfo& operator=(const CControlBarInfo&) = delete;

    // Writes the record's keys in the section "<profile>-Bar<index>". FALSE, having written
    // nothing, for a record without a bar id (it could not be found again); FALSE too when the
    // profile cannot be written.
    virtual BOOL SaveState(LPCTSTR lpszProfileName, int nIndex);
    // Reads the record of "<profile>-Bar<index>", scaling its positions through the state;
    // FALSE when the section has no bar id.
    virtual BOOL LoadState(LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState);
    // The record's archived form: the framework's fields, those of a derived record
    // (SerializeExtension), then the contained ids.
    virtual void Serialize(CArchive& ar, CDockState* pDockState);

    UINT m_nBarID;
    BOOL m_bVisible;
    BOOL m_bFloating;
    BOOL m_bHorz;
    BOOL m_bDockBar;
    CPoint m_pointPos;
    UINT m_nMRUWidth;
    BOOL m_bDocking;
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;
    CDWordArray m_arrBarID;
    CControlBar* m_pBar;

protected:
    // The fields a derived record adds, archived between the framework's and the contained ids.
    virtual void SerializeExtension(CArchive& ar);
    static CString SectionName(LPCTSTR lpszProfileName, int nIndex);
};

// The dock bars' ids, the floating one included: their records carry contained ids.
BOOL IsDockBarId(UINT nID);
