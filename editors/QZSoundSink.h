#pragma once
// Where the editor's sounds go: the not-found sound of find and replace plays the system's
// sound of a message-box icon instead of showing a box. The window program installs the
// desktop's bell; tests install a counter.

#include "platform/core/Types.h"

class QZSoundSink {
public:
    virtual ~QZSoundSink() = default;
    // `type` is the icon whose sound is meant (MB_ICONHAND and the like).
    virtual void Play(UINT type) = 0;
};

// Installs `sink` (not owned; null puts back the default, which stays silent) and answers the
// one it replaces, or null when that was the default.
QZSoundSink* SetSoundSink(QZSoundSink* sink);
void PlayMessageSound(UINT type);
