#pragma once
// A seeded site for the shell's combo boxes and Save As: two live sites and a deleted one,
// sections, and objects of every kind under them, on the site database fixture.
//
// Services 5:1 "Main", 5:2 "Other", 5:3 "Gone" (deleted). Sections of Main: 5:10 "Sec B" and
// 5:11 "Sec A", 5:12 "Sec X" (deleted); of Other: 5:13 "Sec Z". Every object table holds 5:1
// "Beta" and 5:2 "Alpha" under Main (in section 5:10 where the kind has sections), 5:3
// "Gamma" deleted, and 5:4 "Delta" under Other (in section 5:13). Page 5:1 is marked to be
// generated and 5:5 "Cgi" is a dynamic page of Main in 5:10. Authors 5:1 "Zed", 5:2 "Amy",
// 5:3 "Bob" (deleted).

#include "platform/core/COleVariant.h"
#include "tests/db/SiteDatabaseFixture.h"

#include <string>
#include <vector>

class ShellSiteTest : public SiteDatabaseTest {
protected:
    void SetUp() override;

    void Insert(const std::string& table, const std::string& columns,
                const std::vector<std::string>& rows);
    // One column of the first row an SQL condition picks, read on a connection of its own;
    // the number is -999 when there is no such row or the value is null.
    COleVariant ValueOf(const std::string& table, const std::string& column,
                        const std::string& where);
    std::string TextOf(const std::string& table, const std::string& column,
                       const std::string& where);
    long NumberOf(const std::string& table, const std::string& column, const std::string& where);

private:
    void Seed();
    void SeedKind(const std::string& table, const std::string& id, const std::string& title,
                  bool inSection);
};
