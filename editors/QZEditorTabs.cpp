#include "editors/QZEditorTabs.h"

#include "editors/QZAttributeView.h"
#include "editors/QZPageStatusForm.h"
#include "editors/QZScriptsAttributeView.h"
#include "editors/QZStatusForm.h"
#include "editors/QZTemplateAttributeView.h"
#include "platform/core/CRuntimeClass.h"
#include "platform/core/StringTable.h"

#include <cstring>

namespace {

constexpr QZEditorTab kProperties(const char* viewClass) {
    return {1014, "Properties", viewClass};
}
// The status forms are named through their classes, which links them in.
QZEditorTab StatusTab() {
    return {1017, "Status", RUNTIME_CLASS(QZStatusForm)->m_lpszClassName};
}
constexpr QZEditorTab kPreview{1020, "Preview", "QZPreView"};

} // namespace

CString QZEditorTab::Caption() const {
    if (captionId != 0) {
        if (const char* text = StringTable::Lookup(captionId))
            return text;
    }
    return caption;
}

const std::vector<QZEditorFrameTabs>& QZEditorTabs() {
    const QZEditorTab kStatus = StatusTab();
    static const std::vector<QZEditorFrameTabs> frames{
        {"CChildFrame",
         {{0, "Edit", "CVantrel3View"},
          {0, "Header", "QZHeaderView"},
          kProperties(RUNTIME_CLASS(QZAttributeView)->m_lpszClassName),
          {1017, "Status", RUNTIME_CLASS(QZPageStatusForm)->m_lpszClassName},
          kPreview}},
        {"CChildTemplateFrame",
         {{0, "Macro", "QZVantrel3TemplateView"},
          kProperties(RUNTIME_CLASS(QZTemplateAttributeView)->m_lpszClassName),
          kStatus,
          kPreview}},
        {"QZChildScriptFrame",
         {{0, "Script", "QZScriptsView"},
          kProperties(RUNTIME_CLASS(QZScriptsAttributeView)->m_lpszClassName),
          kStatus}},
        {"CChildImageFrame", {kProperties("QZImageAttributeView"), kStatus, kPreview}},
        {"QZChildActiveXFrame", {kProperties("QZActiveXView"), kStatus}},
        {"QZChildJavaFrame", {kProperties("QZJavaView"), kStatus}},
        {"QZChildMultiMediaFrame", {kProperties("QZMultiMediaView"), kStatus}},
        {"CChildPhotoFrame",
         {kProperties("QZPhotoAttributes"),
          {0, "Data", "QZPhotoForm"},
          {0, "Service", "QZPhotoData"},
          kStatus,
          kPreview}},
        {"CChildFormFrame",
         {{0, "Form", "QZVantrelFormView"},
          {0, "Action", "QZScriptView"},
          kProperties(RUNTIME_CLASS(QZTemplateAttributeView)->m_lpszClassName),
          kStatus,
          kPreview}},
        {"CChildMsgFrame",
         {{0, "Message", "QZMessageView"}, kProperties("QZMessageForm"), kStatus}},
        {"CChildQueryFrame", {kProperties("QZQueryForm"), kStatus}},
        {"CChildStyleFrame", {{0, "Style", "QZStyleSheet"}, kStatus}},
        {"QZChildEventFrame",
         {{0, "Event Script", "QZEventView"}, kProperties("QZEventPropView"), kStatus}},
        {"QZChildAdvertiserFrame", {kProperties("QZAdvertiserView"), kStatus}},
        {"QZChildAdFrame", {kProperties("QZAdView"), kStatus}},
        {"QZChildAdSpaceFrame", {kProperties("QZAdSpaceView"), kStatus}},
    };
    return frames;
}

const QZEditorFrameTabs* QZEditorTabsOf(const char* frameClass) {
    for (const QZEditorFrameTabs& frame : QZEditorTabs()) {
        if (std::strcmp(frame.frameClass, frameClass) == 0)
            return &frame;
    }
    return nullptr;
}
