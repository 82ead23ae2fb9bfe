#pragma once
// A macro (table Templates): reusable template text that pages and other macros include, and
// the base of every kind whose row carries template text. It owns the parse context of its
// text, defines the built-in variables before the text runs, writes the HTML frame around the
// output into its output file, and previews itself into a scratch file whose address the
// preview window opens. It is the owner that its running text reports to and writes through.

#include "content/QZFileDestination.h"
#include "content/QZVantrelBase.h"
#include "db/CTemplatesSet.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZUndoRedo.h"
#include "template/parser/QZVantrelMemoFld.h"

#include <memory>
#include <utility>
#include <vector>

class QZCommandBase;
class QZVantrelContext;
struct QZSiteSettings;

class QZVantrelTemplate : public QZVantrelBase, public QZTemplateRunOwner {
    DECLARE_DYNAMIC(QZVantrelTemplate)
public:
    // The macro of the key, included by the text whose context is `parent` (none for a macro
    // opened by itself). With bOpen, its row with a claim; without, the row from the macro
    // cache.
    QZVantrelTemplate(const QZKeyCombo& key, BOOL bOpen, QZVantrelContext* parent = nullptr);
    // A new macro row, claimed, in the application's current service.
    QZVantrelTemplate();
    // Deletes the scratch preview file of a local site.
    ~QZVantrelTemplate() override;
    QZVantrelTemplate& operator=(const QZVantrelTemplate& other);

    // Normalises the text (parsed and written back), then stamps and rewrites the row.
    int Save() override;

    // ---- Operations of the template kinds ----
    // The macro: parses and runs its text into the current output.
    virtual int Compile();
    // Generates the object into the first free "Web%d.html" of its development directory and
    // sets m_strOutputURL to its address. 1 when the file was written.
    virtual int Preview();
    virtual void DefineBuiltinVariables();
    virtual LONG GetDbIDValue() const { return Read(m_Columns.dbId); }
    virtual LONG GetTemplateID() const { return Read(m_Columns.ownId); }
    virtual LONG GetServiceIDValue() const { return Read(m_Columns.serviceId); }
    virtual LONG GetServiceDbIDValue() const { return Read(m_Columns.serviceDbId); }
    virtual CString& GetText() { return *m_pText; }
    virtual CString& GetTemplateName() { return *m_Columns.name; }
    virtual COleDateTime GetLastChangedValue() const { return GetLastChanged(); }
    virtual COleDateTime GetLastPublishedValue() const { return GetLastPublished(); }
    virtual CString& GetParametersExpected() { return *m_pParametersExpected; }
    virtual void SetTemplateID(LONG id) { Write(m_Columns.ownId, id); }
    virtual void SetServiceIDValue(LONG id) { Write(m_Columns.serviceId, id); }
    virtual void SetServiceDbIDValue(LONG dbId) { Write(m_Columns.serviceDbId, dbId); }
    // Stores the text and parses it with the parse context.
    virtual void SetText(const CString& text);
    virtual void SetLastChangedValue(const COleDateTime& when) { SetLastChanged(when); }
    virtual void SetLastPublishedValue(const COleDateTime& when) { SetLastPublished(when); }
    virtual void SetTemplateName(const CString& name) { SetName(name); }
    // The macro's TemplateName, the page's Title.
    virtual void SetTitle(const CString& title) { SetName(title); }
    virtual void SetParametersExpected(const CString& text) { Write(m_pParametersExpected, text); }
    // What the editor inserts where the object is dropped into text.
    virtual CString GetReferenceTag() const;
    virtual void WriteHead();
    virtual void WriteFoot();
    // The stored template text, and storing a new one (saved with the object later).
    virtual CString GetTemplateText() const { return Read(m_pText); }
    virtual void SetTemplateText(const CString& text) { SetText(text); }
    // Works out the output file name and address for the preview window: previews the object
    // and keeps the address in m_strOutputURL.
    virtual void PrepareOutput();

    // Writes text to the output file while an output switch is on.
    void WriteOutput(const CString& text);
    // "<!-- ", the text, " -->\n".
    void WriteComment(const CString& text);
    // The body tag with the style's background image or colour and its text and link colours.
    void WriteBodyTag(QZAttributes& style);
    // Forgets the last preview: fresh tables for the text, and its scratch file deleted.
    void ResetPreviewFile();
    // The command, or the literal stretch between two commands, around the caret; the range
    // is kept for the editor.
    std::pair<int, int> FindCommandRange(const CString& text, int caret);
    // Parses a text with the parse context; its first command, or null.
    QZCommandBase* SetSourceText(const CString& text);
    // The words of a text for the spell check.
    std::vector<QZUndoRedo> ExtractWords(const CString& text);
    // The colour spans of a text (a copy of it is lexed by the parse context).
    QZVantrelMemoFld::ColorSpanList GetColorSpans(const CString& text);

    QZVantrelMemoFld* GetParseContext() const { return m_pParseContext.get(); }
    int GetLinkFlag() const override { return m_nLinkFlag; }
    void SetLinkFlag(int flag) override { m_nLinkFlag = flag; }
    const CString& GetRelativePath() const override { return m_strRelativePath; }
    const CString& GetOutputFileName() const { return m_strOutputFileName; }
    const CString& GetOutputPath() const { return m_strOutputPath; }

    // ---- What the running text needs of its owner ----
    void PostEngineMessage(int kind, const CString& text, LONG line) override;
    SHORT GetObjectType() const override { return QZVantrelBase::GetObjectType(); }
    QZKeyCombo GetKey() const override { return QZVantrelBase::GetKey(); }
    CString GetName() const override { return QZVantrelBase::GetName(); }
    QZVantrelMemoFld* GetParser() const override { return m_pParseContext.get(); }
    QZVantrelContext* GetCallingContext() const override { return nullptr; }
    CFile* GetOutputFile() const override { return m_pOutputFile; }
    BOOL IsPreview() const override { return m_nPreviewOutput != 0; }
    void CountRun() override { m_nStatementCount++; }
    LONG GetRunCount() const override { return m_nStatementCount; }
    BOOL IsOutputFailed() const override { return m_bFailed; }
    void SetOutputFailed() override { m_bFailed = TRUE; }

    // The address the preview window opens.
    CString m_strOutputURL;

protected:
    // Turns an output switch on for one run; at its end, however it ends, turns it off and
    // frees the loaded service and section.
    class RunScope {
    public:
        RunScope(QZVantrelBase& object, int& outputSwitch);
        ~RunScope();
        RunScope(const RunScope&) = delete;
        RunScope& operator=(const RunScope&) = delete;

    private:
        QZVantrelBase& m_object;
        int& m_switch;
    };

    // The base part of the kinds built on it.
    QZVantrelTemplate(SHORT nObjectType, QZVantrelContext* parent);

    // Binds the text columns of the row, then makes the parse context.
    template <class Set> void BindTemplateColumns(Set& set);
    // Makes the parse context of the text, owned by this object.
    void CreateParseContext();
    // The template compile: "Compiling", the text parsed and run in mode 4, "Done".
    void CompileText();
    // The directory of the object on the site, as BuildSiteDirectory gives it.
    virtual BOOL BuildOutputDirectory(const QZSiteSettings& site, CString& path);
    // The first free "Web%d.html" in the directory (on an FTP site, asked of the server);
    // FALSE when the directory is refused or the server cannot be reached.
    BOOL FindFreeScratchName(const QZSiteSettings& site, CString& name, CString& path);
    // The preview address of the output file.
    virtual CString GetPreviewURL() const;
    // Opens the output file at the destination; FALSE after the message box.
    BOOL OpenOutput(QZFileDestination& destination);
    // Closes the output file and the connection; a failed close (a failed transfer) fails the
    // run and is logged with its text.
    void CloseOutput(QZFileDestination& destination);
    // Drops the output file unsent after an error.
    void AbortOutput(QZFileDestination& destination);
    // Writes the whole file into the opened destination (built-in variables, head, the compiled
    // text, foot) and closes it; an exception drops the file unsent and goes on. 1 when the run
    // did not fail.
    int WriteOpenedOutput(QZFileDestination& destination);
    // Logs the text of an exception as an error line of this object and frees it.
    void LogException(CException* e);
    // The style of the key, loaded once for the run.
    QZAttributes& RunStyle(const QZKeyCombo& key);
    // The object that the running text writes for (the page of an included macro).
    QZVantrelTemplate* GetGeneratedObject() const;

    QZVantrelContext* m_pParentContext;
    std::unique_ptr<QZVantrelMemoFld> m_pParseContext;
    // 1 while a link may be opened in the running text.
    int m_nLinkFlag = 0;
    // The scratch preview file: its full path, and where it is.
    CString m_strOutputPath;
    QZFileDestination m_previewFile;
    // Runs counted since the generation started.
    LONG m_nStatementCount = 0;
    CString* m_pText = nullptr;
    CString* m_pParametersExpected = nullptr;
    CString m_strOutputFileName;
    int m_nCommandStart = 0;
    int m_nCommandEnd = 0;
    // Set when the output could not be opened or written: the run fails.
    BOOL m_bFailed = FALSE;
    // Error lines logged by this object and the macros it included.
    LONG m_nErrorCount = 0;
};

template <class Set> void QZVantrelTemplate::BindTemplateColumns(Set& set) {
    m_pText = FindColumn<CString>(set, "[ScriptBody]");
    m_pParametersExpected = FindColumn<CString>(set, "[ParametersExpected]");
    CreateParseContext();
}
