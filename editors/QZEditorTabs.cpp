#include "editors/QZEditorTabs.h"

#include "editors/QZActiveXView.h"
#include "editors/QZAdSpaceView.h"
#include "editors/QZAdView.h"
#include "editors/QZAdvertiserView.h"
#include "editors/QZAttributeView.h"
#include "editors/QZEventPropView.h"
#include "editors/QZEventView.h"
#include "editors/QZImageAttributeView.h"
#include "editors/QZJavaView.h"
#include "editors/QZMessageForm.h"
#include "editors/QZMessageView.h"
#include "editors/QZMultiMediaView.h"
#include "editors/QZPageStatusForm.h"
#include "editors/QZPhotoAttributes.h"
#include "editors/QZPhotoData.h"
#include "editors/QZPhotoForm.h"
#include "editors/QZQueryForm.h"
#include "editors/QZScriptsAttributeView.h"
#include "editors/QZStatusForm.h"
#include "editors/QZStyleSheet.h"
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
        {"CChildImageFrame",
         {kProperties(RUNTIME_CLASS(QZImageAttributeView)->m_lpszClassName), kStatus, kPreview}},
        {"QZChildActiveXFrame",
         {kProperties(RUNTIME_CLASS(QZActiveXView)->m_lpszClassName), kStatus}},
        {"QZChildJavaFrame", {kProperties(RUNTIME_CLASS(QZJavaView)->m_lpszClassName), kStatus}},
        {"QZChildMultiMediaFrame",
         {kProperties(RUNTIME_CLASS(QZMultiMediaView)->m_lpszClassName), kStatus}},
        {"CChildPhotoFrame",
         {kProperties(RUNTIME_CLASS(QZPhotoAttributes)->m_lpszClassName),
          {0, "Data", RUNTIME_CLASS(QZPhotoForm)->m_lpszClassName},
          {0, "Service", RUNTIME_CLASS(QZPhotoData)->m_lpszClassName},
          kStatus,
          kPreview}},
        {"CChildFormFrame",
         {{0, "Form", "QZVantrelFormView"},
          {0, "Action", "QZScriptView"},
          kProperties(RUNTIME_CLASS(QZTemplateAttributeView)->m_lpszClassName),
          kStatus,
          kPreview}},
        {"CChildMsgFrame",
         {{0, "Message", RUNTIME_CLASS(QZMessageView)->m_lpszClassName},
          kProperties(RUNTIME_CLASS(QZMessageForm)->m_lpszClassName),
          kStatus}},
        {"CChildQueryFrame", {kProperties(RUNTIME_CLASS(QZQueryForm)->m_lpszClassName), kStatus}},
        {"CChildStyleFrame", {{0, "Style", RUNTIME_CLASS(QZStyleSheet)->m_lpszClassName}, kStatus}},
        {"QZChildEventFrame",
         {{0, "Event Script", RUNTIME_CLASS(QZEventView)->m_lpszClassName},
          kProperties(RUNTIME_CLASS(QZEventPropView)->m_lpszClassName),
          kStatus}},
        {"QZChildAdvertiserFrame",
         {kProperties(RUNTIME_CLASS(QZAdvertiserView)->m_lpszClassName), kStatus}},
        {"QZChildAdFrame", {kProperties(RUNTIME_CLASS(QZAdView)->m_lpszClassName), kStatus}},
        {"QZChildAdSpaceFrame",
         {kProperties(RUNTIME_CLASS(QZAdSpaceView)->m_lpszClassName), kStatus}},
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
