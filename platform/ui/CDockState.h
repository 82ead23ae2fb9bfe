#pragma once
// The bar layout of a frame as a list of bar records, with the screen size it was saved at.
// It is saved to and loaded from the application's profile or an archive; positions read back
// are scaled by the ratio of the screen's size now to the saved one.

#include "platform/core/CObject.h"
#include "platform/core/CPtrArray.h"
#include "platform/core/CSize.h"

class CControlBarInfo;
struct RECT;
class CPoint;
class CRect;

class CDockState : public CObject {
    DECLARE_SERIAL(CDockState)
public:
    CDockState();
    ~CDockState() override;

    // Writes each record as "<profile>-Bar<n>" (n counting only the records saved), then the
    // section "<profile>-Summary" with the count ("Bars") and the screen size.
    void SaveState(LPCTSTR lpszProfileName);
    // Clears the state and reads it back; a missing summary gives no records. At most
    // MQ_MAX_SAVED_BARS records are read.
    void LoadState(LPCTSTR lpszProfileName);
    // The version, the screen size (version 2), the record count and each record. Reading
    // clears the state first and leaves it at version 2.
    void Serialize(CArchive& ar) override;
    // Deletes the records.
    void Clear();

    // The screen's size now.
    static CSize GetScreenSize();
    // The screen size the positions were saved at (now's when saving).
    CSize GetSavedScreenSize() const { return m_sizeSaved; }
    void SetSavedScreenSize(CSize size) { m_sizeSaved = size; }
    // Scales a saved position to the screen's size now; nothing when the saved size is 0 (not
    // known) or equal to now's.
    void ScalePoint(CPoint& point) const;
    // Moves the rectangle to its scaled position, keeping its size.
    void ScaleRectPos(CRect& rect) const;

    // Owned records (CControlBarInfo*), in the frame's bar order.
    CPtrArray m_arrBarInfo;
    DWORD m_dwVersion;

    // A new record of the kind this state keeps.
    virtual CControlBarInfo* NewBarInfo();

private:
    CSize m_sizeSaved;
};
