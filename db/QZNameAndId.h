#pragma once
// A number and a name, storable in an archive; the template text parser makes these pairs.

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class QZNameAndId : public CObject {
    DECLARE_SERIAL(QZNameAndId)
public:
    QZNameAndId();
    QZNameAndId(LPCTSTR name, LONG id);
    ~QZNameAndId() override;

    // The name in the archive's string form, then the id as a 32-bit little-endian integer.
    void Serialize(CArchive& ar) override;

    LONG m_Id;
    CString m_Name;
};
