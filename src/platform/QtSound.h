#pragma once

#include "platform/Sound.h"

#include <memory>

class QSoundEffect;

// Wave files through Qt Multimedia; the platform beep otherwise.
class QtSound : public Sound
{
public:
    QtSound();
    ~QtSound() override;

    void play(const QString &wavePath) override;
    void stop() override;
    void beep() override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};
