// The role a second copy of this test program plays in the tests of data databases: another
// program that writes to a data database while this one keeps it open.
#include "platform/dao/CDaoDatabase.h"
#include "tests/support/ChildProcess.h"

#include <string>

namespace {

// Adds the order of customer MQ_CHILD_CUSTOMER to the Orders table of the data file MQ_CHILD_FILE
// and ends; 0 when it was written.
void AddOrderRole() {
    CDaoDatabase db;
    db.OpenDataFile(ChildSetting("FILE").c_str());
    db.Execute(("INSERT INTO Orders (Customer, Qty) VALUES ('" + ChildSetting("CUSTOMER") + "', 1)")
                   .c_str());
    db.Close();
}

MQ_CHILD_ROLE("add-order", AddOrderRole);

} // namespace
