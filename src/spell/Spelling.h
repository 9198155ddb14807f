#pragma once

#include "spell/SpellChecker.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

class Prompter;

// Spelling for the whole program: the user's choice in "PQOptions.ini" (checked as he types
// or not, in which language) and the one dictionary every note asks. Enchant starts on the
// first question, after the notes are up. When the dictionary cannot be had or its back end
// fails, spelling turns itself off for the run with one notice; the stored choice stays.
class Spelling : public QObject
{
    Q_OBJECT
public:
    // The section and keys in "PQOptions.ini".
    static const QString Section;
    static const QString CheckKey;
    static const QString LanguageKey;

    Spelling(const QString &optionsPath, Prompter *prompter);
    ~Spelling() override;

    // The stored choice; on, in the user's language, until he says otherwise.
    bool wanted() const;
    QString language();
    QStringList languages();

    // Spelling is wanted and its dictionary is open.
    bool active();
    // Notes are checked once no note has been shown for a moment, so that a start with many
    // notes is not slowed down by the dictionary (Changed says when).
    void noteShown();
    bool settled() const { return !m_settle.isActive(); }
    // Words are misspelt only when the answer is sure; a failure turns spelling off.
    bool isMisspelt(const QString &word);
    QStringList suggestions(const QString &word);
    void addToDictionary(const QString &word);
    void ignoreAll(const QString &word);

    // Stores the choice and applies it to every note; false when the options file could not
    // be written (the choice applies all the same).
    bool setOptions(bool on, const QString &language);

signals:
    // Words are to be checked again, or no more.
    void Changed();

private:
    enum class State { Unopened, Open, Off };
    // What the user chose; read from the options file once.
    struct Choice
    {
        bool stored = false; // he chose (rather than took the defaults)
        bool on = true;
        QString language; // empty: the default
    };
    const Choice &choice() const;
    SpellChecker &checker();
    void openDictionary(bool explicitChoice);
    void turnOff(const QString &why);

    QString m_optionsPath;
    Prompter *m_prompter;
    mutable std::optional<Choice> m_choice;
    std::unique_ptr<SpellChecker> m_checker;
    State m_state = State::Unopened;
    bool m_noticeShown = false;
    QTimer m_settle;
};
