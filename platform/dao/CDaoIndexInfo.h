#pragma once
// The description of one index. CreateIndex reads the caller's field array; GetIndexInfo fills
// an array of its own, which the record frees.

#include "platform/dao/CDaoIndexFieldInfo.h"

struct CDaoIndexInfo {
    CDaoIndexInfo() = default;
    ~CDaoIndexInfo() { FreeFields(); }
    CDaoIndexInfo(const CDaoIndexInfo&) = delete;
    CDaoIndexInfo& operator=(const CDaoIndexInfo&) = delete;

    // Replaces the field array by one of `count` fields that this record owns.
    void AllocateFields(short count) {
        FreeFields();
        m_pFieldInfos = count > 0 ? new CDaoIndexFieldInfo[static_cast<size_t>(count)] : nullptr;
        m_nFields = count;
        m_bCleanupFieldInfo = TRUE;
    }
    void FreeFields() {
        if (m_bCleanupFieldInfo)
            delete[] m_pFieldInfos;
        m_pFieldInfos = nullptr;
        m_bCleanupFieldInfo = FALSE;
    }

    CString m_strName;
    CDaoIndexFieldInfo* m_pFieldInfos = nullptr;
    short m_nFields = 0;
    BOOL m_bPrimary = FALSE;
    BOOL m_bUnique = FALSE;
    BOOL m_bClustered = FALSE;
    BOOL m_bIgnoreNulls = FALSE;
    BOOL m_bRequired = FALSE;
    BOOL m_bForeign = FALSE;
    LONG m_lDistinctCount = 0;
    BOOL m_bCleanupFieldInfo = FALSE;
};
