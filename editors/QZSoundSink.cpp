#include "editors/QZSoundSink.h"

#include "platform/core/ReplaceableService.h"

namespace {

// Without a window system there is nobody to hear a sound.
class SilentSoundSink : public QZSoundSink {
public:
    void Play(UINT) override {}
};

ReplaceableService<QZSoundSink, SilentSoundSink> g_soundSink;

} // namespace

QZSoundSink* SetSoundSink(QZSoundSink* sink) {
    return g_soundSink.Replace(sink);
}

void PlayMessageSound(UINT type) {
    g_soundSink.Get().Play(type);
}
