#include "shell/CVantrel3App.h"

#include "content/QZEngineMessage.h"
#include "content/QZEngineMessageSink.h"

namespace {
// The kind of the detail lines that only the detailed-messages preference shows.
constexpr int kDetailKind = 3;
} // namespace

CVantrel3App::CVantrel3App()
    : m_SelectedService(0, 0, OBJ_SERVICE), m_SelectedSection(0, 0, OBJ_SECTION) {
    SetVantrelApp(this);
}

CVantrel3App::~CVantrel3App() {
    if (GetVantrelApp() == this)
        SetVantrelApp(nullptr);
}

LONG CVantrel3App::GetDbID() {
    return m_VantrelDb.GetDbId();
}

void CVantrel3App::PostEngineMessage(QZEngineMessage* message) {
    if (message == nullptr)
        return;
    if (!m_bVerboseMessages && message->GetKind() == kDetailKind) {
        delete message;
        return;
    }
    PostToEngineMessageSink(message);
}
