#pragma once
// A site database for the content tests: the application's current user 5:100, service 5:10
// and section 5:20, a clock standing at 5 March 2024 10:20:30 and a recorder of engine
// messages. Rows are written and read back on connections of their own.

#include "platform/core/COleDateTime.h"
#include "tests/content/ContentKinds.h"
#include "tests/content/EngineMessageRecorder.h"
#include "tests/db/SiteDatabaseFixture.h"
#include "tests/support/FixedClock.h"

#include <string>

class ContentTest : public SiteDatabaseTest {
protected:
    static constexpr LONG kUser = 100;
    static constexpr LONG kService = 10;
    static constexpr LONG kSection = 20;

    void SetUp() override;
    void TearDown() override;

    // The time the clock stands at.
    static COleDateTime Now() { return COleDateTime(2024, 3, 5, 10, 20, 30); }

    // Runs "INSERT INTO table (columns) VALUES (values)".
    void Insert(const std::string& table, const std::string& columns, const std::string& values);
    // A live row of the kind with DbID 5, that number and that name; more columns may follow.
    void AddRow(const ContentKind& kind, LONG id, const std::string& name,
                const std::string& columns = "", const std::string& values = "");
    // One column of the kind's row 5:id, read on a connection of its own.
    COleVariant Value(const ContentKind& kind, LONG id, const char* column);
    std::string Text(const ContentKind& kind, LONG id, const char* column);
    LONG Number(const ContentKind& kind, LONG id, const char* column);
    // The claims on object 5:id of that type.
    long Claims(SHORT type, LONG id);

    FixedClock m_clock{2024, 3, 5, 10, 20, 30};
    EngineMessageRecorder m_messages;
};
