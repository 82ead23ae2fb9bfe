#pragma once
// Imported sites for the HTML import tests: a name table built as the site import builds it
// (one entry for each imported file, named by its absolute, lexically normal path and holding
// the key of the object made from it) and pages converted on the site database of the
// generation tests.

#include "template/values/SymbolTable.h"
#include "tests/content/GenerationFixture.h"

#include <filesystem>
#include <string>
#include <vector>

class HTMLImportTest : public GenerationTest {
protected:
    // A file of the imported site and the object made from it.
    struct Imported {
        std::string relative;
        QZKeyCombo key;
    };

    // Imports every file under the folder as the site import does, in the order of their
    // sorted paths: a page row (text read from the file, titled by its name) for each page
    // file, and keys only for images (5:200 on), multimedia files (5:300 on) and class files
    // (5:400 on). Pages take 5:100 on.
    std::vector<Imported> ImportFolder(const std::filesystem::path& root);
    // Names one file of the root as imported into the object of that key.
    void AddImported(const std::filesystem::path& root, const std::string& relative,
                     const QZKeyCombo& key);

    // Converts page 5:id, whose file lies at `relative` under the root; its converted text.
    std::string Convert(LONG id, const std::filesystem::path& root, const std::string& relative);
    // A page 5:id with that HTML as its text, converted as the file `relative` under the root.
    std::string ConvertText(LONG id, const std::string& html,
                            const std::string& relative = "index.html");

    // The root of the pages that ConvertText converts.
    std::filesystem::path Root() const { return m_dir.path() / "import"; }
    // The texts of the warnings logged so far.
    std::vector<std::string> Warnings() const;
    // The rows of a table that match the condition, as "column=value|..." texts in key order.
    std::vector<std::string> Rows(const std::string& table, const std::string& columns,
                                  const std::string& condition = "1 = 1");

    SymbolTable m_names;

private:
    LONG m_nextId[4] = {100, 200, 300, 400};
};
