#pragma once
// A picture read from or written to a JPEG file through the JPEG library. On a display of 8
// bits or fewer a colour picture is read as 8-bit with a 256-colour table; otherwise as 24-bit.

#include "wintoolkit/image/SECImageBase.h"

class SECJpeg : public SECImageBase {
    DECLARE_SERIAL(SECJpeg)
public:
    SECJpeg();

    BOOL WriteImage(CFile* pFile) override;
    BOOL ReadImage(CFile* pFile) override;

    // Decode to colour-mapped 8-bit rows (set when the display has a palette).
    BOOL m_bQuantize;
};
