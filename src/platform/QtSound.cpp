#include "platform/QtSound.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::play(const QString &wavePath)
{
    stop();
    if (wavePath.isEmpty())
        return;
    if (!QFileInfo(wavePath).isFile()) {
        beep();
        return;
    }
    m_effect = std::make_unique<QSoundEffect>();
    QSoundEffect *effect = m_effect.get();
    // The file is decoded asynchronously; one that turns out unplayable beeps.
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [this, effect] {
        if (effect->status() == QSoundEffect::Ready)
            effect->play();
        else if (effect->status() == QSoundEffect::Error)
            beep();
    });
    effect->setSource(QUrl::fromLocalFile(wavePath));
}

void QtSound::stop()
{
    if (m_effect) {
        m_effect->stop();
        m_effect.reset();
    }
}

void QtSound::beep()
{
    QApplication::beep();
}
