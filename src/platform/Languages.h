#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QTranslator;

// The user's language for a program's captions and for Qt's own dialogs. The wanted
// languages come from the environment in gettext's order; the first one with a catalog
// that loads wins, and English (the captions as written) is what is left when none does.
class Languages
{
public:
    using Environment = std::function<QString(const char *)>;

    // catalog: the program's catalog names ("pennyquill"), tried in this order for each
    // language; folder: where they are; qtFolder: where Qt's own ("qtbase_de.qm") are.
    Languages(const QStringList &catalogs, const QString &folder, const QString &qtFolder);
    ~Languages();
    Languages(const Languages &) = delete;
    Languages &operator=(const Languages &) = delete;

    // LANGUAGE (a colon-separated list), else LC_ALL, else LC_MESSAGES, else LANG; each
    // name also stands for its language alone ("de_AT.UTF-8" is "de_AT", then "de").
    // A "C" or "POSIX" locale, or nothing set, asks for English.
    static QStringList wanted(const Environment &environment);
    static QStringList wantedFromProcess();

    // Loads and installs the catalogs for the first wanted language that has them.
    // Returns the language chosen, or an empty text for English. "en_XA" (the usual
    // name of a pseudo-locale) asks for the pseudo-translation, which has no files.
    QString install(const QStringList &wanted);
    // The catalog's folder shipped with the program ("translations" beside its data).
    static QString shippedFolder();
    static QString qtFolder();

private:
    QString loadOwn(const QString &language);
    void loadQt(const QStringList &wanted);

    QStringList m_catalogs;
    QString m_folder;
    QString m_qtFolder;
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};
