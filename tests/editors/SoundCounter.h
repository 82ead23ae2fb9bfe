#pragma once
// Counts the editor's sounds for the life of the object.

#include "editors/QZSoundSink.h"

class SoundCounter : public QZSoundSink {
public:
    SoundCounter() : m_previous(SetSoundSink(this)) {}
    ~SoundCounter() override { SetSoundSink(m_previous); }
    SoundCounter(const SoundCounter&) = delete;
    SoundCounter& operator=(const SoundCounter&) = delete;

    void Play(UINT type) override {
        ++count;
        lastType = type;
    }

    int count = 0;
    UINT lastType = 0;

private:
    QZSoundSink* m_previous;
};
