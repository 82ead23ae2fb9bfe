#pragma once
// The editor's sounds on the desktop: every one rings the bell. Installed at start-up.

#include "editors/QZSoundSink.h"

class QZBellSoundSink : public QZSoundSink {
public:
    void Play(UINT type) override;
};
