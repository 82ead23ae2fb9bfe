#include "content/import/QZRetrievalSession.h"

#include "content/import/QZRetrievalLimits.h"
#include "platform/ui/MessagePump.h"

QZRetrievalSession::QZRetrievalSession()
    : CInternetSession("Marquill", 1, PRE_CONFIG_INTERNET_ACCESS, nullptr, nullptr, 0) {
    const QZRetrievalLimits& limits = QZRetrievalLimits::Current();
    SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, limits.connectTimeoutMs);
    SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, limits.idleTimeoutMs);
    EnableStatusCallback(TRUE);
}

void QZRetrievalSession::OnStatusCallback(DWORD_PTR, DWORD, LPVOID, DWORD) {
    PumpWaitingMessages();
}
