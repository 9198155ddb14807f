#include "platform/Languages.h"

#include "platform/Folders.h"
#include "platform/PseudoTranslator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString PseudoLocale = QStringLiteral("en_XA");

// "de_AT.UTF-8@euro" gives "de_AT" and "de"; "C", "POSIX" and nothing give nothing.
QStringList namesOf(const QString &locale)
{
    QString name = locale.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return {};
    QStringList names{name};
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    if (language != name && !language.isEmpty())
        names << language;
    return names;
}

bool isEnglish(const QString &name)
{
    return name != PseudoLocale &&
           (name == QLatin1String("en") || name.startsWith(QLatin1String("en_")));
}

} // namespace

Languages::Languages(const QStringList &catalogs, const QString &folder, const QString &qtFolder)
    : m_catalogs(catalogs), m_folder(folder), m_qtFolder(qtFolder)
{
}

Languages::~Languages()
{
    for (const auto &translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
}

QStringList Languages::wanted(const Environment &environment)
{
    QStringList names;
    const QString list = environment("LANGUAGE");
    for (const QString &entry : list.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        names << namesOf(entry);
    if (names.isEmpty()) {
        for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const QString value = environment(variable);
            if (!value.isEmpty()) {
                names = namesOf(value);
                break;
            }
        }
    }
    names.removeDuplicates();
    return names;
}

QStringList Languages::wantedFromProcess()
{
    return wanted([](const char *name) { return qEnvironmentVariable(name); });
}

QString Languages::install(const QStringList &wanted)
{
    QString chosen;
    for (const QString &name : wanted) {
        if (isEnglish(name))
            break;
        if (name == PseudoLocale) {
            m_translators.push_back(std::make_unique<PseudoTranslator>());
            QCoreApplication::installTranslator(m_translators.back().get());
            return name;
        }
        chosen = loadOwn(name);
        if (!chosen.isEmpty())
            break;
    }
    // Qt's dialogs speak the user's language even where ours has no catalog yet.
    loadQt(wanted);
    return chosen;
}

QString Languages::loadOwn(const QString &language)
{
    std::vector<std::unique_ptr<QTranslator>> loaded;
    for (const QString &catalog : m_catalogs) {
        auto translator = std::make_unique<QTranslator>();
        // A missing or damaged file does not load and leaves that catalog out.
        if (translator->load(catalog + QLatin1Char('_') + language, m_folder) &&
            !translator->isEmpty())
            loaded.push_back(std::move(translator));
    }
    if (loaded.empty())
        return {};
    for (auto &translator : loaded) {
        QCoreApplication::installTranslator(translator.get());
        m_translators.push_back(std::move(translator));
    }
    return language;
}

void Languages::loadQt(const QStringList &wanted)
{
    for (const QString &name : wanted) {
        if (isEnglish(name) || name == PseudoLocale)
            return;
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral("qtbase_") + name, m_qtFolder) &&
            !translator->isEmpty()) {
            QCoreApplication::installTranslator(translator.get());
            m_translators.push_back(std::move(translator));
            return;
        }
    }
}

QString Languages::shippedFolder()
{
    return Folders::sharedDataDir() + QStringLiteral("/translations");
}

QString Languages::qtFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}
