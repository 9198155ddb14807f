#include "platform/QtSound.h"

#include <QFileInfo>
#include <QSoundEffect>

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::play(const QString &wavePath)
{
    if (wavePath.isEmpty()) {
        stop();
        return;
    }
    const QFileInfo file(wavePath);
    if (!file.isFile() || !file.isReadable()) {
        beep();
        return;
    }
    start(QUrl::fromLocalFile(file.absoluteFilePath()));
}

void QtSound::stop()
{
    m_wanted = false;
    if (m_effect) {
        m_effect->stop();
        m_effect->setSource(QUrl());
    }
}

void QtSound::beep()
{
    start(QUrl(BeepSource));
}

QUrl QtSound::source() const
{
    return m_effect ? m_effect->source() : QUrl();
}

bool QtSound::isPlaying() const
{
    return m_effect && m_effect->isPlaying();
}

void QtSound::start(const QUrl &source)
{
    if (!m_effect) {
        // Made on first use, once the application object exists.
        m_effect = std::make_unique<QSoundEffect>();
        QObject::connect(m_effect.get(), &QSoundEffect::statusChanged, m_effect.get(),
                         [this] { statusChanged(); });
    }
    m_effect->stop();
    m_wanted = true;
    if (m_effect->source() == source && m_effect->status() == QSoundEffect::Ready) {
        m_effect->play();
        m_wanted = false;
        return;
    }
    // Loading is asynchronous; statusChanged plays it or falls back to the beep.
    m_effect->setSource(source);
}

void QtSound::statusChanged()
{
    if (!m_wanted)
        return;
    if (m_effect->status() == QSoundEffect::Ready) {
        m_wanted = false;
        m_effect->play();
    } else if (m_effect->status() == QSoundEffect::Error) {
        m_wanted = false;
        if (m_effect->source() != QUrl(BeepSource))
            beep();
    }
}
