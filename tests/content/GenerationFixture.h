#pragma once
// A site to generate: service 5:10 "Acme" (directory "site", development tree under
// "C:\dev", production tree under "C:\prod", both mapped into the test's folder), section 5:20
// "Latest News" (directory "news", style 5:30), style 5:30 with five colours, the template
// language and the macro command registered, every message box recorded and the paths of the
// original mapped into the test's folder.

#include "content/QZVantrelPage.h"
#include "tests/content/ContentFixture.h"
#include "tests/support/TestSupport.h"

#include <memory>
#include <string>
#include <vector>

class GenerationTest : public ContentTest {
protected:
    static constexpr LONG kStyle = 30;

    void SetUp() override;
    void TearDown() override;

    // The text as an SQL literal.
    static std::string Quote(const std::string& text);
    // Page 5:id of the site's service and section, with these columns more.
    void AddPage(LONG id, const std::string& title, const std::string& columns = "",
                 const std::string& values = "");
    // Macro 5:id of the site's service with this text.
    void AddMacro(LONG id, const std::string& name, const std::string& text);
    // Runs "UPDATE table SET assignments WHERE DbID = 5 AND idColumn = id".
    void Update(const ContentKind& kind, LONG id, const std::string& assignments);

    // Page 5:40 "Spring Sale", version 6, in "archive/may" as "sale.html", with keywords,
    // frames, a header running macro 5:13 and a text running macro 5:12 with a parameter,
    // which prints the page's built-in variables.
    void AddSalePage();
    // Where the sale page is generated on the local development site.
    std::string PagePath() const { return UnderRoot("dev/site/news/archive/may/sale.html"); }

    // The page loaded for editing.
    std::unique_ptr<QZVantrelPage> LoadPage(LONG id);
    // The full path of a file under the test's folder ("dev/site/news/x.html").
    std::string UnderRoot(const std::string& relative) const;
    static std::string ReadFile(const std::string& path);
    static void WriteFile(const std::string& path, const std::string& content);
    // The rows of Dependents of page 5:id, as "obj -> use@type" texts in order.
    std::vector<std::string> DependentsOf(LONG id);

    // The display lines of the error messages logged so far.
    std::vector<std::string> Errors() const;
    // The names of the files in a folder under the test's folder, sorted.
    std::vector<std::string> FilesIn(const std::string& relative) const;

    MessageBoxRecorder m_boxes;

private:
    bool m_hadRoot = false;
    std::string m_savedRoot;
};
