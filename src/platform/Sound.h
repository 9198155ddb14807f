#pragma once

#include <QString>

// One program-wide sound: a new play replaces the one playing.
class Sound
{
public:
    virtual ~Sound() = default;
    // Plays a wave file once, asynchronously. An empty path stops the sound;
    // a file that cannot be played gives the beep instead.
    virtual void play(const QString &wavePath) = 0;
    virtual void stop() = 0;
    virtual void beep() = 0;
};
