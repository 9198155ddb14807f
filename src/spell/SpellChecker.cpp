#include "spell/SpellChecker.h"

#include <enchant.h>

#include <algorithm>

namespace {

bool isApostrophe(char32_t c)
{
    return c == U'\'' || c == 0x2019;
}

// Letters beyond the first plane (many scripts live there) count as much as the others.
char32_t codePointAt(const QString &text, int i, int &width)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        width = 2;
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    }
    width = 1;
    return c.unicode();
}

bool isWordCharacter(char32_t c)
{
    return QChar::isLetterOrNumber(c) || QChar::isMark(c) || c == U'_' || isApostrophe(c);
}

// Web and e-mail addresses are checked by nobody: their parts are names, not words.
bool isAddress(QStringView piece)
{
    if (piece.contains(u"://") || piece.startsWith(u"www.", Qt::CaseInsensitive) ||
        piece.startsWith(u"mailto:", Qt::CaseInsensitive))
        return true;
    const qsizetype at = piece.indexOf(QLatin1Char('@'));
    return at > 0 && at < piece.size() - 1;
}

bool worthChecking(const QString &text, int from, int to)
{
    if (to - from > SpellChecker::LongestWord)
        return false;
    bool lower = false;
    int width = 1;
    for (int i = from; i < to; i += width) {
        const char32_t c = codePointAt(text, i, width);
        if (QChar::isDigit(c) || c == U'_')
            return false;
        // Scripts without case count as lower case.
        if (QChar::isLetter(c) && !QChar::isUpper(c))
            lower = true;
    }
    return lower;
}

void addRuns(const QString &text, int from, int to, QList<SpellChecker::Word> &out)
{
    int i = from;
    int width = 1;
    while (i < to) {
        // A run starts at a word character other than a quote.
        for (char32_t c = codePointAt(text, i, width); !isWordCharacter(c) || isApostrophe(c);
             c = codePointAt(text, i, width)) {
            i += width;
            // "[" with digits opens an alarm mark (nobody can type "["): its text follows.
            if (c == U'[')
                while (i < to && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'))
                    ++i;
            if (i >= to)
                return;
        }
        int end = i;
        int last = i; // past the last character that is no quote
        while (end < to) {
            const char32_t c = codePointAt(text, end, width);
            if (!isWordCharacter(c))
                break;
            end += width;
            if (!isApostrophe(c))
                last = end;
        }
        if (worthChecking(text, i, last))
            out.append({i, last - i});
        i = end;
    }
}

} // namespace

QList<SpellChecker::Word> SpellChecker::words(const QString &text)
{
    QList<Word> out;
    const int size = static_cast<int>(text.size());
    int i = 0;
    while (i < size) {
        while (i < size && text.at(i).isSpace())
            ++i;
        int end = i;
        while (end < size && !text.at(end).isSpace())
            ++end;
        if (end > i && !isAddress(QStringView(text).mid(i, end - i)))
            addRuns(text, i, end, out);
        i = end;
    }
    return out;
}

SpellChecker::SpellChecker() : m_broker(enchant_broker_init())
{
    if (!m_broker)
        m_error = tr("Enchant could not be started.");
}

SpellChecker::~SpellChecker()
{
    close();
    if (m_broker)
        enchant_broker_free(m_broker);
}

QStringList SpellChecker::languages() const
{
    QStringList tags;
    if (!m_broker)
        return tags;
    enchant_broker_list_dicts(
        m_broker,
        [](const char *tag, const char *, const char *, const char *, void *data) {
            static_cast<QStringList *>(data)->append(QString::fromUtf8(tag));
        },
        &tags);
    tags.sort();
    tags.removeDuplicates();
    return tags;
}

bool SpellChecker::open(const QString &language)
{
    close();
    if (!m_broker)
        return false;
    const QByteArray tag = language.toUtf8();
    m_dict = tag.isEmpty() ? nullptr : enchant_broker_request_dict(m_broker, tag.constData());
    if (!m_dict) {
        const char *why = enchant_broker_get_error(m_broker);
        m_error = tr("The dictionary for \"%1\" could not be opened").arg(language) +
                  (why && *why ? QStringLiteral(": ") + QString::fromUtf8(why) : QString()) +
                  QLatin1Char('.');
        return false;
    }
    m_language = language;
    m_error.clear();
    return true;
}

void SpellChecker::close()
{
    if (m_dict)
        enchant_broker_free_dict(m_broker, m_dict);
    m_dict = nullptr;
    m_language.clear();
    m_known.clear();
}

SpellChecker::Result SpellChecker::check(const QString &word)
{
    if (!m_dict)
        return Result::Failed;
    const QString key = word.normalized(QString::NormalizationForm_C);
    const auto known = m_known.constFind(key);
    if (known != m_known.constEnd())
        return *known ? Result::Correct : Result::Misspelt;
    const QByteArray utf8 = key.toUtf8();
    const int answer = enchant_dict_check(m_dict, utf8.constData(), utf8.size());
    if (answer < 0) {
        const char *why = enchant_dict_get_error(m_dict);
        m_error = why && *why ? QString::fromUtf8(why) : tr("The dictionary failed.");
        return Result::Failed;
    }
    m_known.insert(key, answer == 0);
    return answer == 0 ? Result::Correct : Result::Misspelt;
}

QStringList SpellChecker::suggestions(const QString &word, int most)
{
    QStringList out;
    if (!m_dict || word.size() > LongestWord)
        return out;
    const QByteArray utf8 = word.normalized(QString::NormalizationForm_C).toUtf8();
    size_t count = 0;
    char **list = enchant_dict_suggest(m_dict, utf8.constData(), utf8.size(), &count);
    for (size_t i = 0; list && i < count && out.size() < most; ++i) {
        const QString suggestion = QString::fromUtf8(list[i]);
        if (!out.contains(suggestion))
            out.append(suggestion);
    }
    if (list)
        enchant_dict_free_string_list(m_dict, list);
    return out;
}

void SpellChecker::addToDictionary(const QString &word)
{
    if (!m_dict)
        return;
    const QString key = word.normalized(QString::NormalizationForm_C);
    const QByteArray utf8 = key.toUtf8();
    enchant_dict_add(m_dict, utf8.constData(), utf8.size());
    m_known.insert(key, true);
}

void SpellChecker::ignoreAll(const QString &word)
{
    if (!m_dict)
        return;
    const QString key = word.normalized(QString::NormalizationForm_C);
    const QByteArray utf8 = key.toUtf8();
    enchant_dict_add_to_session(m_dict, utf8.constData(), utf8.size());
    m_known.insert(key, true);
}
