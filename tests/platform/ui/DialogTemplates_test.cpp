#include "platform/ui/DialogTemplates.h"

#include <gtest/gtest.h>

TEST(DialogTemplates, RegisterReplacesAndNullRemoves) {
    const DialogTemplate first{7001, 0, "First", "", 8, 0, 0, 10, 10, nullptr, 0};
    const DialogTemplate second{7001, 0, "Second", "", 8, 0, 0, 10, 10, nullptr, 0};
    EXPECT_EQ(DialogTemplates::Lookup(7001), nullptr);
    DialogTemplates::Register(7001, &first);
    EXPECT_EQ(DialogTemplates::Lookup(7001), &first);
    DialogTemplates::Register(7001, &second);
    EXPECT_EQ(DialogTemplates::Lookup(7001), &second);
    DialogTemplates::Register(7001, nullptr);
    EXPECT_EQ(DialogTemplates::Lookup(7001), nullptr);
}
