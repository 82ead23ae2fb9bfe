#pragma once
// The pseudo-random numbers of the system (the ad rotation draws from them): seeded and drawn
// as the C library's srand and rand are, from one replaceable source. The program uses
// QZRandomGenerator; tests install a source whose draws they choose.

class QZRandomSource {
public:
    // The largest number Draw gives.
    static constexpr int kMaxDraw = 32767;

    virtual ~QZRandomSource() = default;
    // Starts the sequence that the seed names.
    virtual void Seed(unsigned int seed) = 0;
    // The next number of the sequence, 0 to kMaxDraw.
    virtual int Draw() = 0;
};

// Installs `source` (not owned) and returns the one it replaces; nullptr restores the
// program's own generator (and is returned while it is in place).
QZRandomSource* SetRandomSource(QZRandomSource* source);

// The installed source.
QZRandomSource& GetRandomSource();
