#pragma once
// A site to publish to production: the generation site (service 5:10 "Acme" in directory
// "site", section 5:20 in "news", development tree "C:\dev", production tree "C:\prod"), with
// one object of every published kind and their files, and a production database
// "C:\prod.mdb" (DbID 7, marked "Production"); every path is mapped into the test's folder.
// List fills the list of the Publish Objects dialog; Run publishes it; a message pump hook
// runs between objects.

#include "content/QZPublishDb.h"
#include "platform/ui/MessagePump.h"
#include "tests/content/GenerationFixture.h"

#include <functional>
#include <string>
#include <vector>

class PublishTest : public GenerationTest {
protected:
    // A published kind as the tests see it: its type, table, key and name columns, whether its
    // rows have a section, and the word of its log lines.
    struct Kind {
        SHORT type;
        const char* table;
        const char* idColumn;
        const char* nameColumn;
        bool inSection;
        const char* word;
    };
    // The 17 published kinds, and the photo and the author, which are not.
    static const std::vector<Kind>& Kinds();
    static const Kind& KindOf(SHORT type);

    // Calls its hook each time the run lets the window's messages through.
    class PumpHook : public MessagePump {
    public:
        PumpHook();
        ~PumpHook() override;
        void PumpWaitingMessages() override;
        // Set by a hook to ask the end of the program, as a signal would.
        bool QuitRequested() const override { return quit; }
        std::function<void(int call)> hook;
        int calls = 0;
        bool quit = false;

    private:
        MessagePump* m_previous;
    };

    void SetUp() override;
    void TearDown() override;

    // A row of the kind with DbID 5 in the service (and the section) of the site.
    void AddObject(SHORT type, LONG id, const std::string& name, const std::string& columns = "",
                   const std::string& values = "");
    // One object of every published kind, with their files in the development tree: see the
    // list in PublishFixture.cpp. Every one waits to be published (PublishFlag 1).
    void AddEveryKind();
    // Runs "UPDATE table SET assignments" on the row 5:id of the kind.
    void UpdateObject(SHORT type, LONG id, const std::string& assignments);
    // Adds the object to the dialog's list; the key's DbID is 5.
    void List(SHORT type, LONG id, const std::string& name);
    // Every object AddEveryKind made, in its order.
    void ListEveryKind();
    // "Published: " lines for the listed objects, in list order.
    std::vector<std::string> PublishedLines() const;

    // Publishes the list for the service.
    int Run(LONG serviceDbId = kDbId, LONG serviceId = kService);

    // A file of the development tree below "dev/site" (content written) and of the
    // production tree below "prod/site".
    void PutDevelopFile(const std::string& relative, const std::string& content);
    std::string ProductionFile(const std::string& relative) const;

    // The first value that the SQL selection gives on the database file, as text ("" for
    // none or Null) or number (0 for none or Null).
    static std::string TextIn(const std::string& db, const std::string& sql);
    static long NumberIn(const std::string& db, const std::string& sql);
    // A column of object 5:id of the kind in the database file.
    static std::string ColumnIn(const std::string& db, SHORT type, LONG id, const char* column);
    // TRUE when the database file has the row 5:id of the kind.
    static bool HasRow(const std::string& db, SHORT type, LONG id);
    // The publishing marks of object 5:id in a database file: "flag who:when".
    static std::string MarksIn(const std::string& db, SHORT type, LONG id);
    // The marks of an object that the run published, and of one it did not.
    static std::string Marked() { return "0 5:100@2024-03-05 10:20:30"; }
    static std::string Unmarked() { return "1 0:0@"; }

    // The log as "kind|display" lines.
    std::vector<std::string> Log() const;

    std::string m_productionDb;
    QZPublishDb::ObjectList m_list;
    QZPublishAbortFlag m_view;
    PumpHook m_pump;
};
