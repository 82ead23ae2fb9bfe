#pragma once
// The list recordset of the authors.

#include "db/QZBaseListSet.h"

class CAuthorsListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CAuthorsListSet)
public:
    explicit CAuthorsListSet(CDaoDatabase* database);
};
