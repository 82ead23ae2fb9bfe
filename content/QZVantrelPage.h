#pragma once
// A page (table Documents): HTML and template text that generation turns into one HTML file
// in the site's directory tree, locally or on an FTP site, with a banner comment, a head with
// its title, keywords and own header text, frames support, and the rows of the Dependents
// table that say which objects it uses. Publishing copies its file to production.

#include "content/QZVantrelTemplate.h"
#include "db/CDocumentSet.h"

#include <vector>

class QZVantrelPage : public QZVantrelTemplate {
    DECLARE_DYNAMIC(QZVantrelPage)
public:
    // With bOpen, the row with a claim (a read-only copy when another user holds it);
    // without, the row from the page cache.
    QZVantrelPage(const QZKeyCombo& key, BOOL bOpen, QZVantrelContext* parent = nullptr);
    // A new row, claimed, in the application's current service and section, with the
    // section's style; waiting to be generated.
    QZVantrelPage();
    ~QZVantrelPage() override;
    QZVantrelPage& operator=(const QZVantrelPage& other);

    // Writes the page file and rewrites the page's Dependents rows; afterwards GenerateFlag
    // is 0 and PublishFlag 1. 0, with the row as it was, for a dynamic page, a page never to
    // be generated, a path that leaves the site, an output that could not be opened or
    // written, and a database or file error (logged with the engine's text). The row is not
    // saved here.
    int Generate() override;
    // The generate operation of the page editor and the generate dialog: as Generate, but
    // engine errors pass to the caller, and a compile that logged errors answers 0 (the file
    // and rows are written all the same).
    int WriteDependents();
    // Answers a request with the page, as the returnpage command does: the page runs on a
    // private copy of its row marked Dynamic (the cached row stays as it is), writing its
    // head, text and foot into `output`, or nowhere without one. 1 unless writing failed.
    int ReturnInto(CFile* output);
    // Copies the page file to production and, after a good copy, counts the publication.
    int MarkPublished() override;

    // The output run: variables, head, text and foot, into the output file while an output
    // switch is on (the text only runs otherwise). 1 unless the output failed.
    int Compile() override;
    void DefineBuiltinVariables() override;
    CString GetReferenceTag() const override;
    void WriteHead() override;
    void WriteFoot() override;
    // The eight-line banner comment.
    void WriteBanner();

    // The Dynamic column: the server-side interpreter runs the page.
    BOOL IsDynamic() const override { return GetRecordset()->m_Dynamic != 0; }
    // Pages: one Dependents row for each use of an object, written when the page is done.
    void AddDependent(const QZKeyCombo& objKey, SHORT objType, const QZKeyCombo& useKey,
                      SHORT useType) override;

    CString GetKeywords() const { return GetRecordset()->m_Keywords; }
    CString GetHeader() const { return GetRecordset()->m_Header; }
    LONG GetVersionGenerated() const { return GetRecordset()->m_VersionGenerated; }
    LONG GetVersionPublished() const { return GetRecordset()->m_VersionPublished; }
    COleDateTime GetLastGenerated() const { return GetRecordset()->m_LastGenerated; }
    void SetFileName(const CString& name) { GetRecordset()->m_FileName = name; }
    void SetKeywords(const CString& keywords) { GetRecordset()->m_Keywords = keywords; }
    void SetHeader(const CString& header) { GetRecordset()->m_Header = header; }
    void SetDirectory(const CString& directory) { GetRecordset()->m_Directory = directory; }

    // The row; its flags are read and written there.
    CDocumentSet* GetRecordset() const { return RowAs<CDocumentSet>(); }

protected:
    BOOL BuildOutputDirectory(const QZSiteSettings& site, CString& path) override;

private:
    // What generation changes in the row, kept to put back when it fails.
    struct GenerationStamps {
        COleDateTime lastGenerated;
        LONG authorGenDbId;
        LONG whoGenerated;
        LONG versionGenerated;
        BYTE generateFlag;
        BYTE publishFlag;
        CString fileName;
    };
    struct Dependent {
        QZKeyCombo use;
        SHORT useType;
    };

    void BindPageColumns(CDocumentSet& set);
    // Generate's work; engine errors pass on, with the row put back.
    int RunGeneration();
    GenerationStamps TakeStamps() const;
    void PutBack(const GenerationStamps& stamps);
    // An empty FileName takes the first free "Web%d.html" of the page's directory.
    BOOL SettleFileName();
    // Replaces the page's Dependents rows by those collected in the run, all or none.
    void WriteDependentRows();
    // The page's Header text, compiled and run in a context of its own.
    void RunHeader();

    // The section's default page number, kept while the variables are defined.
    LONG m_nDefaultDocID = 0;
    std::vector<Dependent> m_dependents;
    BOOL m_bCollectDependents = FALSE;
};
