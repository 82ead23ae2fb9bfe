#include "editors/QZDocumentKinds.h"

#include "content/QZAttributes.h"
#include "content/QZVantrelActiveX.h"
#include "content/QZVantrelAd.h"
#include "content/QZVantrelAdSpace.h"
#include "content/QZVantrelAdvertiser.h"
#include "content/QZVantrelEvent.h"
#include "content/QZVantrelForm.h"
#include "content/QZVantrelImage.h"
#include "content/QZVantrelJava.h"
#include "content/QZVantrelMedia.h"
#include "content/QZVantrelMessage.h"
#include "content/QZVantrelPage.h"
#include "content/QZVantrelPhoto.h"
#include "content/QZVantrelQuery.h"
#include "content/QZVantrelScript.h"
#include "content/QZVantrelTemplate.h"
#include "editors/CChildFormFrame.h"
#include "editors/CChildFrame.h"
#include "editors/CChildImageFrame.h"
#include "editors/CChildMsgFrame.h"
#include "editors/CChildPhotoFrame.h"
#include "editors/CChildQueryFrame.h"
#include "editors/CChildStyleFrame.h"
#include "editors/CChildTemplateFrame.h"
#include "editors/CVantrel3Doc.h"
#include "editors/QZActiveXDoc.h"
#include "editors/QZAdDoc.h"
#include "editors/QZAdSpaceDoc.h"
#include "editors/QZAdvertiserDoc.h"
#include "editors/QZChildActiveXFrame.h"
#include "editors/QZChildAdFrame.h"
#include "editors/QZChildAdSpaceFrame.h"
#include "editors/QZChildAdvertiserFrame.h"
#include "editors/QZChildEventFrame.h"
#include "editors/QZChildJavaFrame.h"
#include "editors/QZChildMultiMediaFrame.h"
#include "editors/QZChildScriptFrame.h"
#include "editors/QZEventDoc.h"
#include "editors/QZFormDoc.h"
#include "editors/QZImageDoc.h"
#include "editors/QZJavaDoc.h"
#include "editors/QZMessageDoc.h"
#include "editors/QZMultiMediaDoc.h"
#include "editors/QZPhotoDoc.h"
#include "editors/QZQueryDoc.h"
#include "editors/QZScriptsDoc.h"
#include "editors/QZStyleDoc.h"
#include "editors/QZVantrel3TemplateDoc.h"

namespace {

template <class Kind> std::unique_ptr<QZVantrelBase> Create() {
    return std::make_unique<Kind>();
}

// Loaded for editing: with the row's claim, a read-only copy when another user holds it.
template <class Kind> std::unique_ptr<QZVantrelBase> Load(const QZKeyCombo& key) {
    return std::make_unique<Kind>(key, TRUE);
}

template <> std::unique_ptr<QZVantrelBase> Load<QZVantrelPhoto>(const QZKeyCombo& key) {
    return std::make_unique<QZVantrelPhoto>(key);
}

using K = QZDocumentKind;

} // namespace

const std::vector<QZDocumentKind>& QZDocumentKinds() {
    static const std::vector<QZDocumentKind> kinds{
        {OBJ_PAGE,
         129,
         RUNTIME_CLASS(CVantrel3Doc),
         RUNTIME_CLASS(CChildFrame),
         "CVantrel3View",
         "\nPage\nPage\n\n\nMarquillPage\nMarquill Page",
         "Page",
         {"QZAttributeView"},
         "QZPageStatusForm",
         K::previewText,
         "Page",
         true,
         Create<QZVantrelPage>,
         Load<QZVantrelPage>},
        {OBJ_MACRO,
         132,
         RUNTIME_CLASS(QZVantrel3TemplateDoc),
         RUNTIME_CLASS(CChildTemplateFrame),
         "QZVantrel3TemplateView",
         "\nMacro\nMacro\n\n\n\nMarquill Macro",
         "Macro",
         {"QZTemplateAttributeView"},
         "QZStatusForm",
         K::previewText,
         "Macro",
         false,
         Create<QZVantrelTemplate>,
         Load<QZVantrelTemplate>},
        {OBJ_SCRIPT,
         164,
         RUNTIME_CLASS(QZScriptsDoc),
         RUNTIME_CLASS(QZChildScriptFrame),
         "QZScriptsView",
         "\nScript\nScript\n\n\n\nMarquill Script",
         "Script",
         {"QZScriptsAttributeView"},
         "QZStatusForm",
         K::previewNothing,
         "",
         true,
         Create<QZVantrelScript>,
         Load<QZVantrelScript>},
        {OBJ_IMAGE,
         135,
         RUNTIME_CLASS(QZImageDoc),
         RUNTIME_CLASS(CChildImageFrame),
         "QZImageAttributeView",
         "\nImage\nImage\n\n\n\nMarquill Image",
         "Image",
         {"QZImageAttributeView"},
         "QZStatusForm",
         K::previewFile,
         "",
         true,
         Create<QZVantrelImage>,
         Load<QZVantrelImage>},
        {OBJ_ACTIVEX,
         165,
         RUNTIME_CLASS(QZActiveXDoc),
         RUNTIME_CLASS(QZChildActiveXFrame),
         "QZActiveXView",
         "\nActiveX\nActiveX\n\n\n\nMarquill ActiveX",
         "ActiveX Controls",
         {"QZActiveXView"},
         "QZStatusForm",
         K::previewCollect,
         "",
         true,
         Create<QZVantrelActiveX>,
         Load<QZVantrelActiveX>},
        {OBJ_JAVA,
         166,
         RUNTIME_CLASS(QZJavaDoc),
         RUNTIME_CLASS(QZChildJavaFrame),
         "QZJavaView",
         "\nJava\nJava\n\n\n\nMarquill Java",
         "Java",
         {"QZJavaView"},
         "QZStatusForm",
         K::previewCollect,
         "",
         true,
         Create<QZVantrelJava>,
         Load<QZVantrelJava>},
        {OBJ_MEDIA,
         167,
         RUNTIME_CLASS(QZMultiMediaDoc),
         RUNTIME_CLASS(QZChildMultiMediaFrame),
         "QZMultiMediaView",
         "\nMultiMedia\nMultiMedia\n\n\n\nMarquill MultiMedia",
         "MultiMedia",
         {"QZMultiMediaView"},
         "QZStatusForm",
         K::previewCollect,
         "",
         true,
         Create<QZVantrelMedia>,
         Load<QZVantrelMedia>},
        {OBJ_PHOTO,
         162,
         RUNTIME_CLASS(QZPhotoDoc),
         RUNTIME_CLASS(CChildPhotoFrame),
         "QZPhotoForm",
         "\nPhoto\nPhoto\n\n\n\nMarquill Photo",
         "Photo",
         {"QZPhotoAttributes", "QZPhotoForm", "QZPhotoData"},
         "QZStatusForm",
         K::previewFile,
         "",
         true,
         Create<QZVantrelPhoto>,
         Load<QZVantrelPhoto>},
        {OBJ_FORM,
         161,
         RUNTIME_CLASS(QZFormDoc),
         RUNTIME_CLASS(CChildFormFrame),
         "QZVantrelFormView",
         "\nForm\nForm\n\n\n\nMarquill Form",
         "Form",
         {"QZTemplateAttributeView"},
         "QZStatusForm",
         K::previewText,
         "Form",
         true,
         Create<QZVantrelForm>,
         Load<QZVantrelForm>},
        {OBJ_MESSAGE,
         160,
         RUNTIME_CLASS(QZMessageDoc),
         RUNTIME_CLASS(CChildMsgFrame),
         "QZMessageView",
         "\nEmail\nEmail\n\n\n\nMarquill Email Message",
         "Email",
         {"QZMessageForm"},
         "QZStatusForm",
         K::previewNothing,
         "",
         true,
         Create<QZVantrelMessage>,
         Load<QZVantrelMessage>},
        {OBJ_QUERY,
         137,
         RUNTIME_CLASS(QZQueryDoc),
         RUNTIME_CLASS(CChildQueryFrame),
         "QZQueryForm",
         "\nQuery\nQuery\n\n\n\nMarquill Query",
         "Query",
         {"QZQueryForm"},
         "QZStatusForm",
         K::previewNothing,
         "",
         true,
         Create<QZVantrelQuery>,
         Load<QZVantrelQuery>},
        {OBJ_STYLE,
         163,
         RUNTIME_CLASS(QZStyleDoc),
         RUNTIME_CLASS(CChildStyleFrame),
         "QZStyleSheet",
         "\nStyle\nStyle\n\n\n\nMarquill Style",
         "Style",
         {"QZStyleSheet"},
         "QZStatusForm",
         K::previewNothing,
         "",
         true,
         Create<QZAttributes>,
         Load<QZAttributes>},
        {OBJ_EVENT,
         168,
         RUNTIME_CLASS(QZEventDoc),
         RUNTIME_CLASS(QZChildEventFrame),
         "QZEventView",
         "\nEvent\nEvent\n\n\n\nMarquill Event",
         "Scheduled Events",
         {"QZEventPropView"},
         "QZStatusForm",
         K::previewNothing,
         "",
         true,
         Create<QZVantrelEvent>,
         Load<QZVantrelEvent>},
        {OBJ_ADVERTISER,
         169,
         RUNTIME_CLASS(QZAdvertiserDoc),
         RUNTIME_CLASS(QZChildAdvertiserFrame),
         "QZAdvertiserView",
         "\nAdvertiser\nAdvertiser\n\n\n\nMarquill Advertiser",
         "Advertisers",
         {"QZAdvertiserView"},
         "QZStatusForm",
         K::previewNothing,
         "",
         true,
         Create<QZVantrelAdvertiser>,
         Load<QZVantrelAdvertiser>},
        {OBJ_AD,
         233,
         RUNTIME_CLASS(QZAdDoc),
         RUNTIME_CLASS(QZChildAdFrame),
         "QZAdView",
         "\nAd\nAd\n\n\n\nMarquill Ad",
         "Ad",
         {"QZAdView"},
         "QZStatusForm",
         K::previewNothing,
         "",
         true,
         Create<QZVantrelAd>,
         Load<QZVantrelAd>},
        {OBJ_ADSPACE,
         234,
         RUNTIME_CLASS(QZAdSpaceDoc),
         RUNTIME_CLASS(QZChildAdSpaceFrame),
         "QZAdSpaceView",
         "\nAdSpacer\nAdSpacer\n\n\n\nMarquill Ad Space",
         "Ad Space",
         {"QZAdSpaceView"},
         "QZStatusForm",
         K::previewNothing,
         "",
         true,
         Create<QZVantrelAdSpace>,
         Load<QZVantrelAdSpace>},
    };
    return kinds;
}

int QZDocumentKindIndex(SHORT type) {
    const std::vector<QZDocumentKind>& kinds = QZDocumentKinds();
    for (size_t i = 0; i < kinds.size(); ++i) {
        if (kinds[i].type == type)
            return static_cast<int>(i);
    }
    return -1;
}

const QZDocumentKind* QZDocumentKindOf(SHORT type) {
    const int index = QZDocumentKindIndex(type);
    return index < 0 ? nullptr : &QZDocumentKinds()[static_cast<size_t>(index)];
}
