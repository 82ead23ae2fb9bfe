#pragma once
// The list recordset of the forms of a service.

#include "db/QZBaseListSet.h"

class CFormsListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CFormsListSet)
public:
    explicit CFormsListSet(CDaoDatabase* database);
};
