#include "editors/QZBellSoundSink.h"

#include "platform/ui/MessageBeep.h"

void QZBellSoundSink::Play(UINT type) {
    MessageBeep(type);
}
