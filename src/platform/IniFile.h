#pragma once

#include "platform/FileSystem.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// An ini file with the behaviour of the Windows private-profile functions:
// section and key names match without regard to case, the first match wins,
// blanks around names and values and one pair of enclosing quotes are dropped
// on reading, and a write keeps every other section, key and comment line.
// Values have no length limit. The file is read once and written whole by
// save(), through a temporary file renamed over the old one.
class IniFile
{
public:
    // fs: where save() writes; tests put a double there.
    explicit IniFile(const QString &path, FileSystem &fs = FileSystem::real());

    QString value(const QString &section, const QString &key,
                  const QString &defaultValue = QString()) const;
    bool contains(const QString &section, const QString &key) const;
    bool containsSection(const QString &section) const;
    // The names of all sections, as written, in file order.
    QStringList sectionNames() const;
    // Carriage returns and line feeds in the value become spaces: an ini value
    // is one line.
    void setValue(const QString &section, const QString &key, const QString &value);
    void removeKey(const QString &section, const QString &key);
    // Removes every section of that name with all its lines.
    void removeSection(const QString &section);
    // Puts every section of that name after all others, in their order.
    void moveToEnd(const QString &section);

    // The value as it must be written to read back exactly: in quotes when
    // reading would drop its surrounding blanks or quotes.
    static QString protectedValue(const QString &value);

    // The whole file as it is written, in UTF-8.
    QByteArray toBytes() const;
    // Writes the whole file; false (and the old file untouched) on failure.
    bool save();
    bool saveAs(const QString &path, QString *error = nullptr) const;

private:
    struct Line
    {
        QString text;
        QString keyLower; // empty for comments, blanks and lines without "="
    };
    struct Section
    {
        QString header; // the "[name]" line as it stands; empty for the lines before any section
        QString nameLower;
        std::vector<Line> lines;
    };

    void parse(const QString &text);
    const Line *findLine(const QString &section, const QString &key) const;
    Line *findLine(const QString &section, const QString &key);
    static QString rawValue(const QString &line);
    void reindex();

    QString m_path;
    FileSystem *m_fs;
    QString m_lineEnd = QStringLiteral("\r\n");
    std::vector<Section> m_sections;
    QHash<QString, int> m_firstSection; // lower-case name -> index of its first section
};
