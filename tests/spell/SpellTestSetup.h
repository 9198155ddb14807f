#pragma once

#include <QFile>
#include <QTemporaryDir>

// Spelling tests use the real Enchant with the installed English dictionary. The personal word
// list they add to lies in a folder of their own, never in the user's, and starts empty.
class SpellTestSetup
{
public:
    SpellTestSetup() { qputenv("ENCHANT_CONFIG_DIR", QFile::encodeName(m_dir.path())); }
    QString wordList() const { return m_dir.filePath(QStringLiteral("en_US.dic")); }

    static inline const QString Language = QStringLiteral("en_US");

private:
    QTemporaryDir m_dir;
};
