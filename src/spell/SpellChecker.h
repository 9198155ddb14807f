#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct str_enchant_broker;
struct str_enchant_dict;

// One language's dictionary through Enchant, which hands the word to the desktop's own checker
// (Hunspell and the others) and keeps the user's personal word list, shared with other
// programs. It also decides what in a text is a word worth checking.
class SpellChecker
{
    Q_DECLARE_TR_FUNCTIONS(SpellChecker)

public:
    // A word of a text, in UTF-16 code units.
    struct Word
    {
        int start = 0;
        int length = 0;
        bool operator==(const Word &other) const
        {
            return start == other.start && length == other.length;
        }
    };
    enum class Result { Correct, Misspelt, Failed };

    // Longer runs of letters are no words a dictionary knows, and checking or suggesting
    // for them costs the back end more the longer they are: they are left alone.
    static constexpr int LongestWord = 64;

    // The words of a text that are checked. Text is cut at blanks; a piece that is a web
    // address or an e-mail address is skipped whole. The rest is cut into runs of letters,
    // combining marks, digits, underscores and inner apostrophes (hyphens and other marks
    // part them; the number after an alarm mark's "[" is no part of its first word); a run is
    // skipped when it holds a digit or an underscore, has no lower-case letter (numbers,
    // ALL-CAPS) or is longer than LongestWord.
    static QList<Word> words(const QString &text);

    SpellChecker();
    ~SpellChecker();
    SpellChecker(const SpellChecker &) = delete;
    SpellChecker &operator=(const SpellChecker &) = delete;

    // False when Enchant could not start at all.
    bool available() const { return m_broker != nullptr; }
    // The language tags ("en_US") of the dictionaries Enchant offers, sorted.
    QStringList languages() const;
    // Opens a language's dictionary instead of the one open; false (see error()) when there
    // is none or it cannot be loaded.
    bool open(const QString &language);
    void close();
    bool isOpen() const { return m_dict != nullptr; }
    QString language() const { return m_language; }
    QString error() const { return m_error; }

    // Failed when the back end reports an error (see error()).
    Result check(const QString &word);
    // Up to `most` replacements, the back end's best first.
    QStringList suggestions(const QString &word, int most = 5);
    // Into the user's personal word list, for good.
    void addToDictionary(const QString &word);
    // Taken as correct until the program ends.
    void ignoreAll(const QString &word);

private:
    str_enchant_broker *m_broker = nullptr;
    str_enchant_dict *m_dict = nullptr;
    QString m_language;
    QString m_error;
    // Most words of a note come back again and again: each is asked once.
    QHash<QString, bool> m_known;
};
