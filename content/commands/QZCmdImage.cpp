#include "content/commands/QZCmdImage.h"

#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZVantrelImage.h"
#include "content/commands/QZObjectCommandParts.h"
#include "template/commands/QZArgumentContext.h"
#include "template/commands/QZCommandDialogs.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZVantrelContext.h"

using namespace QZObjectCommandParts;

IMPLEMENT_DYNAMIC(QZCmdImage, QZCmdFunction)

QZCmdImage::QZCmdImage(QZVantrelContext* context, const CString& arguments)
    : QZCmdFunction(context, arguments, OBJ_IMAGE), m_imageKey(-1, -1, OBJ_IMAGE) {}

QZCmdImage::~QZCmdImage() = default;

void QZCmdImage::WriteSource(CString& text) {
    text += "<<image " + GetArguments()->GetTranslatedText() + ">>";
}

BOOL QZCmdImage::CheckParameters() {
    Evaluate(*this);
    m_imageKey = ReadKey(*this, OBJ_IMAGE, m_pKeyEntry);
    if (!CheckImage(m_pKeyEntry))
        return FALSE;
    ReadParameters();
    return TRUE;
}

BOOL QZCmdImage::CheckImage(QZSymbol* keyEntry) {
    m_pImage.reset();
    if (m_imageKey.m_KeyID > 0) {
        m_pImage = std::make_unique<QZVantrelImage>(m_imageKey, FALSE);
        if (!m_pImage->IsLoaded()) {
            ReportInvalidKey(*this, "image", "image", keyEntry, m_imageKey);
            m_pImage.reset();
        }
    } else if (m_pContext->GetMode() == QZVantrelContext::MODE_GENERATE) {
        // The editor checks commands as they are typed; only a generation reports this.
        Error("image: no valid image key specified");
    }
    return m_pImage != nullptr;
}

void QZCmdImage::ReadParameters() {
    const QZVantrelImage& image = *m_pImage;
    ReadInteger(*this, "align", m_nAlign);
    if (!ReadString(*this, "alt", m_strAlt))
        m_strAlt = image.GetAlternateText();
    if (!ReadInteger(*this, "border", m_nBorder))
        m_nBorder = image.GetBorderWidth();
    if (!ReadInteger(*this, "height", m_nHeight))
        m_nHeight = image.GetHeight();
    if (!ReadInteger(*this, "width", m_nWidth))
        m_nWidth = image.GetWidth();
    if (!ReadInteger(*this, "hspace", m_nHSpace))
        m_nHSpace = image.GetHSpace();
    if (!ReadInteger(*this, "vspace", m_nVSpace))
        m_nVSpace = image.GetVSpace();
    if (!ReadString(*this, "other", m_strOther))
        m_strOther.Empty();
    if (!ReadString(*this, "usemap", m_strUseMap))
        m_strUseMap.Empty();
    m_bIsMap = HasOwnWord(*this, "ismap");
}

CString QZCmdImage::ImagePath() const {
    CString path = m_pMessageOwner != nullptr ? m_pMessageOwner->GetRelativePath() : CString();
    path += DirectoryPart(m_pImage->GetService()->GetDirectory());
    path += DirectoryPart(m_pImage->GetSection()->GetDirectory());
    return path + DirectoryPart(m_pImage->GetDirectory());
}

void QZCmdImage::Execute() {
    if (!CheckParameters())
        return;
    m_pImage->LoadService();
    m_pImage->LoadSection();
    CString path = ImagePath();
    CString tag;
    if (m_bIsMap)
        tag += "<a href=\"" + path + m_pImage->GetMapFile() + "\">";
    tag += "<img src=\"" + path + m_pImage->GetFileName() + "\" alt=\"" + m_strAlt + "\"";
    tag += AlignAttribute(m_nAlign);
    tag.AppendFormat(" border=%d", m_nBorder);
    if (m_nHeight != 0)
        tag.AppendFormat(" height=%d", m_nHeight);
    if (m_nWidth != 0)
        tag.AppendFormat(" width=%d", m_nWidth);
    tag.AppendFormat(" hspace=%d vspace=%d", m_nHSpace, m_nVSpace);
    if (!m_strOther.IsEmpty())
        tag += " " + m_strOther;
    tag += QuotedAttribute("usemap", m_strUseMap);
    if (m_bIsMap)
        tag += " ismap></a";
    Write(tag + ">");
    RecordDependency(m_pRunOwner != nullptr ? m_pRunOwner : m_pMessageOwner, m_pImage.get());
    m_pImage.reset();
}

CString QZCmdImage::EditProperties() {
    CheckParameters();
    std::optional<CString> altDefault = RowDefault(*this, "alt", m_strAlt);
    CString keyText;
    CString rest;
    SplitKeyText(m_source, keyText, rest);
    CString leftover = rest;
    for (LPCTSTR name :
         {"align", "border", "hspace", "vspace", "width", "height", "ismap", "usemap", "alt"})
        leftover = RemoveAttribute(leftover, name);
    BOOL hasMap = m_pImage != nullptr && !m_pImage->GetMapFile().IsEmpty();
    m_properties.Empty();
    if (GetCommandDialogs().ImageProps(*this, hasMap, leftover) == IDOK)
        m_properties = BuildEditedText(keyText, rest, hasMap, altDefault);
    m_pImage.reset();
    return m_properties;
}

CString QZCmdImage::BuildEditedText(const CString& keyText, const CString& rest, BOOL hasMap,
                                    const std::optional<CString>& altDefault) {
    CString text = "<<image " + EditedKeyText(m_imageKey, keyText);
    // Only what differs from the chosen image's own row is written.
    if (CheckImage(nullptr)) {
        const QZVantrelImage& image = *m_pImage;
        text += AlignItem(m_nAlign);
        if (WritesText(m_strAlt, image.GetAlternateText(), altDefault))
            text += ",alt=\"" + m_strAlt + "\"";
        const std::pair<LPCTSTR, std::pair<LONG, LONG>> numbers[] = {
            {",border=%d", {m_nBorder, image.GetBorderWidth()}},
            {",height=%d", {m_nHeight, image.GetHeight()}},
            {",width=%d", {m_nWidth, image.GetWidth()}},
            {",hspace=%d", {m_nHSpace, image.GetHSpace()}},
            {",vspace=%d", {m_nVSpace, image.GetVSpace()}},
        };
        for (const auto& [format, values] : numbers)
            if (values.first != values.second)
                text.AppendFormat(format, values.first);
        text += QuotedItem("other", m_strOther) + QuotedItem("usemap", m_strUseMap);
        if (hasMap && !image.GetMapFile().IsEmpty())
            text += ",ismap";
    }
    text += CarriedItems(rest, {"align", "alt", "border", "height", "width", "hspace", "vspace",
                                "other", "usemap", "ismap"});
    return text + ">>";
}
