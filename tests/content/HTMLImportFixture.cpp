#include "tests/content/HTMLImportFixture.h"

#include "content/QZEngineMessage.h"
#include "content/import/QZHTMLContext.h"
#include "content/import/QZImportPaths.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoRecordset.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

// The kind of object the import makes from a file of that extension; -1 for none.
int KindOf(std::string extension) {
    std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
    for (const char* page : {".html", ".htm", ".asp", ".shtml", ".shtm"})
        if (extension == page)
            return 0;
    for (const char* image : {".gif", ".jpg", ".jpeg", ".png"})
        if (extension == image)
            return 1;
    for (const char* media : {".wav", ".mid", ".au", ".avi", ".mov", ".mpg"})
        if (extension == media)
            return 2;
    return extension == ".class" ? 3 : -1;
}

const SHORT kTypes[4] = {OBJ_PAGE, OBJ_IMAGE, OBJ_MEDIA, OBJ_JAVA};

} // namespace

std::vector<HTMLImportTest::Imported> HTMLImportTest::ImportFolder(const fs::path& root) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files.push_back(fs::relative(entry.path(), root).string());
    std::sort(files.begin(), files.end());
    std::vector<Imported> imported;
    for (const std::string& relative : files) {
        int kind = KindOf(fs::path(relative).extension().string());
        if (kind < 0)
            continue;
        QZKeyCombo key(kDbId, m_nextId[kind]++, kTypes[kind]);
        if (kind == 0)
            AddPage(key.m_KeyID, fs::path(relative).filename().string(), "ScriptBody",
                    Quote(ReadFile((root / relative).string())));
        AddImported(root, relative, key);
        imported.push_back({relative, key});
    }
    return imported;
}

void HTMLImportTest::AddImported(const fs::path& root, const std::string& relative,
                                 const QZKeyCombo& key) {
    m_names.SetKey(NormaliseLocalPath((root / relative).string().c_str()), key);
}

std::string HTMLImportTest::Convert(LONG id, const fs::path& root, const std::string& relative) {
    auto page = LoadPage(id);
    CString file = NormaliseLocalPath((root / relative).string().c_str());
    CString directory = file.Left(file.ReverseFind('/'));
    QZHTMLContext converter(page.get(), &m_names, root.string().c_str(), directory);
    std::string text = page->GetTemplateText().str();
    EXPECT_EQ(page->Save(), 1);
    return text;
}

std::string HTMLImportTest::ConvertText(LONG id, const std::string& html,
                                        const std::string& relative) {
    AddPage(id, "Imported page", "ScriptBody", Quote(html));
    return Convert(id, Root(), relative);
}

std::vector<std::string> HTMLImportTest::Warnings() const {
    std::vector<std::string> warnings;
    for (const auto& line : m_messages.lines())
        if (line.kind == QZEngineMessage::kindWarning)
            warnings.push_back(line.display);
    return warnings;
}

std::vector<std::string> HTMLImportTest::Rows(const std::string& table, const std::string& columns,
                                              const std::string& condition) {
    CDaoDatabase db;
    db.Open(m_path.c_str());
    CDaoRecordset rows(&db);
    std::string sql = "SELECT " + columns + " FROM " + table + " WHERE " + condition;
    rows.Open(dbOpenSnapshot, sql.c_str());
    std::vector<std::string> found;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        std::string row;
        for (short i = 0; i < rows.GetFieldCount(); i++) {
            COleVariant value = rows.GetFieldValue(i);
            std::string text = "NULL";
            if (value.vt != VT_NULL && value.vt != VT_EMPTY) {
                value.ChangeType(VT_BSTR);
                text = value.bstrVal.str();
            }
            row += (i > 0 ? "|" : "") + text;
        }
        found.push_back(row);
    }
    rows.Close();
    db.Close();
    return found;
}
