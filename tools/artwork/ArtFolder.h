#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QStringList>

// The folder an artwork painter writes its PNG files into: the painter's one
// argument. Make it after the application, which holds the arguments.
class ArtFolder
{
public:
    ArtFolder()
    {
        const QStringList args = QCoreApplication::arguments();
        if (args.size() >= 2)
            m_dir = args.at(1);
    }

    // False when the painter was started without a folder.
    bool valid() const { return !m_dir.isEmpty(); }
    // Writes the picture as name.png; false when it cannot.
    bool save(const QImage &img, const QString &name) const
    {
        return img.save(m_dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

private:
    QString m_dir;
};
