#include "tests/content/PublishFixture.h"

#include "db/QZRecordsetCaches.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoRecordset.h"

#include <stdexcept>

const std::vector<PublishTest::Kind>& PublishTest::Kinds() {
    static const std::vector<Kind> kinds{
        {OBJ_SERVICE, "Services", "ServiceID", "Name", false, "Service"},
        {OBJ_SECTION, "Sections", "SectionID", "SectionTitle", false, "Section"},
        {OBJ_PAGE, "Documents", "DocID", "Title", true, "Page"},
        {OBJ_MACRO, "Templates", "TemplateID", "TemplateName", false, "Macro"},
        {OBJ_IMAGE, "Images", "ImageID", "Name", true, "Image"},
        {OBJ_QUERY, "Query", "QueryID", "QueryName", false, "Query"},
        {OBJ_MESSAGE, "Messages", "MessageID", "Title", false, "Email"},
        {OBJ_STYLE, "Styles", "StyleID", "StyleName", false, "Style"},
        {OBJ_FORM, "Forms", "FormID", "Title", false, "Form"},
        {OBJ_ACTIVEX, "MQ_ActiveX", "ObjectID", "Title", true, "ActiveX"},
        {OBJ_JAVA, "MQ_Java", "JavaID", "Title", true, "Java"},
        {OBJ_MEDIA, "MQ_Media", "MediaID", "Title", true, "Multimedia"},
        {OBJ_SCRIPT, "MQ_Script", "ScriptID", "Title", true, "Script"},
        {OBJ_ADVERTISER, "MQ_Advertiser", "AdvertiserID", "BusinessName", false, "Advertiser"},
        {OBJ_EVENT, "MQ_Events", "EventID", "Title", false, "Event"},
        {OBJ_ADSPACE, "MQ_AdSpace", "AdSpaceID", "Title", false, "Ad Space"},
        {OBJ_AD, "MQ_Ad", "AdID", "Title", false, "Ad"},
        {OBJ_PHOTO, "PhotoImages", "PhotoID", "Name", true, ""},
        {OBJ_AUTHOR, "Authors", "AuthorID", "Name", false, ""},
    };
    return kinds;
}

const PublishTest::Kind& PublishTest::KindOf(SHORT type) {
    for (const Kind& kind : Kinds())
        if (kind.type == type)
            return kind;
    throw std::invalid_argument("no published kind of that type");
}

PublishTest::PumpHook::PumpHook() : m_previous(SetMessagePump(this)) {}

PublishTest::PumpHook::~PumpHook() {
    SetMessagePump(m_previous);
}

void PublishTest::PumpHook::PumpWaitingMessages() {
    ++calls;
    if (hook)
        hook(calls);
}

void PublishTest::SetUp() {
    GenerationTest::SetUp();
    m_productionDb = UnderRoot("prod.mdb");
    // Production databases number no keys themselves: they take the site database's.
    CreateSiteDatabase(m_productionDb, 7, "Production", 0);
    Update(ContentKindOf(OBJ_SERVICE), kService, "ProductionDatabasePath = 'C:\\prod.mdb'");
}

void PublishTest::TearDown() {
    while (!m_list.IsEmpty())
        delete m_list.RemoveHead();
    GenerationTest::TearDown();
}

void PublishTest::AddObject(SHORT type, LONG id, const std::string& name,
                            const std::string& columns, const std::string& values) {
    const Kind& kind = KindOf(type);
    std::string names = std::string("DbID, ") + kind.idColumn + ", " + kind.nameColumn;
    std::string row = "5, " + std::to_string(id) + ", " + Quote(name);
    if (type != OBJ_SERVICE) {
        names += ", ServiceDbID, ServiceID";
        row += ", 5, 10";
    }
    if (kind.inSection) {
        names += ", SectionDbID, SectionID";
        row += ", 5, 20";
    }
    if (!columns.empty()) {
        names += ", " + columns;
        row += ", " + values;
    }
    Insert(kind.table, names, row);
}

namespace {

// Bytes of every value, so that a copy that is not byte for byte shows.
std::string Binary(const std::string& tag) {
    std::string bytes = tag + "\r\n";
    for (int i = 0; i < 256; i++)
        bytes += static_cast<char>(i);
    return bytes;
}

} // namespace

void PublishTest::AddEveryKind() {
    AddSalePage();
    AddPage(41, "Order Form", "FileName", "'order.html'");
    UpdateObject(OBJ_PAGE, 41, "Dynamic = 1");
    AddObject(OBJ_IMAGE, 50, "Logo", "Directory, FileName, MapFile",
              "'img', 'logo.gif', 'logo.map'");
    AddObject(OBJ_IMAGE, 51, "Strip", "FileName", "'strip.jpg'");
    AddObject(OBJ_QUERY, 60, "Products");
    AddObject(OBJ_MESSAGE, 61, "Welcome");
    AddObject(OBJ_FORM, 62, "Order");
    AddObject(OBJ_ACTIVEX, 63, "Viewer");
    AddObject(OBJ_JAVA, 64, "Clock", "Directory, Code", "'applets', 'Clock.class'");
    AddObject(OBJ_MEDIA, 65, "Intro", "Directory, FileName", "'media', 'intro.wav'");
    AddObject(OBJ_SCRIPT, 66, "Check");
    AddObject(OBJ_ADVERTISER, 67, "Acme Tools");
    AddObject(OBJ_EVENT, 68, "Nightly");
    AddObject(OBJ_ADSPACE, 69, "Top banner");
    AddObject(OBJ_AD, 70, "Spring ad");
    for (const Kind& kind : Kinds())
        if (kind.type != OBJ_PHOTO && kind.type != OBJ_AUTHOR)
            ExecuteOn(m_path, std::string("UPDATE ") + kind.table + " SET PublishFlag = 1");
    PutDevelopFile("news/archive/may/sale.html", Binary("sale"));
    PutDevelopFile("news/img/logo.gif", Binary("logo"));
    PutDevelopFile("news/img/logo.map", "rect 0,0,10,10 index.html\n");
    PutDevelopFile("news/strip.jpg", Binary("strip"));
    PutDevelopFile("news/applets/Clock.class", Binary("clock"));
    PutDevelopFile("news/media/intro.wav", Binary("intro"));
}

void PublishTest::UpdateObject(SHORT type, LONG id, const std::string& assignments) {
    const Kind& kind = KindOf(type);
    ExecuteOn(m_path, std::string("UPDATE ") + kind.table + " SET " + assignments +
                          " WHERE DbID = 5 AND " + kind.idColumn + " = " + std::to_string(id));
}

void PublishTest::List(SHORT type, LONG id, const std::string& name) {
    m_list.AddTail(new QZNameAndKey(name.c_str(), kDbId, id, type));
}

void PublishTest::ListEveryKind() {
    List(OBJ_SERVICE, 10, "Acme");
    List(OBJ_SECTION, 20, "Latest News");
    List(OBJ_PAGE, 40, "Spring Sale");
    List(OBJ_PAGE, 41, "Order Form");
    List(OBJ_MACRO, 12, "Page banner");
    List(OBJ_IMAGE, 50, "Logo");
    List(OBJ_IMAGE, 51, "Strip");
    List(OBJ_QUERY, 60, "Products");
    List(OBJ_MESSAGE, 61, "Welcome");
    List(OBJ_STYLE, 30, "House");
    List(OBJ_FORM, 62, "Order");
    List(OBJ_ACTIVEX, 63, "Viewer");
    List(OBJ_JAVA, 64, "Clock");
    List(OBJ_MEDIA, 65, "Intro");
    List(OBJ_SCRIPT, 66, "Check");
    List(OBJ_ADVERTISER, 67, "Acme Tools");
    List(OBJ_EVENT, 68, "Nightly");
    List(OBJ_ADSPACE, 69, "Top banner");
    List(OBJ_AD, 70, "Spring ad");
}

std::vector<std::string> PublishTest::PublishedLines() const {
    std::vector<std::string> lines;
    for (POSITION position = m_list.GetHeadPosition(); position != nullptr;) {
        const QZNameAndKey* entry = m_list.GetNext(position);
        lines.push_back(std::string("2|Published: ") + KindOf(entry->m_Key.m_ObjectType).word +
                        " - " + entry->m_DisplayText.str());
    }
    return lines;
}

int PublishTest::Run(LONG serviceDbId, LONG serviceId) {
    ClearRecordsetCaches();
    m_view.m_bAbort = FALSE;
    QZPublishDb run;
    return run.Publish(&m_view, QZKeyCombo(serviceDbId, serviceId, OBJ_SERVICE), m_list);
}

void PublishTest::PutDevelopFile(const std::string& relative, const std::string& content) {
    WriteFile(UnderRoot("dev/site/" + relative), content);
}

std::string PublishTest::ProductionFile(const std::string& relative) const {
    return ReadFile(UnderRoot("prod/site/" + relative));
}

std::string PublishTest::TextIn(const std::string& db, const std::string& sql) {
    CDaoDatabase database;
    database.Open(db.c_str());
    CDaoRecordset rows(&database);
    rows.Open(dbOpenSnapshot, sql.c_str());
    std::string text;
    if (!rows.IsEOF()) {
        COleVariant value = rows.GetFieldValue(0);
        if (value.vt == VT_DATE)
            text = COleDateTime(value.date).Format("%Y-%m-%d %H:%M:%S").str();
        else if (value.vt != VT_NULL && value.vt != VT_EMPTY) {
            value.ChangeType(VT_BSTR);
            text = value.bstrVal.str();
        }
    }
    rows.Close();
    database.Close();
    return text;
}

long PublishTest::NumberIn(const std::string& db, const std::string& sql) {
    std::string text = TextIn(db, sql);
    return text.empty() ? 0 : std::stol(text);
}

std::string PublishTest::ColumnIn(const std::string& db, SHORT type, LONG id, const char* column) {
    const Kind& kind = KindOf(type);
    return TextIn(db, std::string("SELECT ") + column + " FROM " + kind.table +
                          " WHERE DbID = 5 AND " + kind.idColumn + " = " + std::to_string(id));
}

bool PublishTest::HasRow(const std::string& db, SHORT type, LONG id) {
    const Kind& kind = KindOf(type);
    return CountRows(db, std::string("SELECT * FROM ") + kind.table + " WHERE DbID = 5 AND " +
                             kind.idColumn + " = " + std::to_string(id)) == 1;
}

std::string PublishTest::MarksIn(const std::string& db, SHORT type, LONG id) {
    return ColumnIn(db, type, id, "PublishFlag") + " " +
           ColumnIn(db, type, id, "AuthorPublishedDbID") + ":" +
           ColumnIn(db, type, id, "WhoPublished") + "@" + ColumnIn(db, type, id, "LastPublished");
}

std::vector<std::string> PublishTest::Log() const {
    std::vector<std::string> lines;
    for (const auto& line : m_messages.lines())
        lines.push_back(std::to_string(line.kind) + "|" + line.display);
    return lines;
}
