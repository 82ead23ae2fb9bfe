#pragma once
// The internet session of one retrieved URL: agent "Marquill", the retrieval's waits, and the
// window's waiting messages let through while the request waits for or reads its answer, so
// the window stays alive.

#include "platform/inet/CInternetSession.h"

class QZRetrievalSession : public CInternetSession {
public:
    QZRetrievalSession();

    void OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                          DWORD dwStatusInformationLength) override;
};
