#pragma once

#include "platform/Sound.h"

#include <QUrl>
#include <memory>

class QSoundEffect;

// The program-wide sound player on Qt Multimedia: one channel, so a new play
// replaces what is playing and a stop silences it, whoever started it. The
// beep is a short wave of our own built into the program, played through the
// same channel (the toolkit's beep is silent on most Linux desktops). A wave
// file that is missing or cannot be decoded plays the beep instead.
class QtSound : public Sound
{
public:
    static inline const QString BeepSource = QStringLiteral("qrc:/sounds/beep.wav");

    QtSound();
    ~QtSound() override;

    void play(const QString &wavePath) override;
    void stop() override;
    void beep() override;

    // What the channel holds (empty after a stop) and whether it sounds now.
    QUrl source() const;
    bool isPlaying() const;

private:
    void start(const QUrl &source);
    void statusChanged();

    std::unique_ptr<QSoundEffect> m_effect;
    bool m_wanted = false; // play as soon as the source is loaded
};
