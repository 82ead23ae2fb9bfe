#include "content/QZVantrelPage.h"

#include "content/QZAttributes.h"
#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZSiteSettings.h"
#include "db/QZApplication.h"
#include "db/QZRecordsetCaches.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoWorkspace.h"
#include "platform/ui/MessagePump.h"
#include "template/values/SymbolTable.h"

IMPLEMENT_DYNAMIC(QZVantrelPage, QZVantrelTemplate)

namespace {
const QZColumnBinding::Names kColumns{"[DocID]", "[Title]", "[FileName]"};

constexpr int kBannerWidth = 60;

// The text padded with blanks to the banner's width (a longer one is kept whole).
CString Padded(const CString& text) {
    CString field = text;
    while (field.GetLength() < kBannerWidth)
        field += ' ';
    return field;
}
} // namespace

QZVantrelPage::QZVantrelPage(const QZKeyCombo& key, BOOL bOpen, QZVantrelContext* parent)
    : QZVantrelTemplate(OBJ_PAGE, parent) {
    BindPageColumns(*LoadRow<CDocumentSet>(key, bOpen, &g_DocumentCache, kColumns));
}

QZVantrelPage::QZVantrelPage() : QZVantrelTemplate(OBJ_PAGE, nullptr) {
    CDocumentSet& row = *AddNewRow<CDocumentSet>(kColumns);
    BindPageColumns(row);
    row.m_VersionGenerated = 0;
    row.m_VersionPublished = 0;
    row.m_GenerateFlag = 1;
    row.m_PublishFlag = 0;
    SetServiceKey(CurrentServiceKey());
    SetSectionKey(CurrentSectionKey());
    QZSection section(GetSectionKey(), FALSE);
    SetStyleKey(section.GetStyleKey());
}

QZVantrelPage::~QZVantrelPage() = default;

QZVantrelPage& QZVantrelPage::operator=(const QZVantrelPage& other) {
    QZVantrelTemplate::operator=(other);
    return *this;
}

void QZVantrelPage::BindPageColumns(CDocumentSet& set) {
    BindTemplateColumns(set);
}

// ---- Generation ----

int QZVantrelPage::Generate() {
    try {
        return RunGeneration();
    } catch (CException* e) {
        LogException(e);
        return 0;
    }
}

int QZVantrelPage::WriteDependents() {
    LONG errorsBefore = m_nErrorCount;
    int written = RunGeneration();
    return written && m_nErrorCount == errorsBefore ? 1 : 0;
}

int QZVantrelPage::RunGeneration() {
    CDocumentSet& row = *GetRecordset();
    RunScope scope(*this, m_nGenerateOutput);
    // Dynamic pages are run by the server-side interpreter; neither kind is touched here.
    if (row.m_Dynamic || row.m_NeverGenerateFlag)
        return 0;
    LoadService();
    LoadSection();
    GenerationStamps before = TakeStamps();
    try {
        PumpWaitingMessages();
        QZKeyCombo user = CurrentUserKey();
        row.m_LastGenerated = COleDateTime::GetCurrentTime();
        row.m_AuthorGenDbID = user.m_DbID;
        row.m_WhoGenerated = user.m_KeyID;
        row.m_VersionGenerated++;
        if (!SettleFileName()) {
            PutBack(before);
            return 0;
        }
        m_strOutputFileName = row.m_FileName;
        m_dependents.clear();
        m_bCollectDependents = TRUE;
        int written = Compile();
        m_bCollectDependents = FALSE;
        if (!written) {
            PutBack(before);
            return 0;
        }
        WriteDependentRows();
        row.m_GenerateFlag = 0;
        SetPublishFlag(TRUE);
        return 1;
    } catch (...) {
        m_bCollectDependents = FALSE;
        PutBack(before);
        throw;
    }
}

QZVantrelPage::GenerationStamps QZVantrelPage::TakeStamps() const {
    const CDocumentSet& row = *GetRecordset();
    return {row.m_LastGenerated, row.m_AuthorGenDbID, row.m_WhoGenerated, row.m_VersionGenerated,
            row.m_GenerateFlag,  row.m_PublishFlag,   row.m_FileName};
}

void QZVantrelPage::PutBack(const GenerationStamps& stamps) {
    CDocumentSet& row = *GetRecordset();
    row.m_LastGenerated = stamps.lastGenerated;
    row.m_AuthorGenDbID = stamps.authorGenDbId;
    row.m_WhoGenerated = stamps.whoGenerated;
    row.m_VersionGenerated = stamps.versionGenerated;
    row.m_GenerateFlag = stamps.generateFlag;
    row.m_PublishFlag = stamps.publishFlag;
    row.m_FileName = stamps.fileName;
}

BOOL QZVantrelPage::SettleFileName() {
    CDocumentSet& row = *GetRecordset();
    if (!row.m_FileName.IsEmpty())
        return TRUE;
    QZSiteSettings site = QZSiteSettings::ForOutput(*GetService()->GetRecordset());
    CString name;
    CString path;
    if (!FindFreeScratchName(site, name, path))
        return FALSE;
    // The name is kept, so the next generation writes the same file again.
    row.m_FileName = name;
    return TRUE;
}

void QZVantrelPage::AddDependent(const QZKeyCombo&, SHORT, const QZKeyCombo& useKey,
                                 SHORT useType) {
    if (m_bCollectDependents)
        m_dependents.push_back({useKey, useType});
}

void QZVantrelPage::WriteDependentRows() {
    CDaoDatabase& db = GetVantrelApp()->GetVantrelDb();
    QZKeyCombo key = GetKey();
    // The old rows go and the new ones come together: a failure leaves the old ones.
    db.m_pWorkspace->BeginTrans();
    try {
        DeleteDependents();
        CDaoQueryDef insert(&db);
        insert.Create(nullptr, "PARAMETERS argDbID Long, argKeyID Long, argUseDbID Long, "
                               "argUseKeyID Long, argUseTypeID Long; INSERT INTO Dependents "
                               "(ObjDbID, ObjKeyID, ObjTypeID, UseDbID, UseKeyID, UseTypeID) "
                               "VALUES ([argDbID], [argKeyID], 2, [argUseDbID], [argUseKeyID], "
                               "[argUseTypeID])");
        for (const Dependent& used : m_dependents) {
            const LONG values[] = {key.m_DbID, key.m_KeyID, used.use.m_DbID, used.use.m_KeyID,
                                   used.useType};
            for (int i = 0; i < 5; i++)
                insert.SetParamValue(i, COleVariant(values[i], VT_I4));
            insert.Execute(dbFailOnError);
        }
        db.m_pWorkspace->CommitTrans();
    } catch (...) {
        db.m_pWorkspace->Rollback();
        throw;
    }
    m_dependents.clear();
}

int QZVantrelPage::MarkPublished() {
    if (!QZVantrelBase::MarkPublished())
        return 0;
    GetRecordset()->m_VersionPublished++;
    return 1;
}

// ---- The output run ----

BOOL QZVantrelPage::BuildOutputDirectory(const QZSiteSettings& site, CString& path) {
    return BuildSiteDirectory(site, TRUE, TRUE, path);
}

int QZVantrelPage::Compile() {
    m_bFailed = FALSE;
    m_pParseContext->SetMode(QZVantrelContext::MODE_GENERATE);
    m_nLinkFlag = 1;
    m_nStatementCount = 0;
    if (!m_nPreviewOutput && !m_nGenerateOutput) {
        LoadService();
        LoadSection();
        m_strRelativePath = "/";
        DefineBuiltinVariables();
        WriteHead();
        CompileText();
        WriteFoot();
        ReleaseRunObjects();
        return 1;
    }
    QZSiteSettings site = QZSiteSettings::ForOutput(*GetService()->GetRecordset());
    CString path;
    if (!BuildSitePath(site, m_strOutputFileName, TRUE, TRUE, path)) {
        m_bFailed = TRUE;
        return 0;
    }
    QZFileDestination destination = site.Destination(path);
    if (!OpenOutput(destination)) {
        m_bFailed = TRUE;
        return 0;
    }
    return WriteOpenedOutput(destination);
}

void QZVantrelPage::DefineBuiltinVariables() {
    SymbolTable& table = *m_pParseContext->GetSymbolTable();
    const CDocumentSet& row = *GetRecordset();
    const CServicesSet& service = *GetService()->GetRecordset();
    const CSectionsSet& section = *GetSection()->GetRecordset();
    table.SetInteger("version", row.m_VersionGenerated);
    table.SetString("title", row.m_Title);
    table.SetKey("service", GetServiceKey());
    table.SetKey("section", GetSectionKey());
    CString url;
    if (!service.m_ProductionAlias.IsEmpty())
        url = "http://" + service.m_ProductionAlias;
    url += "/";
    for (const CString& directory : {section.m_Directory, row.m_Directory})
        if (!directory.IsEmpty())
            url += directory + "/";
    table.SetString("URL", url + row.m_FileName);
    const CStylesSet& colours = *RunStyle(GetStyleKey()).GetRecordset();
    if (colours.m_BackImageID != 0)
        table.SetKey("background",
                     QZKeyCombo(colours.m_BackImageDbID, colours.m_BackImageID, OBJ_IMAGE));
    else
        table.SetString("bgcolor", colours.m_BackColor);
    table.SetString("textcolor", colours.m_TextColor);
    table.SetString("linkcolor", colours.m_LinkColor);
    table.SetString("vlinkcolor", colours.m_UsedLinkColor);
    table.SetString("alinkcolor", colours.m_ActiveLinkColor);
    m_nDefaultDocID = section.m_DefaultDocID;
    table.SetInteger("sequence", row.m_SectionSequence);
    table.SetKey("default", QZKeyCombo(section.m_DefaultDocDbID, section.m_DefaultDocID, OBJ_PAGE));
    COleDateTime now = COleDateTime::GetCurrentTime();
    table.SetDate("Date", now);
    table.SetDate("Time", now);
    table.SetDate("lastchanged", row.m_LastChanged);
    table.SetDate("lastgenerated", row.m_LastGenerated);
    table.SetString("webmaster", service.m_WebMasterEmail);
}

CString QZVantrelPage::GetReferenceTag() const {
    return "<<link linkid=" + GetKey().Format() + ">>";
}

void QZVantrelPage::WriteHead() {
    const CDocumentSet& row = *GetRecordset();
    WriteOutput("<html>\n");
    WriteBanner();
    WriteOutput("<head>\n");
    WriteOutput("<title>" + GetSection()->GetName() + " - " + row.m_Title + "</title>\n");
    if (!row.m_Keywords.IsEmpty())
        WriteOutput("<META HTTP-EQUIV=\"Keywords\" CONTENT=\"" + row.m_Keywords + "\">\n");
    RunHeader();
    WriteOutput("</head>\n");
    if (row.m_HasFrames)
        WriteOutput("<NOFRAMES>");
    WriteBodyTag(RunStyle(GetStyleKey()));
}

void QZVantrelPage::RunHeader() {
    QZVantrelMemoFld header(m_pParseContext.get());
    header.Parse(GetRecordset()->m_Header);
    header.Execute();
}

void QZVantrelPage::WriteFoot() {
    WriteOutput("</body>\n");
    if (GetRecordset()->m_HasFrames)
        WriteOutput("</NOFRAMES>");
    WriteOutput("</html>\n");
}

void QZVantrelPage::WriteBanner() {
    const CDocumentSet& row = *GetRecordset();
    CString dashes('-', kBannerWidth);
    CString title = "Title: " + row.m_Title;
    CString generated = "Generated: " + row.m_LastGenerated.Format("%a %b %d %Y %H:%M:%S");
    CString document;
    document.Format("DocumentId: %d", row.m_DocID);
    CString version;
    version.Format("Version#: %d", row.m_VersionGenerated);
    WriteComment(dashes);
    WriteComment(Padded(CString(' ', 23) + "Zerin"));
    WriteComment(Padded(""));
    WriteComment(Padded(title.Left(kBannerWidth)));
    WriteComment(Padded(generated));
    WriteComment(Padded(document));
    WriteComment(Padded(version));
    WriteComment(dashes);
    WriteOutput("\n");
}

// ---- Answering a request ----

int QZVantrelPage::ReturnInto(CFile* output) {
    auto copy = std::make_shared<CDocumentSet>(&GetVantrelApp()->GetVantrelDb());
    copy->m_bCopyOwnId = TRUE;
    copy->CopyFields(GetRecordset());
    copy->m_bCopyOwnId = FALSE;
    copy->m_Dynamic = 1;
    m_Columns = BindColumns(*copy, kColumns);
    m_pRecordset = copy;
    BindPageColumns(*copy);
    // The output switch lets the head and foot through to the output given.
    RunScope scope(*this, m_nGenerateOutput);
    LoadService();
    LoadSection();
    m_bFailed = FALSE;
    m_nStatementCount = 0;
    m_nLinkFlag = 1;
    m_strRelativePath = "/";
    m_pOutputFile = output;
    try {
        DefineBuiltinVariables();
        WriteHead();
        CompileText();
        WriteFoot();
    } catch (...) {
        m_pOutputFile = nullptr;
        throw;
    }
    m_pOutputFile = nullptr;
    return m_bFailed ? 0 : 1;
}
