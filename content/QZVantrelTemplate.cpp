#include "content/QZVantrelTemplate.h"

#include "content/QZAttributes.h"
#include "content/QZLocalPath.h"
#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZSiteSettings.h"
#include "content/QZVantrelImage.h"
#include "db/QZRecordsetCaches.h"
#include "platform/core/CException.h"
#include "platform/core/FileServices.h"
#include "template/values/SymbolTable.h"

IMPLEMENT_DYNAMIC(QZVantrelTemplate, QZVantrelBase)

namespace {
const QZColumnBinding::Names kColumns{"[TemplateID]", "[TemplateName]"};

} // namespace

QZVantrelTemplate::RunScope::RunScope(QZVantrelBase& object, int& outputSwitch)
    : m_object(object), m_switch(outputSwitch) {
    m_switch = 1;
}

QZVantrelTemplate::RunScope::~RunScope() {
    m_switch = 0;
    m_object.ReleaseRunObjects();
}

QZVantrelTemplate::QZVantrelTemplate(const QZKeyCombo& key, BOOL bOpen, QZVantrelContext* parent)
    : QZVantrelBase(OBJ_MACRO), m_pParentContext(parent) {
    BindTemplateColumns(*LoadRow<CTemplatesSet>(key, bOpen, &g_TemplatesCache, kColumns));
}

QZVantrelTemplate::QZVantrelTemplate() : QZVantrelBase(OBJ_MACRO), m_pParentContext(nullptr) {
    BindTemplateColumns(*AddNewRow<CTemplatesSet>(kColumns));
    SetServiceKey(CurrentServiceKey());
}

QZVantrelTemplate::QZVantrelTemplate(SHORT nObjectType, QZVantrelContext* parent)
    : QZVantrelBase(nObjectType), m_pParentContext(parent) {}

QZVantrelTemplate::~QZVantrelTemplate() {
    // A scratch file on an FTP site goes with the next preview, not with the object: no
    // connection is made while an object is destroyed.
    if (!m_strOutputPath.IsEmpty() && !m_previewFile.IsFtp())
        m_previewFile.Remove();
    // The statements go before the objects they name.
    m_pParseContext.reset();
}

QZVantrelTemplate& QZVantrelTemplate::operator=(const QZVantrelTemplate& other) {
    QZVantrelBase::operator=(other);
    return *this;
}

// ---- Parse context ----

void QZVantrelTemplate::CreateParseContext() {
    m_pParseContext = std::make_unique<QZVantrelMemoFld>(m_pParentContext);
    m_pParseContext->SetMessageOwner(this);
    // A text run by itself writes its own output; an included one writes for the object that
    // includes it, whose owners its context took over.
    if (m_pParentContext == nullptr || m_nObjectType == OBJ_PAGE)
        m_pParseContext->SetRunOwner(this);
    if (m_nObjectType == OBJ_PAGE)
        m_pParseContext->SetPageOwner(this);
    if (m_pParentContext != nullptr) {
        auto* including = dynamic_cast<QZVantrelTemplate*>(m_pParentContext->GetMessageOwner());
        if (including != nullptr) {
            m_strRelativePath = including->m_strRelativePath;
            m_nLinkFlag = including->m_nLinkFlag;
        }
    }
    if (m_bEditable)
        m_pParseContext->SetMode(QZVantrelContext::MODE_FIRST);
}

void QZVantrelTemplate::SetText(const CString& text) {
    Write(m_pText, text);
    m_pParseContext->Parse(text);
}

int QZVantrelTemplate::Save() {
    if (m_pRecordset == nullptr || !m_bLoaded || !m_bEditable)
        return 0;
    m_pParseContext->SetMode(QZVantrelContext::MODE_REWRITE);
    m_pParseContext->Parse(GetText());
    CString normalised;
    m_pParseContext->WriteSource(normalised);
    m_pParseContext->SetMode(QZVantrelContext::MODE_PLAIN);
    SetText(normalised);
    return QZVantrelBase::Save();
}

// ---- Running the text ----

void QZVantrelTemplate::CompileText() {
    m_pParseContext->SetMode(QZVantrelContext::MODE_GENERATE);
    PostEngineMessage(m_nObjectType == OBJ_PAGE ? 2 : 3, "Compiling", 0);
    m_pParseContext->Parse(GetText());
    m_pParseContext->Execute();
    PostEngineMessage(3, "Done", 0);
    m_pParseContext->SetMode(QZVantrelContext::MODE_PLAIN);
}

int QZVantrelTemplate::Compile() {
    CompileText();
    return 1;
}

QZAttributes& QZVantrelTemplate::RunStyle(const QZKeyCombo& key) {
    if (m_pStyle == nullptr || !(m_pStyle->GetKey() == key))
        m_pStyle = std::make_unique<QZAttributes>(key, FALSE);
    return *m_pStyle;
}

QZVantrelTemplate* QZVantrelTemplate::GetGeneratedObject() const {
    if (m_pParseContext == nullptr)
        return nullptr;
    return dynamic_cast<QZVantrelTemplate*>(m_pParseContext->GetRunOwner());
}

void QZVantrelTemplate::PostEngineMessage(int kind, const CString& text, LONG line) {
    if (kind == MSG_ERROR) {
        m_nErrorCount++;
        QZVantrelTemplate* generated = GetGeneratedObject();
        if (generated != nullptr && generated != this)
            generated->m_nErrorCount++;
    }
    QZVantrelBase::PostEngineMessage(kind, text, line);
}

void QZVantrelTemplate::LogException(CException* e) {
    char text[512];
    if (!e->GetErrorMessage(text, sizeof text))
        text[0] = '\0';
    e->Delete();
    PostEngineMessage(MSG_ERROR, text, 0);
}

// ---- Variables and the HTML frame ----

void QZVantrelTemplate::DefineBuiltinVariables() {
    SymbolTable& table = *m_pParseContext->GetSymbolTable();
    const CServicesSet& service = *GetService()->GetRecordset();
    table.SetKey("service", GetServiceKey());
    CString url;
    if (!service.m_ProductionAlias.IsEmpty())
        url = "http://" + service.m_ProductionAlias;
    table.SetString("URL", url + "/" + m_strOutputFileName);
    const CStylesSet& colours = *RunStyle(GetService()->GetStyleKey()).GetRecordset();
    if (colours.m_BackImageID != 0)
        table.SetKey("background",
                     QZKeyCombo(colours.m_BackImageDbID, colours.m_BackImageID, OBJ_IMAGE));
    else
        table.SetString("bgcolor", colours.m_BackColor);
    table.SetString("textcolor", colours.m_TextColor);
    table.SetString("linkcolor", colours.m_LinkColor);
    table.SetString("vlinkcolor", colours.m_UsedLinkColor);
    table.SetString("alinkcolor", colours.m_ActiveLinkColor);
    COleDateTime now = COleDateTime::GetCurrentTime();
    table.SetDate("Date", now);
    table.SetDate("Time", now);
    table.SetDate("lastchanged", GetLastChanged());
    table.SetString("webmaster", service.m_WebMasterEmail);
}

CString QZVantrelTemplate::GetReferenceTag() const {
    return "<<macro macroid=" + GetKey().Format() + ">>";
}

void QZVantrelTemplate::WriteHead() {
    WriteOutput("<html>\n");
    WriteOutput("<head>\n");
    WriteOutput("<title>" + GetService()->GetName() + " - " + GetName() + "</title>\n");
    WriteOutput("</head>\n");
    WriteBodyTag(RunStyle(GetService()->GetStyleKey()));
}

void QZVantrelTemplate::WriteFoot() {
    WriteOutput("</body>\n");
    WriteOutput("</html>\n");
}

void QZVantrelTemplate::WriteOutput(const CString& text) {
    if ((!m_nPreviewOutput && !m_nGenerateOutput) || m_pOutputFile == nullptr || m_bFailed)
        return;
    try {
        m_pOutputFile->Write(static_cast<LPCTSTR>(text), static_cast<UINT>(text.GetLength()));
    } catch (CFileException* e) {
        m_bFailed = TRUE;
        LogException(e);
    }
}

void QZVantrelTemplate::WriteComment(const CString& text) {
    WriteOutput("<!-- " + text + " -->\n");
}

void QZVantrelTemplate::WriteBodyTag(QZAttributes& style) {
    const CStylesSet& colours = *style.GetRecordset();
    CString tag = "<body";
    if (colours.m_BackImageID != 0) {
        QZVantrelImage image(QZKeyCombo(colours.m_BackImageDbID, colours.m_BackImageID, OBJ_IMAGE),
                             FALSE);
        image.LoadService();
        image.LoadSection();
        CString path = m_strRelativePath;
        for (const CString& directory : {image.GetService()->GetDirectory(),
                                         image.GetSection()->GetDirectory(), image.GetDirectory()})
            if (!directory.IsEmpty())
                path += directory + "/";
        tag += " background=\"" + path + image.GetFileName() + "\"";
    } else if (!colours.m_BackColor.IsEmpty()) {
        tag += " bgcolor=#" + colours.m_BackColor;
    }
    const std::pair<const char*, const CString*> attributes[] = {
        {" text=#", &colours.m_TextColor},
        {" link=#", &colours.m_LinkColor},
        {" vlink=#", &colours.m_UsedLinkColor},
        {" alink=#", &colours.m_ActiveLinkColor},
    };
    for (const auto& [name, colour] : attributes)
        if (!colour->IsEmpty())
            tag += name + *colour;
    WriteOutput(tag + ">\n");
}

// ---- Output files ----

BOOL QZVantrelTemplate::OpenOutput(QZFileDestination& destination) {
    m_pOutputFile = destination.OpenForWriting();
    return m_pOutputFile != nullptr;
}

void QZVantrelTemplate::CloseOutput(QZFileDestination& destination) {
    CString error;
    if (!CloseDestinationFile(m_pOutputFile, &error)) {
        m_bFailed = TRUE;
        PostEngineMessage(MSG_ERROR, error, 0);
    }
    m_pOutputFile = nullptr;
    destination.DisconnectFtp();
}

void QZVantrelTemplate::AbortOutput(QZFileDestination& destination) {
    if (m_pOutputFile != nullptr)
        m_pOutputFile->Abort();
    delete m_pOutputFile;
    m_pOutputFile = nullptr;
    destination.DisconnectFtp();
}

int QZVantrelTemplate::WriteOpenedOutput(QZFileDestination& destination) {
    try {
        DefineBuiltinVariables();
        WriteHead();
        CompileText();
        WriteFoot();
    } catch (...) {
        AbortOutput(destination);
        throw;
    }
    CloseOutput(destination);
    return m_bFailed ? 0 : 1;
}

// ---- Preview ----

BOOL QZVantrelTemplate::BuildOutputDirectory(const QZSiteSettings& site, CString& path) {
    return BuildSiteDirectory(site, FALSE, FALSE, path);
}

BOOL QZVantrelTemplate::FindFreeScratchName(const QZSiteSettings& site, CString& name,
                                            CString& path) {
    CString directory;
    if (!BuildOutputDirectory(site, directory))
        return FALSE;
    QZFileDestination probe = site.Destination(directory);
    if (site.ftp) {
        probe.ConnectFtp();
        if (probe.GetConnection() == nullptr)
            return FALSE;
    }
    for (int n = 1;; n++) {
        name.Format("Web%d.html", n);
        path = directory + site.separator + name;
        probe.SetPath(path);
        if (!probe.Exists())
            return TRUE;
    }
}

CString QZVantrelTemplate::GetPreviewURL() const {
    const CServicesSet& service = *GetService()->GetRecordset();
    if (!service.m_ProductionUse_ftp)
        return LocalFileUrl(m_strOutputPath);
    CString url = "/";
    if (!service.m_ProductionAlias.IsEmpty())
        url = "http://" + service.m_ProductionAlias + "/";
    if (m_nObjectType == OBJ_PAGE) {
        for (const CString& directory : {GetSection()->GetDirectory(), GetDirectory()})
            if (!directory.IsEmpty())
                url += directory + "/";
    }
    return url + m_strOutputFileName;
}

void QZVantrelTemplate::ResetPreviewFile() {
    if (m_strOutputPath.IsEmpty())
        return;
    // Nothing of the last run's variables is left for the next.
    CreateParseContext();
    if (m_previewFile.IsFtp())
        m_previewFile.ConnectFtp();
    m_previewFile.Remove();
    m_previewFile.DisconnectFtp();
    m_strOutputPath.Empty();
}

int QZVantrelTemplate::Preview() {
    try {
        RunScope scope(*this, m_nPreviewOutput);
        LoadService();
        if (m_nObjectType == OBJ_PAGE)
            LoadSection();
        ResetPreviewFile();
        QZSiteSettings site = QZSiteSettings::ForOutput(*GetService()->GetRecordset());
        CString name;
        CString path;
        if (!FindFreeScratchName(site, name, path))
            return 0;
        m_strOutputFileName = name;
        m_strOutputPath = path;
        m_previewFile = site.Destination(path);
        m_strOutputURL = GetPreviewURL();
        if (m_nObjectType == OBJ_PAGE)
            return Compile();
        m_bFailed = FALSE;
        m_nStatementCount = 0;
        m_nLinkFlag = 1;
        QZFileDestination destination = site.Destination(path);
        if (!OpenOutput(destination))
            return 0;
        return WriteOpenedOutput(destination);
    } catch (CException* e) {
        LogException(e);
        return 0;
    }
}

void QZVantrelTemplate::PrepareOutput() {
    Preview();
}

// ---- The editor's operations ----

std::pair<int, int> QZVantrelTemplate::FindCommandRange(const CString& text, int caret) {
    int length = text.GetLength();
    std::pair<int, int> range{caret, caret};
    if (length < 2)
        range = {caret, caret};
    else if (caret < 0)
        range = {0, 0};
    else if (caret >= length)
        range = {length, length};
    else {
        auto pairAt = [&](int i, char c) {
            return i >= 0 && i + 1 < length && text[i] == c && text[i + 1] == c;
        };
        int start = caret;
        while (start >= 0 && !pairAt(start, '<') && !pairAt(start, '>'))
            start--;
        bool inCommand = start >= 0 && pairAt(start, '<');
        char closing = inCommand ? '>' : '<';
        int end = inCommand ? caret : std::max(caret, 1);
        while (end < length && !(end > 0 && text[end] == closing && text[end - 1] == closing))
            end++;
        if (start >= 0 && end < length)
            range = inCommand ? std::pair<int, int>{start, end}
                              : std::pair<int, int>{start + 2, end - 2};
    }
    m_nCommandStart = range.first;
    m_nCommandEnd = range.second;
    return range;
}

QZCommandBase* QZVantrelTemplate::SetSourceText(const CString& text) {
    m_pParseContext->Parse(text);
    return m_pParseContext->GetFirstStatement();
}

std::vector<QZUndoRedo> QZVantrelTemplate::ExtractWords(const CString& text) {
    return m_pParseContext->CollectSpellWords(text);
}

QZVantrelMemoFld::ColorSpanList QZVantrelTemplate::GetColorSpans(const CString& text) {
    return m_pParseContext->BuildColorSpans(CString(text));
}
