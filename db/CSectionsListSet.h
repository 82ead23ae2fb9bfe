#pragma once
// The list recordset of the sections of a service.

#include "db/QZBaseListSet.h"

class CSectionsListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CSectionsListSet)
public:
    explicit CSectionsListSet(CDaoDatabase* database);
};
