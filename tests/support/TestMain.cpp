// The main of every test program: a copy started as a child plays its role and ends; any other
// run runs the tests.

#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    int roleStatus = RunChildRoleIfAsked();
    if (roleStatus >= 0)
        return roleStatus;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
