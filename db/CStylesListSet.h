#pragma once
// The list recordset of the styles of a service.

#include "db/QZBaseListSet.h"

class CStylesListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CStylesListSet)
public:
    explicit CStylesListSet(CDaoDatabase* database);
};
