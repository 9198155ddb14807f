#include "shell/SessionFile.h"

#include "platform/IniFile.h"
#include "platform/SafeFile.h"
#include "shell/cFile.h"

#include <QDir>
#include <QFile>
#include <cmath>

namespace {

const QString SessionName = QStringLiteral("session.ini");
const QString TextName = QStringLiteral("filecon.pqn");
const QString CountSection = QStringLiteral("Number of notes");
const QString AlertSplitter = QStringLiteral("<alertsplitter>");
const QString CrLfMark = QStringLiteral("[CRLF]");
const QString LineBreak = QStringLiteral("\r\n");
// Marks a literal "[CRLF]" or "<alertsplitter>" inside an entry, so that it
// cannot be taken for the encoding's own; never typed by a user.
const QChar Escape(0x01);

QString noteSection(int i)
{
    return QStringLiteral("Note") + QString::number(i);
}

QString truth(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString escapeEntry(QString entry)
{
    entry.replace(Escape, QString(2, Escape));
    entry.replace(CrLfMark, QStringLiteral("[") + Escape + QStringLiteral("CRLF]"));
    entry.replace(AlertSplitter, QStringLiteral("<") + Escape + QStringLiteral("alertsplitter>"));
    return entry;
}

QString unescapeEntry(const QString &entry)
{
    if (!entry.contains(Escape))
        return entry;
    QString plain;
    plain.reserve(entry.size());
    for (qsizetype i = 0; i < entry.size(); ++i) {
        if (entry.at(i) == Escape) {
            if (i + 1 < entry.size() && entry.at(i + 1) == Escape) {
                plain += Escape;
                ++i;
            }
            continue;
        }
        plain += entry.at(i);
    }
    return plain;
}

double number(const QString &text, double fallback)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}

bool copyWhole(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    return SafeFile::write(to, source.readAll());
}

} // namespace

SessionFile::SessionFile(const Folders &folders) : m_folders(folders) {}

QString SessionFile::sessionPath() const
{
    return m_folders.profileFile(SessionName);
}

QString SessionFile::textPath() const
{
    return m_folders.dataFile(TextName);
}

SessionFile::Pair SessionFile::mainPair() const
{
    return Pair{sessionPath(), textPath()};
}

SessionFile::Pair SessionFile::backupPair() const
{
    return Pair{sessionPath() + QStringLiteral(".bak"), textPath() + QStringLiteral(".bak")};
}

QString SessionFile::markerPath() const
{
    return m_folders.profileFile(QStringLiteral("session.saving"));
}

QString SessionFile::EncodeAlerts(const QStringList &entries)
{
    QString value;
    for (const QString &entry : entries) {
        QString encoded = escapeEntry(entry);
        encoded.replace(LineBreak, CrLfMark);
        value += AlertSplitter + encoded;
    }
    return value;
}

QStringList SessionFile::DecodeAlerts(const QString &value)
{
    QStringList pieces = value.split(AlertSplitter);
    pieces.removeFirst();
    for (QString &piece : pieces)
        piece = unescapeEntry(piece.replace(CrLfMark, LineBreak));
    return pieces;
}

std::optional<bool> SessionFile::ParseTruth(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (ok)
        return value != 0;
    return std::nullopt;
}

bool SessionFile::pairIsUsable(const Pair &pair)
{
    if (!QFile::exists(pair.session))
        return false;
    const IniFile ini(pair.session);
    bool ok = false;
    const int total = ini.value(CountSection, QStringLiteral("Total")).trimmed().toInt(&ok);
    if (!ok || total < 0)
        return false;
    cFile text(pair.text);
    for (int i = 1; i <= total; ++i) {
        const QString id = ini.value(noteSection(i), QStringLiteral("TextID"));
        if (!ini.contains(noteSection(i), QStringLiteral("Left")) || !text.hasBlock(id.toInt()))
            return false;
    }
    return true;
}

QList<SessionFile::Note> SessionFile::read(const Pair &pair, bool damaged)
{
    const IniFile ini(pair.session);
    cFile text(pair.text);
    bool ok = false;
    int total =
        ini.value(CountSection, QStringLiteral("Total"), QStringLiteral("1")).trimmed().toInt(&ok);
    if (!ok || total < 0)
        total = 0;
    total = std::min(total, MaxNotes);
    QList<Note> notes;
    for (int i = 1; i <= total; ++i) {
        const QString section = noteSection(i);
        // From damaged files only the notes that are really there.
        if (damaged && !ini.containsSection(section))
            continue;
        auto value = [&](const char *key, const QString &fallback) {
            return ini.value(section, QString::fromLatin1(key), fallback);
        };
        Note note;
        note.Left = number(value("Left", QString()), i * 50.0);
        note.Top = number(value("Top", QString()), i * 50.0);
        note.OnTop = ParseTruth(value("OnTop", QStringLiteral("False"))).value_or(false);
        note.Minimized = ParseTruth(value("Minimized", QStringLiteral("False"))).value_or(false);
        note.Skin = value("Skin", QStringLiteral("<<Base Skin>>"));
        note.Visible = ParseTruth(value("Visible", QStringLiteral("True"))).value_or(true);
        note.Alerts = DecodeAlerts(value("Alerts", QString()));
        bool idOk = false;
        const int id = value("TextID", QString()).trimmed().toInt(&idOk);
        note.TextRTF = idOk ? text.ReadIt(id) : QString();
        notes.append(note);
    }
    return notes;
}

void SessionFile::finishInterruptedSave()
{
    // The new pair was complete before the marker was made: put it in place.
    const Pair fresh{sessionPath() + QStringLiteral(".new"), textPath() + QStringLiteral(".new")};
    if (QFile::exists(markerPath())) {
        for (const auto &[from, to] :
             {std::pair{fresh.text, textPath()}, std::pair{fresh.session, sessionPath()}}) {
            if (QFile::exists(from)) {
                QFile::remove(to);
                QFile::rename(from, to);
            }
        }
        QFile::remove(markerPath());
    }
    QFile::remove(fresh.session);
    QFile::remove(fresh.text);
}

SessionFile::LoadResult SessionFile::load()
{
    finishInterruptedSave();
    LoadResult result;
    const Pair main = mainPair();
    const bool mainExists = QFile::exists(main.session) || QFile::exists(main.text);
    if (!mainExists || pairIsUsable(main)) {
        result.notes = read(main);
        return result;
    }
    const Pair backup = backupPair();
    if (pairIsUsable(backup)) {
        result.notes = read(backup);
        result.restoredFrom = backup.session;
        copyWhole(backup.text, main.text);
        copyWhole(backup.session, main.session);
        return result;
    }
    // Nothing better to go on: read what can be read, and keep the damaged
    // files aside before the next save replaces them.
    result.damaged = true;
    copyWhole(main.session, main.session + QStringLiteral(".damaged"));
    copyWhole(main.text, main.text + QStringLiteral(".damaged"));
    result.notes = read(main, true);
    return result;
}

bool SessionFile::save(const QList<Note> &notes, const QDate &today, QString *error)
{
    if (!m_folders.ensureExist()) {
        if (error)
            *error = QStringLiteral("The folder for the notes cannot be made.");
        return false;
    }
    IniFile ini(sessionPath());
    cFile text(textPath());
    int n = 0;
    for (const Note &note : notes) {
        ++n;
        const QString section = noteSection(n);
        ini.setValue(section, QStringLiteral("Left"), QString::number(std::lround(note.Left)));
        ini.setValue(section, QStringLiteral("Top"), QString::number(std::lround(note.Top)));
        ini.setValue(section, QStringLiteral("Minimized"), truth(note.Minimized));
        ini.setValue(section, QStringLiteral("Skin"), IniFile::protectedValue(note.Skin));
        ini.setValue(section, QStringLiteral("Visible"), truth(note.Visible));
        ini.setValue(section, QStringLiteral("OnTop"), truth(note.OnTop));
        ini.setValue(section, QStringLiteral("Alerts"),
                     IniFile::protectedValue(EncodeAlerts(note.Alerts)));
        ini.setValue(section, QStringLiteral("TextID"), QString::number(n));
        text.WriteIt(n, n == 1 ? 1 : 2, note.TextRTF);
    }
    ini.setValue(CountSection, QStringLiteral("Total"), QString::number(n));

    // With no note saved the text file keeps what it had.
    QByteArray textBytes = text.pending();
    if (n == 0) {
        QFile old(textPath());
        textBytes = old.open(QIODevice::ReadOnly) ? old.readAll() : QByteArray();
    }

    const Pair fresh{sessionPath() + QStringLiteral(".new"), textPath() + QStringLiteral(".new")};
    if (!SafeFile::write(fresh.text, textBytes, error) || !ini.saveAs(fresh.session, error)) {
        QFile::remove(fresh.text);
        QFile::remove(fresh.session);
        return false;
    }

    if (pairIsUsable(mainPair())) {
        const Pair backup = backupPair();
        copyWhole(textPath(), backup.text);
        copyWhole(sessionPath(), backup.session);
        keepDailyBackup(today);
    }

    if (!SafeFile::write(markerPath(), QByteArray("saving\n"), error))
        return false;
    finishInterruptedSave();
    return true;
}

void SessionFile::keepDailyBackup(const QDate &today)
{
    QDir dir(m_folders.profileFile(QStringLiteral("backups")));
    if (!dir.mkpath(QStringLiteral(".")))
        return;
    const QString stamp = today.toString(Qt::ISODate);
    const QString session =
        dir.filePath(QStringLiteral("session-") + stamp + QStringLiteral(".ini"));
    const QString text = dir.filePath(QStringLiteral("filecon-") + stamp + QStringLiteral(".pqn"));
    if (!QFile::exists(session)) {
        copyWhole(textPath(), text);
        copyWhole(sessionPath(), session);
    }
    // Keep a week of them.
    const QStringList kept = dir.entryList(QStringList() << QStringLiteral("session-*.ini"),
                                           QDir::Files, QDir::Name | QDir::Reversed);
    for (qsizetype i = KeptDays; i < kept.size(); ++i) {
        const QString day = kept.at(i).mid(8, 10);
        dir.remove(kept.at(i));
        dir.remove(QStringLiteral("filecon-") + day + QStringLiteral(".pqn"));
    }
}
