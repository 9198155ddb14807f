#include "platform/IniFile.h"

#include "platform/AnsiText.h"
#include "platform/SafeFile.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace {

QString sectionName(const QString &trimmedLine)
{
    const int close = trimmedLine.indexOf(QLatin1Char(']'));
    return (close < 0 ? trimmedLine.mid(1) : trimmedLine.mid(1, close - 1)).trimmed();
}

QString keyOf(const QString &line)
{
    const int eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return QString();
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char(';')))
        return QString();
    return line.left(eq).trimmed().toLower();
}

QString oneLine(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

// A line that is not UTF-8 as a whole is decoded piece by piece between its
// '<' marks, which part the entries of a list such as "Alerts=": one stray
// byte of another code page spoils only its own piece.
QString decodeLine(const QByteArray &line)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(line);
    if (!utf8.hasError())
        return text;
    QString pieces;
    for (qsizetype start = 0; start < line.size();) {
        qsizetype end = line.indexOf('<', start + 1);
        end = end < 0 ? line.size() : end;
        pieces += AnsiText::decode(line.mid(start, end - start));
        start = end;
    }
    return pieces;
}

} // namespace

IniFile::IniFile(const QString &path, FileSystem &fs) : m_path(path), m_fs(&fs)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!bytes.isEmpty() && !bytes.contains("\r\n"))
        m_lineEnd = QStringLiteral("\n");
    // Each line on its own: one stray byte of another code page spoils only
    // its own line (or piece of it), and every valid UTF-8 line stays as it is.
    QString text;
    text.reserve(bytes.size());
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        text += decodeLine(bytes.mid(start, end - start));
        start = end;
    }
    parse(text);
}

void IniFile::parse(const QString &text)
{
    m_sections.push_back(Section{});
    if (text.isEmpty())
        return;
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('['))) {
            Section section;
            section.header = line;
            section.nameLower = sectionName(trimmed).toLower();
            if (!m_firstSection.contains(section.nameLower))
                m_firstSection.insert(section.nameLower, static_cast<int>(m_sections.size()));
            m_sections.push_back(std::move(section));
        } else {
            m_sections.back().lines.push_back(Line{line, keyOf(line)});
        }
    }
}

QString IniFile::protectedValue(const QString &value)
{
    if (value.isEmpty())
        return value;
    const QChar first = value.front();
    const QChar last = value.back();
    const bool quoted = value.size() >= 2 &&
                        (first == QLatin1Char('"') || first == QLatin1Char('\'')) && last == first;
    if (first.isSpace() || last.isSpace() || quoted)
        return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}

QString IniFile::rawValue(const QString &line)
{
    // A carriage return inside a line reads as the space setValue writes for it.
    QString value = oneLine(line.mid(line.indexOf(QLatin1Char('=')) + 1)).trimmed();
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            value = value.mid(1, value.size() - 2);
    }
    return value;
}

const IniFile::Line *IniFile::findLine(const QString &section, const QString &key) const
{
    const auto index = m_firstSection.constFind(section.trimmed().toLower());
    if (index == m_firstSection.constEnd())
        return nullptr;
    const QString keyLower = key.trimmed().toLower();
    for (const Line &line : m_sections[static_cast<size_t>(*index)].lines)
        if (!line.keyLower.isEmpty() && line.keyLower == keyLower)
            return &line;
    return nullptr;
}

IniFile::Line *IniFile::findLine(const QString &section, const QString &key)
{
    return const_cast<Line *>(std::as_const(*this).findLine(section, key));
}

QString IniFile::value(const QString &section, const QString &key,
                       const QString &defaultValue) const
{
    const Line *line = findLine(section, key);
    return line ? rawValue(line->text) : defaultValue;
}

bool IniFile::containsSection(const QString &section) const
{
    return m_firstSection.contains(section.trimmed().toLower());
}

QStringList IniFile::sectionNames() const
{
    QStringList names;
    for (const Section &section : m_sections)
        if (!section.header.isEmpty())
            names << sectionName(section.header.trimmed());
    return names;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    return findLine(section, key) != nullptr;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString text = key.trimmed() + QLatin1Char('=') + oneLine(value);
    if (Line *line = findLine(section, key)) {
        line->text = text;
        return;
    }
    const QString nameLower = section.trimmed().toLower();
    auto index = m_firstSection.constFind(nameLower);
    if (index == m_firstSection.constEnd()) {
        Section added;
        added.header = QLatin1Char('[') + section.trimmed() + QLatin1Char(']');
        added.nameLower = nameLower;
        index = m_firstSection.insert(nameLower, static_cast<int>(m_sections.size()));
        m_sections.push_back(std::move(added));
    }
    // A new key goes before the blank lines that end the section.
    std::vector<Line> &lines = m_sections[static_cast<size_t>(*index)].lines;
    auto insertAt = lines.end();
    while (insertAt != lines.begin() && (insertAt - 1)->text.trimmed().isEmpty())
        --insertAt;
    lines.insert(insertAt, Line{text, key.trimmed().toLower()});
}

void IniFile::removeKey(const QString &section, const QString &key)
{
    const auto index = m_firstSection.constFind(section.trimmed().toLower());
    if (index == m_firstSection.constEnd())
        return;
    std::vector<Line> &lines = m_sections[static_cast<size_t>(*index)].lines;
    const QString keyLower = key.trimmed().toLower();
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        if (it->keyLower == keyLower) {
            lines.erase(it);
            return;
        }
    }
}

void IniFile::removeSection(const QString &section)
{
    const QString nameLower = section.trimmed().toLower();
    // The lines before the first section are kept whatever its name.
    m_sections.erase(std::remove_if(m_sections.begin(), m_sections.end(),
                                    [&](const Section &s) {
                                        return !s.header.isEmpty() && s.nameLower == nameLower;
                                    }),
                     m_sections.end());
    reindex();
}

void IniFile::moveToEnd(const QString &section)
{
    const QString nameLower = section.trimmed().toLower();
    std::stable_partition(m_sections.begin(), m_sections.end(), [&](const Section &s) {
        return s.header.isEmpty() || s.nameLower != nameLower;
    });
    reindex();
}

void IniFile::reindex()
{
    m_firstSection.clear();
    for (size_t i = 0; i < m_sections.size(); ++i)
        if (!m_sections[i].header.isEmpty() && !m_firstSection.contains(m_sections[i].nameLower))
            m_firstSection.insert(m_sections[i].nameLower, static_cast<int>(i));
}

bool IniFile::save()
{
    return saveAs(m_path);
}

bool IniFile::saveAs(const QString &path, QString *error) const
{
    return SafeFile::write(*m_fs, path, toBytes(), error);
}

QByteArray IniFile::toBytes() const
{
    QString text;
    for (const Section &section : m_sections) {
        if (!section.header.isEmpty())
            text += section.header + m_lineEnd;
        for (const Line &line : section.lines)
            text += line.text + m_lineEnd;
    }
    return text.toUtf8();
}
