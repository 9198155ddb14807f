#include "spell/Spelling.h"

#include "platform/IniFile.h"
#include "platform/Prompter.h"
#include "shell/AppInfo.h"

#include <QLocale>
#include <QTimer>

const QString Spelling::Section = QStringLiteral("Spelling");
const QString Spelling::CheckKey = QStringLiteral("CheckAsYouType");
const QString Spelling::LanguageKey = QStringLiteral("Language");

namespace {

const char *const NoticeText =
    QT_TRANSLATE_NOOP("Spelling", "Spelling is not checked until Pennyquill starts again or you "
                                  "choose another language in the options.\n\n");

QString yesNo(bool on)
{
    return on ? QStringLiteral("yes") : QStringLiteral("no");
}

// The user's locale, else its language in another country, else English.
QString defaultLanguage(const QStringList &offered)
{
    const QString locale = QLocale::system().name();
    if (offered.contains(locale))
        return locale;
    const QString base = locale.section(QLatin1Char('_'), 0, 0);
    for (const QString &prefix : {base, QStringLiteral("en_US"), QStringLiteral("en")}) {
        for (const QString &tag : offered)
            if (!prefix.isEmpty() && (tag == prefix || tag.startsWith(prefix + QLatin1Char('_'))))
                return tag;
    }
    return offered.value(0);
}

} // namespace

Spelling::Spelling(const QString &optionsPath, Prompter *prompter)
    : m_optionsPath(optionsPath), m_prompter(prompter)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(500);
    connect(&m_settle, &QTimer::timeout, this, &Spelling::Changed);
}

void Spelling::noteShown()
{
    m_settle.start();
}

Spelling::~Spelling() = default;

SpellChecker &Spelling::checker()
{
    if (!m_checker)
        m_checker = std::make_unique<SpellChecker>();
    return *m_checker;
}

const Spelling::Choice &Spelling::choice() const
{
    if (!m_choice) {
        const IniFile options(m_optionsPath);
        const QString on = options.value(Section, CheckKey);
        m_choice =
            Choice{options.contains(Section, CheckKey) || options.contains(Section, LanguageKey),
                   on.isEmpty() || on.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0,
                   options.value(Section, LanguageKey)};
    }
    return *m_choice;
}

bool Spelling::wanted() const
{
    return choice().on;
}

QString Spelling::language()
{
    const QString chosen = choice().language;
    return chosen.isEmpty() ? defaultLanguage(languages()) : chosen;
}

QStringList Spelling::languages()
{
    return checker().languages();
}

bool Spelling::active()
{
    // Without a choice of his own, a user without dictionaries hears nothing of it.
    if (m_state == State::Unopened)
        openDictionary(choice().stored);
    return m_state == State::Open;
}

void Spelling::openDictionary(bool explicitChoice)
{
    if (!wanted()) {
        checker().close();
        m_state = State::Off;
        return;
    }
    SpellChecker &dictionary = checker();
    const QString tag = language();
    if (dictionary.isOpen() && dictionary.language() == tag) {
        m_state = State::Open;
        return;
    }
    if (dictionary.open(tag)) {
        m_state = State::Open;
    } else if (explicitChoice) {
        turnOff(tag.isEmpty() ? tr("Enchant offers no dictionary.") : dictionary.error());
    } else {
        m_state = State::Off;
    }
}

void Spelling::turnOff(const QString &why)
{
    m_state = State::Off;
    if (m_checker)
        m_checker->close();
    emit Changed();
    if (m_noticeShown || !m_prompter)
        return;
    m_noticeShown = true;
    // Told once the current check is over: the box waits for no note.
    QTimer::singleShot(0, this, [this, why] {
        m_prompter->message(nullptr, tr(NoticeText) + why, AppInfo::Title, Prompter::Buttons::Ok,
                            Prompter::Icon::Exclamation);
    });
}

bool Spelling::isMisspelt(const QString &word)
{
    if (!active())
        return false;
    switch (m_checker->check(word)) {
    case SpellChecker::Result::Misspelt:
        return true;
    case SpellChecker::Result::Failed:
        turnOff(m_checker->error());
        return false;
    case SpellChecker::Result::Correct:
        break;
    }
    return false;
}

QStringList Spelling::suggestions(const QString &word)
{
    return active() ? m_checker->suggestions(word) : QStringList();
}

void Spelling::addToDictionary(const QString &word)
{
    if (!active())
        return;
    m_checker->addToDictionary(word);
    emit Changed();
}

void Spelling::ignoreAll(const QString &word)
{
    if (!active())
        return;
    m_checker->ignoreAll(word);
    emit Changed();
}

bool Spelling::setOptions(bool on, const QString &language)
{
    IniFile options(m_optionsPath);
    options.setValue(Section, CheckKey, yesNo(on));
    options.setValue(Section, LanguageKey, language);
    const bool written = options.save();
    m_choice = Choice{true, on, language};
    // A new choice earns a notice of its own.
    m_noticeShown = false;
    openDictionary(true);
    emit Changed();
    return written;
}
