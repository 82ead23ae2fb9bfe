#include "content/import/QZImportSite.h"

#include "content/QZEngineMessage.h"
#include "content/QZLocalFiles.h"
#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZVantrelPage.h"
#include "content/import/QZHTMLContext.h"
#include "content/import/QZImportText.h"
#include "db/CDocumentSet.h"
#include "db/CImagesSet.h"
#include "db/CJavaSet.h"
#include "db/CMediaSet.h"
#include "db/QZApplication.h"
#include "platform/ui/MessagePump.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(QZImportSite, CObject)

namespace {

constexpr LONG kDeepest = 2;
// The sizes of the columns that take names whole: file names and directories.
constexpr int kFileNameSize = 30;
constexpr int kDirectorySize = 30;
constexpr int kDevelopPathSize = 100;
const char* const kMainSection = "Main Section";

enum FileKind { kPage, kImage, kMedia, kJava, kOther };

struct Extension {
    const char* text;
    FileKind kind;
};

const Extension kExtensions[] = {
    {"html", kPage}, {"htm", kPage},  {"shtm", kPage}, {"shtml", kPage},
    {"asp", kPage},  {"gif", kImage}, {"jpg", kImage}, {"jpeg", kImage},
    {"wav", kMedia}, {"avi", kMedia}, {"mov", kMedia}, {"class", kJava},
};

FileKind KindOfFile(const CString& name) {
    int dot = name.ReverseFind('.');
    if (dot < 0)
        return kOther;
    CString extension = name.Mid(dot + 1);
    extension.MakeLower();
    for (const Extension& known : kExtensions)
        if (extension == known.text)
            return known.kind;
    return kOther;
}

// The number of UTF-8 characters of a text, as the database measures a column's length.
int CharacterCount(const CString& text) {
    const std::string& bytes = text.str();
    return static_cast<int>(std::count_if(bytes.begin(), bytes.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

CString WithoutNulBytes(const std::string& content) {
    std::string text = content;
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return CString(text);
}

} // namespace

QZImportSite::QZImportSite(const CString& rootPath, LONG depthLimit)
    : m_pFileTable(std::make_unique<SymbolTable>()),
      m_nDepthLimit(std::clamp<LONG>(depthLimit, 0, kDeepest)) {
    m_strRootPath = AbsoluteLocalPath(rootPath);
    if (!CreateService())
        return;
    CreateMainSection();
    CDaoDatabase* site = &GetVantrelApp()->GetVantrelDb();
    m_pDocumentSet = std::make_unique<CDocumentSet>(site);
    m_pImagesSet = std::make_unique<CImagesSet>(site);
    m_pMediaSet = std::make_unique<CMediaSet>(site);
    m_pJavaSet = std::make_unique<CJavaSet>(site);
    ImportDirectory(m_strRootPath);
    m_pDocumentSet.reset();
    m_pImagesSet.reset();
    m_pMediaSet.reset();
    m_pJavaSet.reset();
    ConvertPages();
    GetVantrelApp()->GetCurrentSectionKey() = m_pMainSection->GetKey();
    m_pMainSection.reset();
}

QZImportSite::~QZImportSite() = default;

BOOL QZImportSite::CreateService() {
    std::vector<QZFolderEntry> entries;
    if (!ListFolder(m_strRootPath, entries)) {
        LogError("Cannot read the directory " + m_strRootPath + ".");
        return FALSE;
    }
    CString parent = PathBeforeLastSegment(m_strRootPath);
    CString name = LastPathSegment(m_strRootPath);
    if (CharacterCount(name) > kDirectorySize || CharacterCount(parent) > kDevelopPathSize) {
        LogError("The directory " + m_strRootPath + " has too long a path to be a service.");
        return FALSE;
    }
    QZService service;
    if (!service.IsLoaded()) {
        LogError("Cannot make a new service for " + m_strRootPath + ".");
        return FALSE;
    }
    service.SetDevelopPath(parent);
    service.SetDirectory(name);
    service.SetName(LeftCharacters(name, 50));
    service.Save();
    m_ServiceKey = service.GetKey();
    GetVantrelApp()->GetCurrentServiceKey() = m_ServiceKey;
    return TRUE;
}

void QZImportSite::CreateMainSection() {
    m_pMainSection = std::make_unique<QZSection>();
    m_pMainSection->SetSectionTitle(kMainSection);
    m_pMainSection->SetSectionName(kMainSection);
    m_pMainSection->Save();
    GetVantrelApp()->GetCurrentSectionKey() = m_pMainSection->GetKey();
}

void QZImportSite::ImportDirectory(const CString& directory) {
    CString enteredDirectory = m_strCurrentDirectory;
    SHORT enteredDepth = m_nDepth;
    std::vector<QZFolderEntry> entries;
    BOOL listed = ListFolder(directory, entries);
    PumpWaitingMessages();
    if (!listed)
        return;
    for (const QZFolderEntry& entry : entries) {
        // The end of the program asked meanwhile: what is imported so far is kept.
        if (IsQuitRequested())
            return;
        CString path = JoinPathSegment(directory, entry.name);
        // Links and special files are never followed nor imported.
        if (entry.kind == QZPathKind::folder && m_nDepthLimit > m_nDepth) {
            EnterDirectory(path, entry.name);
            m_strCurrentDirectory = enteredDirectory;
            m_nDepth = enteredDepth;
        } else if (entry.kind == QZPathKind::file) {
            ImportFile(path, entry.name);
        }
    }
}

void QZImportSite::EnterDirectory(const CString& path, const CString& name) {
    // Its name becomes a Directory column: a section's, or its files' one level down.
    if (CharacterCount(name) > kDirectorySize) {
        LogError("The directory " + path + " is skipped: its name is longer than 30 characters.");
        return;
    }
    if (m_nDepth == 0) {
        m_pSection = std::make_unique<QZSection>();
        m_pSection->SetSectionTitle(LeftCharacters(name, 100));
        m_pSection->SetSectionName(LeftCharacters(name, 50));
        m_pSection->SetDirectory(name);
        m_pSection->Save();
        GetVantrelApp()->GetCurrentSectionKey() = m_pSection->GetKey();
    }
    m_nDepth = m_nDepth + 1;
    m_strCurrentDirectory = name;
    ImportDirectory(path);
    if (m_nDepth == 1)
        m_pSection.reset();
}

void QZImportSite::ImportFile(const CString& path, const CString& name) {
    FileKind kind = KindOfFile(name);
    if (kind == kOther)
        return;
    if (CharacterCount(name) > kFileNameSize) {
        LogError("The file " + path + " is skipped: its name is longer than 30 characters.");
        return;
    }
    std::string content;
    LONG length = 0;
    if (kind == kPage ? !ReadLocalFile(path, content) : !LocalFileLength(path, length)) {
        LogError("Cannot read the file " + path + ".");
        return;
    }
    switch (kind) {
    case kPage:
        AddFileRow(*m_pDocumentSet, OBJ_PAGE, path, [&](CDocumentSet& row) {
            row.m_FileName = name;
            row.m_Title = LeftCharacters(name.Left(name.ReverseFind('.')), 30);
            row.m_ScriptBody = NormalizeLineEnds(WithoutNulBytes(content));
        });
        break;
    case kImage:
        AddFileRow(*m_pImagesSet, OBJ_IMAGE, path, [&](CImagesSet& row) {
            row.m_FileName = name;
            row.m_Name = LeftCharacters(name, 100);
            row.m_ImageFileSize = length;
        });
        break;
    case kMedia:
        AddFileRow(*m_pMediaSet, OBJ_MEDIA, path, [&](CMediaSet& row) {
            row.m_FileName = name;
            row.m_Title = LeftCharacters(name, 100);
        });
        break;
    default:
        AddFileRow(*m_pJavaSet, OBJ_JAVA, path, [&](CJavaSet& row) {
            row.m_Code = name;
            row.m_Title = LeftCharacters(name, 100);
        });
        break;
    }
}

template <class Set, typename Fill>
void QZImportSite::AddFileRow(Set& set, SHORT type, const CString& path, Fill fill) {
    if (set.AddNewRecord(0) != 1) {
        LogError("Cannot add a row for the file " + path + ".");
        return;
    }
    QZSection& section = m_nDepth == 0 ? *m_pMainSection : *m_pSection;
    set.SetServiceKey(m_ServiceKey);
    set.SetSectionKey(section.GetKey());
    // Files of the first level are placed by their section's directory.
    if (m_nDepth == kDeepest)
        set.m_Directory = m_strCurrentDirectory;
    fill(set);
    QZKeyCombo key = set.GetKey();
    key.SetObjectType(type);
    m_pFileTable->Define(path, TRUE)->SetKey(key);
    m_importList.push_back({path, key});
    set.SaveRecord(0);
    LogCreated(key, "Created from file " + path);
}

void QZImportSite::ConvertPages() {
    for (const ImportedFile& file : m_importList) {
        if (file.key.m_ObjectType != OBJ_PAGE)
            continue;
        QZVantrelPage page(file.key, TRUE);
        {
            QZHTMLContext converter(&page, m_pFileTable.get(), m_strRootPath,
                                    PathBeforeLastSegment(file.path));
        }
        page.Save();
    }
}

void QZImportSite::LogCreated(const QZKeyCombo& key, const CString& text) {
    GetVantrelApp()->PostEngineMessage(
        new QZEngineMessage(QZEngineMessage::kindProgress, key.m_ObjectType, key, text, 0));
}

void QZImportSite::LogError(const CString& text) {
    GetVantrelApp()->PostEngineMessage(new QZEngineMessage(QZEngineMessage::kindError, text));
}

CString QZImportSite::NormalizeLineEnds(const CString& text) {
    const std::string& in = text.str();
    std::string out;
    out.reserve(in.size() + in.size() / 16);
    for (size_t i = 0; i < in.size(); i++) {
        char c = in[i];
        if (c == '\n') {
            out += "\r\n";
        } else if (c == '\r') {
            out += "\r\n";
            if (i + 1 < in.size() && in[i + 1] == '\n')
                i++;
        } else {
            out += c;
        }
    }
    return CString(out);
}
