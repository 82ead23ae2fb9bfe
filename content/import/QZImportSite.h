#pragma once
// Turns a web site on the local disk into a new service: a section for the root ("Main
// Section") and for each first-level directory, one row for every page, image, multimedia file
// and Java class file down to the depth limit (0 to 2), and then the HTML of every imported
// page converted into template text whose links and embedded objects name the imported
// objects by key. The constructor does the whole import and logs one line per object.

#include "db/QZKeyCombo.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <memory>
#include <string>
#include <vector>

class CDocumentSet;
class CImagesSet;
class CJavaSet;
class CMediaSet;
class QZHTMLContext;
class QZSection;
class QZService;
class QZVantrelPage;
class SymbolTable;

class QZImportSite : public CObject {
    DECLARE_DYNAMIC(QZImportSite)
public:
    // Imports the tree under `rootPath`, entering directories down to `depthLimit` levels
    // (below 0 acts as 0, above 2 as 2). A root that cannot be read stops the import before
    // anything is made, with an error line.
    QZImportSite(const CString& rootPath, LONG depthLimit);
    ~QZImportSite() override;
    QZImportSite(const QZImportSite&) = delete;
    QZImportSite& operator=(const QZImportSite&) = delete;

    // The text with CR LF line ends only: a lone LF gets a CR before it, a lone CR (also at the
    // very end) an LF after it.
    static CString NormalizeLineEnds(const CString& text);

    // The new service's key; DbID 0 and KeyID 0 when the import stopped before making it.
    const QZKeyCombo& GetServiceKey() const { return m_ServiceKey; }

private:
    // One imported file: its absolute, lexically normal path and the key of its object.
    struct ImportedFile {
        CString path;
        QZKeyCombo key;
    };

    BOOL CreateService();
    void CreateMainSection();
    void ImportDirectory(const CString& directory);
    void EnterDirectory(const CString& path, const CString& name);
    void ImportFile(const CString& path, const CString& name);
    // Adds the row of one file to its table and logs it.
    template <class Set, typename Fill>
    void AddFileRow(Set& set, SHORT type, const CString& path, Fill fill);
    void ConvertPages();
    static void LogCreated(const QZKeyCombo& key, const CString& text);
    static void LogError(const CString& text);

    std::unique_ptr<CDocumentSet> m_pDocumentSet;
    std::unique_ptr<CImagesSet> m_pImagesSet;
    std::unique_ptr<CMediaSet> m_pMediaSet;
    std::unique_ptr<CJavaSet> m_pJavaSet;
    // The key of every imported file by its path (compared without regard to case), as the
    // converter looks links up.
    std::unique_ptr<SymbolTable> m_pFileTable;
    std::vector<ImportedFile> m_importList;
    CString m_strRootPath;
    // The name of the second-level directory whose files record it as their Directory.
    CString m_strCurrentDirectory;
    SHORT m_nDepth = 0;
    LONG m_nDepthLimit = 0;
    // The first-level section being walked; the Main Section receives the root's files.
    std::unique_ptr<QZSection> m_pSection;
    std::unique_ptr<QZSection> m_pMainSection;
    QZKeyCombo m_ServiceKey;
};
