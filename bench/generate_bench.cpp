// Generating a site: a site database of N pages (MQ_BENCH_PAGES, default 10,000), each with one
// macro (a heading with the page's title), four paragraphs, five links to other pages and a
// table of the 20 rows of a stored query of the shop's data database; every page is opened for
// editing, generated into its local file and saved, one after another on one thread, as the
// generate dialog does. Items per second is pages per second; the peak resident memory of the
// process is reported beside it. Each link loads the page it names and writes its address, and
// is recorded as a dependency of the page.

#include "content/QZEngineMessage.h"
#include "content/QZEngineMessageSink.h"
#include "content/QZVantrelPage.h"
#include "content/commands/RegisterContentCommands.h"
#include "db/QZDbUpdate.h"
#include "db/QZRecordsetCaches.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/CDaoWorkspace.h"
#include "shell/CVantrel3App.h"
#include "template/expressions/QZTemplateExprContext.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

constexpr LONG kDbId = 5;

int PageCount() {
    const char* text = std::getenv("MQ_BENCH_PAGES");
    int count = text != nullptr ? std::atoi(text) : 0;
    return count > 0 ? count : 10000;
}

// The engine's log lines are not this measure.
class DroppedMessages : public QZEngineMessageSink {
public:
    DroppedMessages() : m_previous(SetEngineMessageSink(this)) {}
    ~DroppedMessages() override { SetEngineMessageSink(m_previous); }
    void Post(QZEngineMessage* message) override { delete message; }

private:
    QZEngineMessageSink* m_previous;
};

double PeakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

std::string PageText(int id, int pages) {
    std::string text = "<<macro :1>>\n";
    for (int p = 1; p <= 4; p++)
        text += "<p>Paragraph " + std::to_string(p) +
                " of this page tells the reader about the "
                "goods and the services of the shop, with prices, opening hours and the way to "
                "the door.</p>\n";
    text += "<ul>\n";
    for (int link = 1; link <= 5; link++) {
        int target = 1 + (id + link * 37) % pages;
        text += "<li><<link linkid=5:" + std::to_string(target) + ">>Page " +
                std::to_string(target) + "<</link>></li>\n";
    }
    return text + "</ul>\n<table>\n<<query :50>><tr><td><<print [rownumber]>></td><td>"
                  "<<print [Name]>></td><td><<print [Price]>></td></tr>\n<</query>></table>\n";
}

// The shop's data database: Items (ItemID counter, Name, Price) with 20 rows, and the stored
// query AllItems over them.
void MakeShop(const std::string& path) {
    CDaoDatabase db;
    db.Create(path.c_str());
    CDaoTableDef items(&db);
    items.Create("Items");
    items.CreateField("ItemID", dbLong, 4, dbAutoIncrField);
    items.CreateField("Name", dbText, 40);
    items.CreateField("Price", dbDouble, 8);
    items.Append();
    for (int item = 1; item <= 20; item++)
        db.Execute(("INSERT INTO Items (Name, Price) VALUES ('Item " + std::to_string(item) +
                    "', " + std::to_string(item) + ".5)")
                       .c_str());
    CDaoQueryDef query(&db);
    query.Create("AllItems", "SELECT Name, Price FROM Items ORDER BY ItemID;");
    query.Append();
    db.Close();
}

// A site database in a folder of its own with one service, section, style and macro and the
// pages, opened as the application's site database.
class Site {
public:
    explicit Site(int pages) {
        // TMPDIR chooses the file system the pages are written to.
        std::string pattern = (std::filesystem::temp_directory_path() / "mqbench-XXXXXX").string();
        m_dir = mkdtemp(pattern.data());
        std::string path = m_dir + "/mq.mdb";
        // Made by a child process, so that making it does not count in the peak memory.
        pid_t child = fork();
        if (child == 0) {
            QZDbUpdate update;
            bool made = update.CreateNewDatabase(path.c_str(), 0, 1);
            if (made) {
                MakeShop(m_dir + "/shop.mdb");
                Fill(path, pages);
            }
            _exit(made ? 0 : 1);
        }
        int status = 1;
        if (child < 0 || waitpid(child, &status, 0) != child || status != 0)
            throw std::runtime_error("cannot make the site database");
        m_app.GetUserKey().SetKey(kDbId, 100);
        m_app.GetCurrentServiceKey().SetKey(kDbId, 10);
        m_app.GetCurrentSectionKey().SetKey(kDbId, 20);
        m_app.m_VantrelDb.SetDatabasePath(path.c_str());
        if (!m_app.m_VantrelDb.OpenDatabase(0))
            throw std::runtime_error("cannot open the site database");
    }
    ~Site() {
        ClearRecordsetCaches();
        m_app.m_VantrelDb.Close();
        std::filesystem::remove_all(m_dir);
    }

private:
    void Fill(const std::string& path, int pages) {
        CDaoDatabase db;
        db.Open(path.c_str());
        db.m_pWorkspace->BeginTrans();
        db.Execute("UPDATE Marquill SET DbID = 5, Miscellaneous = ''");
        db.Execute(("INSERT INTO Services (DbID, ServiceID, Name, Directory, DevelopPath, "
                    "StyleDbID, StyleID, Deleted) VALUES (5, 10, 'Shop', 'shop', '" +
                    m_dir + "/dev', 5, 30, 0)")
                       .c_str());
        db.Execute("INSERT INTO Sections (DbID, SectionID, SectionTitle, Directory, ServiceDbID, "
                   "ServiceID, StyleDbID, StyleID, Deleted) VALUES (5, 20, 'Goods', 'goods', 5, "
                   "10, 5, 30, 0)");
        db.Execute("INSERT INTO Styles (DbID, StyleID, StyleName, ServiceDbID, ServiceID, "
                   "BackImageDbID, BackImageID, BackColor, TextColor, LinkColor, UsedLinkColor, "
                   "ActiveLinkColor, Deleted) VALUES (5, 30, 'House', 5, 10, 0, 0, 'FFFFFF', "
                   "'000000', '0000FF', '770077', 'FF0000', 0)");
        db.Execute(("INSERT INTO Query (DbID, QueryID, QueryName, SQLName, DatabaseName, "
                    "QueryType, ServiceDbID, ServiceID, Deleted) VALUES (5, 50, 'Items', "
                    "'AllItems', '" +
                    m_dir + "/shop.mdb', 0, 5, 10, 0)")
                       .c_str());
        db.Execute("INSERT INTO Templates (DbID, TemplateID, TemplateName, ScriptBody, "
                   "ServiceDbID, ServiceID, Deleted) VALUES (5, 1, 'Heading', "
                   "'<h1><<interpret title>></h1>', 5, 10, 0)");
        for (int id = 1; id <= pages; id++) {
            std::string sql =
                "INSERT INTO Documents (DbID, DocID, Title, FileName, ScriptBody, ServiceDbID, "
                "ServiceID, SectionDbID, SectionID, StyleDbID, StyleID, VersionGenerated, "
                "VersionPublished, GenerateFlag, PublishFlag, Dynamic, NeverGenerateFlag, "
                "HasFrames, Deleted) VALUES (5, " +
                std::to_string(id) + ", 'Page " + std::to_string(id) + "', 'page" +
                std::to_string(id) + ".html', '" + PageText(id, pages) +
                "', 5, 10, 5, 20, 5, 30, 0, 0, 1, 0, 0, 0, 0, 0)";
            db.Execute(sql.c_str());
        }
        db.m_pWorkspace->CommitTrans();
        db.Close();
    }

    std::string m_dir;
    CVantrel3App m_app;
};

void GenerateSite(benchmark::State& state) {
    QZTemplateExprContext::Register();
    RegisterContentCommands();
    DroppedMessages messages;
    int pages = PageCount();
    Site site(pages);
    double before = PeakMiB();
    for (auto _ : state) {
        int generated = 0;
        for (int id = 1; id <= pages; id++) {
            QZVantrelPage page(QZKeyCombo(kDbId, id, OBJ_PAGE), TRUE);
            generated += page.Generate();
            page.Save();
        }
        ClearRecordsetCaches();
        if (generated != pages)
            state.SkipWithError("a page was not generated");
    }
    state.SetItemsProcessed(state.iterations() * pages);
    // The peak of the whole process, and that of making the site before the pages ran.
    state.counters["peak_MiB"] = PeakMiB();
    state.counters["setup_peak_MiB"] = before;
}

BENCHMARK(GenerateSite)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
