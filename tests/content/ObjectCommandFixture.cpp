#include "tests/content/ObjectCommandFixture.h"

#include "db/QZRecordsetCaches.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoRecordset.h"

ScriptedDraws::ScriptedDraws(std::vector<int> draws)
    : m_draws(std::move(draws)), m_previous(SetRandomSource(this)) {}

ScriptedDraws::~ScriptedDraws() {
    SetRandomSource(m_previous);
}

int ScriptedDraws::Draw() {
    int draw = m_draws.at(m_next);
    if (m_next + 1 < m_draws.size())
        m_next++;
    return draw;
}

void ObjectCommandTest::SetUp() {
    GenerationTest::SetUp();
    AddPage(40, "Home", "FileName", "'page.html'");
    const std::string place = "ServiceDbID, ServiceID, SectionDbID, SectionID, ";
    AddRow(ContentKindOf(OBJ_IMAGE), 3, "Logo",
           place + "FileName, Directory, AlternateText, Height, Width, BorderWidth, HSpace, "
                   "VSpace, MapFile",
           "5, 10, 5, 20, 'logo.gif', 'img', 'Logo', 31, 88, 0, 0, 0, 'logo.map'");
    AddRow(ContentKindOf(OBJ_ACTIVEX), 17, "Clock",
           place + "ClassID, Name, Data, DataType, Border, Height, Width, HSpace, VSpace, StandBy",
           "5, 10, 5, 20, 'A1B2-C3D4', 'clock', 'clock.dat', 'application/x-clock', 1, 50, 60, "
           "2, 3, 'Loading'");
    AddRow(ContentKindOf(OBJ_JAVA), 18, "Ticker",
           place + "Code, Directory, AlternateText, Height, Width, HSpace, VSpace, Download",
           "5, 10, 5, 20, 'Ticker.class', 'applets', '', 20, 300, 0, 0, 0");
    AddRow(ContentKindOf(OBJ_MEDIA), 19, "Jingle", place + "FileName, Directory",
           "5, 10, 5, 20, 'jingle.wav', 'sounds'");
    AddRow(ContentKindOf(OBJ_AD), 7, "Spring offer", "ServiceDbID, ServiceID, ImageDbID, ImageID",
           "5, 10, 5, 3");
    AddRow(ContentKindOf(OBJ_ADSPACE), 12, "Top banner",
           "ServiceDbID, ServiceID, DbID1, AdID1, AdPercent1", "5, 10, 5, 7, 100");
}

std::string ObjectCommandTest::Body(const std::string& text) {
    Update(ContentKindOf(OBJ_PAGE), 40, "ScriptBody = " + Quote(text));
    ClearRecordsetCaches();
    auto page = LoadPage(40);
    EXPECT_EQ(page->Generate(), 1);
    std::string file = ReadFile(UnderRoot("dev/site/news/page.html"));
    size_t start = file.find(">\n", file.find("<body")) + 2;
    return file.substr(start, file.find("</body>") - start);
}

std::vector<std::string> ObjectCommandTest::ErrorTexts() const {
    std::vector<std::string> texts;
    for (const std::string& line : Errors())
        texts.push_back(line.substr(line.find("error: ") + 7));
    return texts;
}

std::unique_ptr<QZVantrelPage> ObjectCommandTest::EditPage(const std::string& text) {
    Update(ContentKindOf(OBJ_PAGE), 40, "ScriptBody = " + Quote(text));
    ClearRecordsetCaches();
    return LoadPage(40);
}

std::vector<std::string> ObjectCommandTest::Impressions() {
    CDaoDatabase db;
    db.Open(m_path.c_str());
    CDaoRecordset rows(&db);
    rows.Open(dbOpenSnapshot, "SELECT AdSpaceDbID, AdSpaceID, AdDbID, AdID, DocDbID, DocID, "
                              "WhenPosted FROM MQ_PageImpressions");
    std::vector<std::string> found;
    auto number = [&](int field) {
        COleVariant value = rows.GetFieldValue(field);
        value.ChangeType(VT_I4);
        return std::to_string(value.lVal);
    };
    for (; !rows.IsEOF(); rows.MoveNext()) {
        COleVariant when = rows.GetFieldValue(6);
        COleDateTime posted(when.date);
        found.push_back(number(0) + ":" + number(1) + " " + number(2) + ":" + number(3) + " " +
                        number(4) + ":" + number(5) + " " +
                        posted.Format("%Y-%m-%d %H:%M:%S").str());
    }
    rows.Close();
    db.Close();
    return found;
}
