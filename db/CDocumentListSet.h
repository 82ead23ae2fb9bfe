#pragma once
// The list recordset of the pages of a section or a service.

#include "db/QZBaseListSet.h"

class CDocumentListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CDocumentListSet)
public:
    explicit CDocumentListSet(CDaoDatabase* database);
};
