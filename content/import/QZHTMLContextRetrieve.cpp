// The retrieval's part of QZHTMLContext: a remote site copied into a local folder.

#include "content/QZEngineMessage.h"
#include "content/QZEngineMessageSink.h"
#include "content/import/QZHTMLContext.h"
#include "content/import/QZImportPaths.h"
#include "content/import/QZRetrievalLimits.h"
#include "content/import/QZRetrievalSession.h"
#include "content/import/QZRetrievedFile.h"
#include "db/CActiveXSet.h"
#include "db/CScriptSet.h"
#include "db/QZApplication.h"
#include "platform/core/CFileException.h"
#include "platform/inet/CHttpConnection.h"
#include "platform/inet/CHttpFile.h"
#include "platform/inet/CInternetException.h"
#include "platform/ui/MessagePump.h"
#include "template/values/SymbolTable.h"

#include <algorithm>
#include <memory>

namespace {

const char* const kPageExtensions[] = {"html", "htm", "asp", "shtml", "shtm"};

// Read in pieces of at most this many bytes.
constexpr UINT kPieceSize = 1023;

// Whether a name's extension, in lower case, is a page's.
BOOL IsPageName(const CString& name) {
    int dot = name.ReverseFind('.');
    CString extension = dot >= 0 ? name.Mid(dot + 1) : CString();
    extension.MakeLower();
    for (const char* page : kPageExtensions)
        if (extension == page)
            return TRUE;
    return FALSE;
}

bool IsRedirection(DWORD status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// The absolute URL that a Location header names, seen from the address answered.
CString Absolute(const QZImportURL& from, const CString& location) {
    if (location.Find("://") >= 0)
        return location;
    if (location.Left(2) == "//")
        return from.scheme + ":" + location;
    if (location.Left(1) == "/")
        return from.scheme + "://" + from.Server() + location;
    return from.scheme + "://" + from.Server() + from.Directory() + "/" + location;
}

// A redirection stays on the host: on the same port, or from http to https.
bool MayRedirect(const QZImportURL& from, const QZImportURL& to) {
    if (from.host != to.host)
        return false;
    return from.SameSite(to) || (from.scheme == "http" && to.scheme == "https");
}

CString Number(long long value) {
    CString text;
    text.Format("%I64d", static_cast<long long>(value));
    return text;
}

} // namespace

QZHTMLContext::QZHTMLContext(const CString& url, const CString& localDirectory, int* pIsPage,
                             SymbolTable* names, int depthLimit, const CString& baseURL)
    : QZVantrelCompileContext(nullptr), m_strRootDirectory(localDirectory), m_pNameTable(names),
      m_nDepthLimit(depthLimit) {
    m_strBaseURL = baseURL;
    if (names == nullptr) {
        m_pOwnNameTable = std::make_unique<SymbolTable>();
        m_pNameTable = m_pOwnNameTable.get();
        m_strBaseURL = IsPageName(url) ? url.Left(url.ReverseFind('/') + 1) : CString();
    }
    if (pIsPage != nullptr)
        *pIsPage = 0;
    if (m_strBaseURL.IsEmpty()) {
        Log(QZEngineMessage::kindProgress,
            "URL " + url + " must have extension .htm, .html, .shtm, .shtml, or .asp");
        return;
    }
    m_base.Parse(m_strBaseURL);
    // The start URL is the first of the table, so that a link back to it is not retrieved
    // again.
    QZImportURL start;
    if (start.Parse(url) && m_pNameTable->Find(start.Format(), TRUE) == nullptr)
        m_pNameTable->Define(start.Format(), TRUE);
    BOOL saved = Download(url);
    if (saved && pIsPage != nullptr)
        *pIsPage = 1;
    if (saved && !m_text.IsEmpty())
        FollowLinks();
}

BOOL QZHTMLContext::Download(const CString& url) {
    Log(QZEngineMessage::kindProgress, "Downloading " + url);
    m_text.Empty();
    QZImportURL address;
    if (!address.Parse(url))
        return FALSE;
    std::vector<CString> segments;
    if (!LocalSegments(address, segments)) {
        Log(QZEngineMessage::kindError, "URL " + url + " has no safe local file name");
        return FALSE;
    }
    m_page = address;
    return Fetch(url, segments, IsPageName(segments.back()));
}

BOOL QZHTMLContext::LocalSegments(const QZImportURL& address,
                                  std::vector<CString>& segments) const {
    const CString& base = m_base.path;
    if (!address.SameSite(m_base) || address.path.Left(base.GetLength()) != base)
        return FALSE;
    CString relative = address.path.Mid(base.GetLength());
    if (relative.IsEmpty() || relative.Right(1) == "/")
        relative += "index.html";
    return SafeLocalSegments(relative, segments);
}

BOOL QZHTMLContext::Fetch(const CString& url, const std::vector<CString>& segments, BOOL isPage) {
    const QZRetrievalLimits& limits = QZRetrievalLimits::Current();
    QZRetrievalSession session;
    PumpWaitingMessages();
    QZImportURL current = m_page;
    try {
        for (int redirections = 0;; redirections++) {
            std::unique_ptr<CHttpConnection> connection(
                session.GetHttpConnection(current.host, current.port));
            DWORD flags = INTERNET_FLAG_EXISTING_CONNECT | INTERNET_FLAG_NO_AUTO_REDIRECT |
                          (current.scheme == "https" ? INTERNET_FLAG_SECURE : 0);
            std::unique_ptr<CHttpFile> answer(connection->OpenRequest(
                CHttpConnection::HTTP_VERB_GET, current.path, nullptr, 1, nullptr, nullptr, flags));
            answer->AddRequestHeaders("accept: */*", HTTP_ADDREQ_FLAG_ADD_IF_NEW);
            answer->SendRequest();
            DWORD status = 0;
            answer->QueryInfoStatusCode(status);
            CString location;
            if (IsRedirection(status) && answer->QueryInfo(HTTP_QUERY_LOCATION, location)) {
                QZImportURL target;
                if (!target.Parse(Absolute(current, location)) || !MayRedirect(current, target)) {
                    Log(QZEngineMessage::kindError,
                        "URL " + url + " redirects to " + location + " off the site");
                    return FALSE;
                }
                if (redirections >= limits.maxRedirections) {
                    CString count;
                    count.Format("%d", limits.maxRedirections);
                    Log(QZEngineMessage::kindError,
                        "URL " + url + " redirects more than " + count + " times");
                    return FALSE;
                }
                current = target;
                continue;
            }
            if (status != HTTP_STATUS_OK) {
                Log(QZEngineMessage::kindError, "Invalid URL " + url);
                return FALSE;
            }
            // Links are seen from where the page was found.
            m_page = current;
            return Save(*answer, url, segments, isPage);
        }
    } catch (CInternetException* e) {
        e->Delete();
        m_text.Empty();
        Log(QZEngineMessage::kindError, "Invalid URL " + url);
        return FALSE;
    }
}

BOOL QZHTMLContext::Save(CHttpFile& answer, const CString& url,
                         const std::vector<CString>& segments, BOOL isPage) {
    const QZRetrievalLimits& limits = QZRetrievalLimits::Current();
    // Removed again unless it is complete.
    QZRetrievedFile file;
    try {
        file.Create(m_strRootDirectory, segments);
        char buffer[kPieceSize + 1];
        long long total = 0;
        BOOL scanCut = FALSE;
        for (UINT n = answer.Read(buffer, kPieceSize); n > 0; n = answer.Read(buffer, kPieceSize)) {
            total += n;
            if (total > limits.maxFileBytes) {
                m_text.Empty();
                Log(QZEngineMessage::kindError, "URL " + url + " is larger than " +
                                                    Number(limits.maxFileBytes) +
                                                    " bytes: not saved");
                return FALSE;
            }
            if (isPage && !scanCut) {
                long long room = limits.maxScanBytes - m_text.GetLength();
                m_text += CString(buffer, static_cast<int>(std::min<long long>(n, room)));
                scanCut = room < n;
            }
            file.Write(buffer, n);
        }
        file.Close();
        if (scanCut)
            Log(QZEngineMessage::kindError, "URL " + url + " is scanned for links in its first " +
                                                Number(limits.maxScanBytes) + " bytes only");
        return TRUE;
    } catch (CFileException* e) {
        m_text.Empty();
        e->ReportError();
        e->Delete();
        return FALSE;
    }
}

void QZHTMLContext::FollowLinks() {
    const QZRetrievalLimits& limits = QZRetrievalLimits::Current();
    // The links still to visit of each page on the way down, so that the walk goes depth
    // first in the order the links were met without nesting a call for each page.
    struct Pending {
        std::vector<CString> links;
        size_t next = 0;
    };
    std::vector<Pending> pending;
    pending.push_back({FindLinks()});
    // The end of the program asked meanwhile stops the retrieval after the page in progress.
    while (!pending.empty() && !IsQuitRequested()) {
        if (pending.back().next == pending.back().links.size()) {
            pending.pop_back();
            continue;
        }
        CString link = pending.back().links[pending.back().next++];
        if (m_pNameTable->Find(link, TRUE) != nullptr)
            continue;
        if (m_pNameTable->GetCount() >= limits.maxURLs) {
            CString count;
            count.Format("%ld", limits.maxURLs);
            Log(QZEngineMessage::kindError,
                "URL " + link + " not retrieved: a run retrieves at most " + count + " URLs");
            return;
        }
        m_pNameTable->Define(link, TRUE);
        if (Download(link) && !m_text.IsEmpty())
            pending.push_back({FindLinks()});
    }
}

std::vector<CString> QZHTMLContext::FindLinks() {
    std::vector<CString> links;
    m_nPosition = 0;
    for (int token = NextToken(); token != HTML_END; token = NextToken()) {
        LPCTSTR name = nullptr;
        if (token == HTML_IMG || token == HTML_FRAME)
            name = "src";
        else if (token == HTML_BODY)
            name = "background";
        else if (token == HTML_A)
            name = "href";
        if (name == nullptr || !HasAttribute(name))
            continue;
        CString value = Attribute(name);
        bool link = token == HTML_A || token == HTML_FRAME;
        int hash = value.ReverseFind('#');
        if (link && hash >= 0)
            value = value.Left(hash);
        CString lower = value;
        lower.MakeLower();
        if (value.IsEmpty() || value.Find(":/") >= 0 || value.Find('?') >= 0 ||
            (link && lower.Find("mailto:") >= 0))
            continue;
        if (!ResolveURL(value).IsEmpty())
            links.push_back(m_strResolved);
    }
    // Only the page being scanned is held.
    m_text.Empty();
    return links;
}

const CString& QZHTMLContext::ResolveURL(const CString& link) {
    QZImportURL address = m_page;
    address.path = NormaliseURLPath(link.Left(1) == "/" ? link : m_page.Directory() + "/" + link);
    m_strResolved.Empty();
    const CString& base = m_base.path;
    if (!address.SameSite(m_base) || address.path.Left(base.GetLength()) != base)
        return m_strResolved;
    CString below = address.path.Mid(base.GetLength());
    if (below.Remove('/') > m_nDepthLimit)
        return m_strResolved;
    m_strResolved = address.Format();
    return m_strResolved;
}

void QZHTMLContext::Log(int kind, const CString& text) {
    auto* message = new QZEngineMessage(kind, text);
    if (QZApplication* app = GetVantrelApp())
        app->PostEngineMessage(message);
    else
        PostToEngineMessageSink(message);
}
