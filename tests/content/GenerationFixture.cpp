#include "tests/content/GenerationFixture.h"

#include "content/commands/RegisterContentCommands.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoRecordset.h"
#include "template/commands/QZCommandDialogs.h"
#include "template/expressions/QZTemplateExprContext.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

void GenerationTest::SetUp() {
    ContentTest::SetUp();
    const char* previous = std::getenv("MARQUILL_ROOT");
    m_hadRoot = previous != nullptr;
    m_savedRoot = m_hadRoot ? previous : "";
    setenv("MARQUILL_ROOT", m_dir.path().c_str(), 1);
    QZTemplateExprContext::Register();
    RegisterContentCommands();
    Insert("Services",
           "DbID, ServiceID, Name, Directory, DevelopPath, ProductionPath, ProductionAlias, "
           "WebMasterEmail, StyleDbID, StyleID, Deleted",
           "5, 10, 'Acme', 'site', 'C:\\dev', 'C:\\prod', 'www.acme.test', "
           "'webmaster@acme.test', 5, 30, 0");
    Insert("Sections",
           "DbID, SectionID, SectionName, SectionTitle, Directory, ServiceDbID, ServiceID, "
           "StyleDbID, StyleID, DefaultDocDbID, DefaultDocID, Deleted",
           "5, 20, 'news', 'Latest News', 'news', 5, 10, 5, 30, 5, 41, 0");
    Insert("Styles",
           "DbID, StyleID, StyleName, ServiceDbID, ServiceID, BackImageDbID, BackImageID, "
           "BackColor, TextColor, LinkColor, UsedLinkColor, ActiveLinkColor, Deleted",
           "5, 30, 'House', 5, 10, 0, 0, 'FFFFEE', '000033', '0000CC', '660066', 'CC0000', 0");
}

namespace {

const char* const kPageText = "<h1>Spring Sale</h1>\n"
                              "<<macro :12, heading=\"Offers of the week\">>\n"
                              "<p>See you soon.</p>\n";

const char* const kBannerMacro =
    "<div class=\"banner\"><h2><<print heading>></h2>\n"
    "<p><<print title>> v<<print version>> at <<print URL>></p>\n"
    "<p><<print service>> <<print section>> <<print default>> "
    "<<print sequence>></p>\n"
    "<p><<print bgcolor>> <<print textcolor>> <<print linkcolor>> "
    "<<print vlinkcolor>> <<print alinkcolor>></p>\n"
    "<p><<print Date>> <<print Time>> / <<print lastchanged>> / "
    "<<print lastgenerated>> / <<print webmaster>></p>\n"
    "</div>\n";

} // namespace

void GenerationTest::AddSalePage() {
    AddMacro(12, "Page banner", kBannerMacro);
    AddMacro(13, "Author meta", "<meta name=\"author\" content=\"Acme Web Team\">\n");
    AddPage(40, "Spring Sale",
            "FileName, Directory, Keywords, Header, ScriptBody, SectionSequence, LastChanged",
            "'sale.html', 'archive/may', 'sale, spring', '<<macro :13>>', " + Quote(kPageText) +
                ", 3, #2024-02-01 09:00:00#");
    Update(ContentKindOf(OBJ_PAGE), 40, "HasFrames = 1, VersionGenerated = 6");
}

void GenerationTest::TearDown() {
    SetCommandDialogs(nullptr);
    m_hadRoot ? setenv("MARQUILL_ROOT", m_savedRoot.c_str(), 1) : unsetenv("MARQUILL_ROOT");
    ContentTest::TearDown();
}

std::string GenerationTest::Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
}

void GenerationTest::AddPage(LONG id, const std::string& title, const std::string& columns,
                             const std::string& values) {
    AddRow(ContentKindOf(OBJ_PAGE), id, title,
           "ServiceDbID, ServiceID, SectionDbID, SectionID, StyleDbID, StyleID, "
           "VersionGenerated, VersionPublished, GenerateFlag, PublishFlag, Dynamic, "
           "NeverGenerateFlag, HasFrames" +
               (columns.empty() ? "" : ", " + columns),
           "5, 10, 5, 20, 5, 30, 0, 0, 1, 0, 0, 0, 0" + (values.empty() ? "" : ", " + values));
}

void GenerationTest::AddMacro(LONG id, const std::string& name, const std::string& text) {
    AddRow(ContentKindOf(OBJ_MACRO), id, name, "ServiceDbID, ServiceID, ScriptBody",
           "5, 10, " + Quote(text));
}

void GenerationTest::Update(const ContentKind& kind, LONG id, const std::string& assignments) {
    ExecuteOn(m_path, std::string("UPDATE ") + kind.table + " SET " + assignments +
                          " WHERE DbID = 5 AND " + kind.idColumn + " = " + std::to_string(id));
}

std::unique_ptr<QZVantrelPage> GenerationTest::LoadPage(LONG id) {
    return std::make_unique<QZVantrelPage>(QZKeyCombo(kDbId, id, OBJ_PAGE), TRUE);
}

std::string GenerationTest::UnderRoot(const std::string& relative) const {
    return (m_dir.path() / relative).string();
}

std::string GenerationTest::ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void GenerationTest::WriteFile(const std::string& path, const std::string& content) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::vector<std::string> GenerationTest::DependentsOf(LONG id) {
    CDaoDatabase db;
    db.Open(m_path.c_str());
    CDaoRecordset rows(&db);
    std::string sql = "SELECT ObjDbID, ObjKeyID, ObjTypeID, UseDbID, UseKeyID, UseTypeID "
                      "FROM Dependents WHERE ObjDbID = 5 AND ObjKeyID = " +
                      std::to_string(id);
    rows.Open(dbOpenSnapshot, sql.c_str());
    std::vector<std::string> found;
    auto number = [&](int field) {
        COleVariant value = rows.GetFieldValue(field);
        value.ChangeType(VT_I4);
        return std::to_string(value.lVal);
    };
    for (; !rows.IsEOF(); rows.MoveNext())
        found.push_back(number(0) + ":" + number(1) + "@" + number(2) + " -> " + number(3) + ":" +
                        number(4) + "@" + number(5));
    rows.Close();
    db.Close();
    return found;
}

std::vector<std::string> GenerationTest::Errors() const {
    std::vector<std::string> errors;
    for (const auto& line : m_messages.lines())
        if (line.kind == 0)
            errors.push_back(line.display);
    return errors;
}

std::vector<std::string> GenerationTest::FilesIn(const std::string& relative) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(UnderRoot(relative)))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
