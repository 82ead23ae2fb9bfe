#pragma once
// The list recordset of the e-mail messages of a service.

#include "db/QZBaseListSet.h"

class CMessagesListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CMessagesListSet)
public:
    explicit CMessagesListSet(CDaoDatabase* database);
};
