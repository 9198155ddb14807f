#include "shell/SessionFile.h"

#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "platform/SafeFile.h"
#include "shell/cFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUuid>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

// Names the notes of files without ids.
const QUuid OlderNoteIds(QStringLiteral("{8d5e7a52-3c1b-4f0e-a6d2-95b1c7e04f3a}"));

const QString SessionName = QStringLiteral("session.ini");
const QString TextName = QStringLiteral("filecon.pqn");
const QString CountSection = QStringLiteral("Number of notes");
const QString TotalKey = QStringLiteral("Total");
// The hash of the "filecon.pqn" a session file was saved with.
const QString StampKey = QStringLiteral("TextHash");
const QString DeletedSection = QStringLiteral("Deleted notes");
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

// n for a section named "Note<n>" (any case, n without leading zeros), else 0.
int noteNumber(const QString &section)
{
    bool ok = false;
    const int n = section.mid(4).toInt(&ok);
    const bool isNote = ok && n > 0 && QString::number(n) == section.mid(4) &&
                        section.startsWith(QLatin1String("Note"), Qt::CaseInsensitive);
    return isNote ? n : 0;
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

// The file's bytes; false when it is there but cannot be read.
bool readWhole(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool isThere(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

const QString NewSuffix = QStringLiteral(".new");

QString textStamp(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace

SessionFile::SessionFile(const Folders &folders, FileSystem &fs) : m_folders(folders), m_fs(fs) {}

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

QString SessionFile::NewId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
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

// A pair's files, parsed once for its check and its reading.
struct SessionFile::Parsed
{
    explicit Parsed(const Pair &pair) : ini(pair.session), text(pair.text) {}
    IniFile ini;
    cFile text;
};

SessionFile::PairState SessionFile::check(const Pair &pair, std::unique_ptr<Parsed> *parsed)
{
    const bool hasSession = isThere(pair.session);
    const bool hasText = isThere(pair.text);
    if (!hasSession && !hasText)
        return PairState::Absent;
    QByteArray sessionBytes, textBytes;
    if ((hasSession && !readWhole(pair.session, &sessionBytes)) ||
        (hasText && !readWhole(pair.text, &textBytes)))
        return PairState::Damaged;
    if (!hasSession)
        return PairState::Incomplete;
    auto own = std::make_unique<Parsed>(pair);
    const IniFile &ini = own->ini;
    // The count is written last: without it the file was cut short or emptied.
    bool ok = false;
    const int total = ini.value(CountSection, TotalKey).trimmed().toInt(&ok);
    if (!ok || total < 0 || total > MaxNotes)
        return PairState::Damaged;
    for (int i = 1; i <= total; ++i)
        if (!ini.containsSection(noteSection(i)))
            return PairState::Damaged;
    // Files of older versions carry no stamp and may keep the sections of
    // deleted notes: they are taken as they are.
    const QString stamp = ini.value(CountSection, StampKey);
    const QStringList sections = stamp.isEmpty() ? QStringList() : ini.sectionNames();
    for (const QString &name : sections)
        if (noteNumber(name) > total)
            return PairState::Damaged;
    if (!hasText)
        return PairState::Incomplete;
    // The text file of another save: its partner may still be on its way.
    if (!stamp.isEmpty() && stamp != textStamp(textBytes))
        return PairState::Arriving;
    cFile &text = own->text;
    for (int i = 1; i <= total; ++i) {
        bool idOk = false;
        const int id = ini.value(noteSection(i), QStringLiteral("TextID")).trimmed().toInt(&idOk);
        if (idOk && (!text.hasBlock(id) || text.blockIsDamaged(id)))
            return PairState::Damaged;
    }
    if (parsed)
        *parsed = std::move(own);
    return PairState::Whole;
}

QList<SessionFile::Note> SessionFile::read(const Pair &pair, bool damaged, Parsed *parsed)
{
    std::unique_ptr<Parsed> own;
    if (!parsed) {
        own = std::make_unique<Parsed>(pair);
        parsed = own.get();
    }
    const IniFile &ini = parsed->ini;
    cFile &text = parsed->text;
    bool ok = false;
    int total = ini.value(CountSection, TotalKey, QStringLiteral("1")).trimmed().toInt(&ok);
    if (!ok || total < 0)
        total = 0;
    total = std::min(total, MaxNotes);
    // From damaged files the notes that are really there, whatever the count says.
    if (damaged)
        for (total = 0; total < MaxNotes && ini.containsSection(noteSection(total + 1));)
            ++total;
    QList<Note> notes;
    QSet<QString> ids;
    for (int i = 1; i <= total; ++i) {
        const QString section = noteSection(i);
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
        note.TextRTF = !idOk ? QString() : damaged ? text.ReadClosed(id) : text.ReadIt(id);
        // Files of earlier versions have no ids: one made from the section and its text is
        // the same on every machine that reads the file. A copied section must not share one.
        note.Id = value("NoteID", QString()).trimmed();
        if (note.Id.isEmpty())
            note.Id = QUuid::createUuidV5(OlderNoteIds, section + QLatin1Char('\n') + note.TextRTF)
                          .toString(QUuid::WithoutBraces);
        if (ids.contains(note.Id))
            note.Id = NewId();
        ids.insert(note.Id);
        note.Changed = QDateTime::fromString(value("Changed", QString()).trimmed(), Qt::ISODate);
        for (auto [key, size] : {std::pair{"Width", &note.Width}, {"Height", &note.Height}}) {
            bool sizeOk = false;
            const int twips = value(key, QString()).trimmed().toInt(&sizeOk);
            if (sizeOk)
                *size = twips;
        }
        note.AllWorkspaces = ParseTruth(value("AllWorkspaces", QString()));
        note.Revision = value("Revision", QString()).trimmed();
        note.History = value("History", QString()).split(QLatin1Char(','), Qt::SkipEmptyParts);
        notes.append(note);
    }
    return notes;
}

QList<SessionFile::Deleted> SessionFile::readDeleted(const IniFile &ini)
{
    const int total =
        std::clamp(ini.value(DeletedSection, TotalKey).trimmed().toInt(), 0, MaxNotes);
    QList<Deleted> deleted;
    for (int i = 1; i <= total; ++i) {
        // "<id> <when> <revision>,<revision>...": a line that says less is skipped.
        const QStringList fields =
            ini.value(DeletedSection, noteSection(i)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() != 3)
            continue;
        Deleted gone{fields.at(0), fields.at(2).split(QLatin1Char(','), Qt::SkipEmptyParts),
                     QDateTime::fromString(fields.at(1), Qt::ISODate)};
        if (gone.When.isValid() && !gone.Revisions.isEmpty())
            deleted.append(gone);
    }
    return deleted;
}

bool SessionFile::Mark::operator==(const Mark &other) const
{
    return sessionSize == other.sessionSize && textSize == other.textSize &&
           sessionTime == other.sessionTime && textTime == other.textTime && hash == other.hash;
}

SessionFile::Mark SessionFile::markOf(const Pair &pair)
{
    Mark mark;
    QCryptographicHash hash(QCryptographicHash::Md5);
    for (auto [path, size, time] : {std::tuple{pair.session, &mark.sessionSize, &mark.sessionTime},
                                    std::tuple{pair.text, &mark.textSize, &mark.textTime}}) {
        const QFileInfo info(path);
        QByteArray bytes;
        if (!info.exists() || !readWhole(path, &bytes))
            continue;
        *size = bytes.size();
        *time = info.lastModified();
        hash.addData(QCryptographicHash::hash(bytes, QCryptographicHash::Md5));
    }
    mark.hash = hash.result();
    return mark;
}

SessionFile::Mark SessionFile::mark() const
{
    return markOf(mainPair());
}

SessionFile::PairState SessionFile::checkWaiting(const Pair &pair, std::unique_ptr<Parsed> *parsed)
{
    PairState state = check(pair, parsed);
    for (int waited = 0; state == PairState::Arriving && waited < m_wait.limitMs;
         waited += m_wait.stepMs) {
        if (!m_wait.pause || !m_wait.pause(m_wait.stepMs))
            break;
        state = check(pair, parsed);
    }
    return state == PairState::Arriving ? PairState::Damaged : state;
}

SessionFile::Snapshot SessionFile::snapshot()
{
    finishInterruptedSave(nullptr);
    Snapshot shot;
    std::unique_ptr<Parsed> parsed;
    shot.state = checkWaiting(mainPair(), &parsed);
    shot.mark = mark();
    if (shot.state == PairState::Whole) {
        shot.notes = read(mainPair(), false, parsed.get());
        shot.deleted = readDeleted(parsed->ini);
    }
    return shot;
}

SessionFile::Snapshot SessionFile::snapshotOf(const QString &sessionPath, const QString &textPath)
{
    const Pair pair{sessionPath, textPath};
    Snapshot shot;
    std::unique_ptr<Parsed> parsed;
    shot.state = check(pair, &parsed);
    shot.mark = markOf(pair);
    if (shot.state == PairState::Whole) {
        shot.notes = read(pair, false, parsed.get());
        shot.deleted = readDeleted(parsed->ini);
    }
    return shot;
}

QStringList SessionFile::setAsideDamaged()
{
    QStringList kept;
    bool allKept = true;
    keepAside(mainPair(), &kept, &allKept);
    return kept;
}

QStringList SessionFile::allowedTargets() const
{
    const Pair backup = backupPair();
    return {SafeFile::realTarget(textPath()), SafeFile::realTarget(sessionPath()), backup.text,
            backup.session};
}

SessionFile::Pair SessionFile::dailyPair(const QDate &day) const
{
    const QString stamp = day.toString(Qt::ISODate);
    const QString dir = backupsDir() + QLatin1Char('/');
    return Pair{dir + QStringLiteral("session-") + stamp + QStringLiteral(".ini"),
                dir + QStringLiteral("filecon-") + stamp + QStringLiteral(".pqn")};
}

QString SessionFile::backupsDir() const
{
    return m_folders.profileFile(QStringLiteral("backups"));
}

bool SessionFile::finishInterruptedSave(QString *error)
{
    auto fail = [error](const QString &path) {
        if (error)
            *error = QFileInfo(path).fileName() + QStringLiteral(": ") + FileSystem::lastError();
        return false;
    };
    const QString marker = markerPath();
    QByteArray listed;
    if (isThere(marker) && !readWhole(marker, &listed))
        return fail(marker);
    QStringList targets;
    if (isThere(marker)) {
        // The marker names the files the new versions go to; an older marker
        // without names stands for the main pair. Only our own names (the
        // pairs and the daily backups) are taken.
        const QStringList names = QString::fromUtf8(listed).split(QLatin1Char('\n'));
        for (const QString &name : names) {
            const QString target = name.trimmed();
            const QFileInfo info(target);
            const bool daily = info.absolutePath() == QFileInfo(backupsDir()).absoluteFilePath();
            if (allowedTargets().contains(target) || daily)
                targets << target;
        }
        if (targets.isEmpty())
            targets = allowedTargets().mid(0, 2);
        for (const QString &target : std::as_const(targets)) {
            if (isThere(target + NewSuffix) && !m_fs.rename(target + NewSuffix, target))
                return fail(target);
        }
        QStringList folders;
        for (const QString &target : std::as_const(targets))
            folders << QFileInfo(target).absolutePath();
        folders.removeDuplicates();
        for (const QString &folder : std::as_const(folders))
            if (!m_fs.syncFolder(folder))
                return fail(folder);
        if (!m_fs.remove(marker))
            return fail(marker);
    }
    // New versions without a marker were never complete: the old files stand.
    QStringList leftovers = allowedTargets() << marker;
    const QStringList daily =
        QDir(backupsDir()).entryList(QStringList() << QStringLiteral("*.new"), QDir::Files);
    for (const QString &name : daily)
        leftovers << QDir(backupsDir()).filePath(name.chopped(NewSuffix.size()));
    for (const QString &target : std::as_const(leftovers))
        if (isThere(target + NewSuffix) && !m_fs.remove(target + NewSuffix))
            return fail(target + NewSuffix);
    return true;
}

SessionFile::Pair SessionFile::keepAside(const Pair &pair, QStringList *kept, bool *allKept)
{
    Pair where = pair;
    *allKept = true;
    for (QString *path : {&where.session, &where.text}) {
        if (!isThere(*path))
            continue;
        // A name not yet taken, so an earlier damaged copy is kept too.
        QString aside = *path + QStringLiteral(".damaged");
        for (int n = 2; isThere(aside); ++n)
            aside = *path + QStringLiteral(".damaged") + QString::number(n);
        // Moved, not copied: an unreadable file is kept byte for byte too.
        if (m_fs.rename(*path, aside)) {
            kept->append(QFileInfo(aside).fileName());
            *path = aside;
        } else {
            *allKept = false;
        }
    }
    return where;
}

SessionFile::LoadResult SessionFile::load(const QDateTime &now)
{
    LoadResult result;
    finishInterruptedSave(nullptr);
    removeOldLeftovers(now);
    const Pair main = mainPair();
    std::unique_ptr<Parsed> parsed;
    const PairState state = checkWaiting(main, &parsed);
    // The last good copy: the ".bak" pair, or for damaged or half-missing
    // files the newest whole daily backup.
    std::optional<Pair> good;
    if (state != PairState::Whole && check(backupPair()) == PairState::Whole)
        good = backupPair();
    const QList<Pair> daily = state == PairState::Damaged || state == PairState::Incomplete
                                  ? dailyPairs()
                                  : QList<Pair>();
    for (qsizetype i = 0; !good && i < daily.size(); ++i)
        if (check(daily.at(i)) == PairState::Whole)
            good = daily.at(i);
    if (state != PairState::Damaged && !good) {
        // Whole files, or missing files and keys, which read as their defaults.
        result.notes = read(main, false, parsed.get());
        result.deleted = readDeleted(parsed ? parsed->ini : IniFile(main.session));
        return result;
    }
    // What stands there is kept before anything replaces it.
    bool allKept = true;
    const Pair where = keepAside(main, &result.keptAside, &allKept);
    if (!good) {
        result.damaged = true;
        result.notes = read(where, true);
        if (!daily.isEmpty())
            result.newestBackup = daily.first().session;
        return result;
    }
    result.restoredFrom = good->session;
    result.notes = read(*good);
    result.deleted = readDeleted(IniFile(good->session));
    QByteArray bytes;
    if (allKept)
        for (const auto &[from, to] :
             {std::pair{good->text, main.text}, std::pair{good->session, main.session}})
            if (readWhole(from, &bytes))
                SafeFile::write(m_fs, to, bytes, nullptr);
    return result;
}

QString SessionFile::LoadResult::message() const
{
    QString text;
    if (!restoredFrom.isEmpty())
        text = tr("Your notes could not be read from their files, so they were "
                  "brought back from the last good copy (\"%1\").")
                   .arg(restoredFrom);
    else if (damaged)
        text = tr("Some of your notes could not be read: their files are damaged.");
    else
        return text;
    if (!keptAside.isEmpty())
        text += tr(" The files found were kept as \"%1\".")
                    .arg(keptAside.join(QStringLiteral("\" and \"")));
    if (!newestBackup.isEmpty())
        text += tr(" The newest backup of your notes is \"%1\".").arg(newestBackup);
    return text;
}

bool SessionFile::save(const QList<Note> &notes, const QDate &today, QString *error,
                       const QList<Deleted> &deleted)
{
    if (!m_folders.ensureExist() || !Folders::makePrivateFolder(backupsDir())) {
        if (error)
            *error = tr("The folder for the notes cannot be made.");
        return false;
    }
    // An earlier save that stopped half way is finished first.
    if (!finishInterruptedSave(error))
        return false;
    const Pair main{SafeFile::realTarget(sessionPath()), SafeFile::realTarget(textPath())};
    IniFile ini(main.session);
    cFile text(main.text);
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
        // A section once written for another note must not pass its id or time on.
        if (note.Id.isEmpty())
            ini.removeKey(section, QStringLiteral("NoteID"));
        else
            ini.setValue(section, QStringLiteral("NoteID"), IniFile::protectedValue(note.Id));
        if (note.Changed.isValid())
            ini.setValue(section, QStringLiteral("Changed"),
                         note.Changed.toUTC().toString(Qt::ISODate));
        else
            ini.removeKey(section, QStringLiteral("Changed"));
        // Written only when they say something, so classic notes are stored as before; a
        // key left from the section's last note is taken away.
        const auto setOrRemove = [&](const QString &key, const std::optional<QString> &value) {
            if (value)
                ini.setValue(section, key, *value);
            else
                ini.removeKey(section, key);
        };
        const auto number = [](const std::optional<int> &v) {
            return v ? std::optional<QString>(QString::number(*v)) : std::nullopt;
        };
        setOrRemove(QStringLiteral("Width"), number(note.Width));
        setOrRemove(QStringLiteral("Height"), number(note.Height));
        setOrRemove(QStringLiteral("AllWorkspaces"),
                    note.AllWorkspaces ? std::optional<QString>(truth(*note.AllWorkspaces))
                                       : std::nullopt);
        setOrRemove(QStringLiteral("Revision"),
                    note.Revision.isEmpty() ? std::nullopt : std::optional<QString>(note.Revision));
        setOrRemove(QStringLiteral("History"),
                    note.History.isEmpty()
                        ? std::nullopt
                        : std::optional<QString>(note.History.join(QLatin1Char(','))));
        text.WriteIt(n, n == 1 ? 1 : 2, note.TextRTF);
    }
    ini.removeSection(DeletedSection);
    int gone = 0;
    for (const Deleted &note : deleted)
        ini.setValue(DeletedSection, noteSection(++gone),
                     note.Id + QLatin1Char(' ') + note.When.toUTC().toString(Qt::ISODate) +
                         QLatin1Char(' ') + note.Revisions.join(QLatin1Char(',')));
    if (gone > 0)
        ini.setValue(DeletedSection, TotalKey, QString::number(gone));
    // Deleted notes leave nothing behind: no section beyond the count.
    const QStringList sections = ini.sectionNames();
    for (const QString &name : sections)
        if (noteNumber(name) > n)
            ini.removeSection(name);

    // Everything this save puts in place: the new pair, and while the old
    // pair is whole, the old pair as ".bak" and as the day's first backup.
    struct Staged
    {
        QString target;
        QByteArray bytes;
        mode_t mode;
    };
    std::vector<Staged> staged;
    QByteArray oldText, oldSession;
    const bool oldIsWhole = check(mainPair()) == PairState::Whole &&
                            readWhole(main.text, &oldText) && readWhole(main.session, &oldSession);
    // With no note saved the text file keeps what it had.
    QByteArray textBytes = text.pending();
    if (n == 0 && isThere(main.text) && !readWhole(main.text, &textBytes)) {
        if (error)
            *error =
                QFileInfo(main.text).fileName() + QStringLiteral(": ") + FileSystem::lastError();
        return false;
    }
    // The count ends the file, after the stamp: a file cut anywhere loses it,
    // or cuts the stamp, or leaves fewer notes counted than sections stand.
    ini.moveToEnd(CountSection);
    ini.removeKey(CountSection, TotalKey);
    ini.setValue(CountSection, StampKey, textStamp(textBytes));
    ini.setValue(CountSection, TotalKey, QString::number(n));
    staged.push_back({main.text, textBytes, SafeFile::privateMode(main.text)});
    staged.push_back({main.session, ini.toBytes(), SafeFile::privateMode(main.session)});
    if (oldIsWhole) {
        const Pair backup = backupPair();
        staged.push_back({backup.text, oldText, 0600});
        staged.push_back({backup.session, oldSession, 0600});
        const Pair daily = dailyPair(today);
        if (!isThere(daily.session)) {
            staged.push_back({daily.text, oldText, 0600});
            staged.push_back({daily.session, oldSession, 0600});
        }
    }

    // A folder where a file must go would stop the set half way: refuse first.
    for (const Staged &file : staged) {
        const QFileInfo info(file.target);
        if (info.isDir() && !info.isSymLink()) {
            if (error)
                *error = info.fileName() + tr(": a folder stands there");
            return false;
        }
    }
    // Every new version is written whole and synced before anything is
    // replaced; a failure here leaves every file as it was.
    QStringList targets;
    for (const Staged &file : staged) {
        if (!SafeFile::writeNew(m_fs, file.target + NewSuffix, file.bytes, file.mode, error)) {
            for (const QString &written : std::as_const(targets))
                m_fs.remove(written + NewSuffix);
            return false;
        }
        targets << file.target;
    }
    // The marker makes the set one change: from here on a start that finds
    // it puts the rest in place.
    const QString marker = markerPath();
    bool marked = SafeFile::writeNew(m_fs, marker + NewSuffix,
                                     targets.join(QLatin1Char('\n')).toUtf8(), 0600, error);
    if (marked && !m_fs.rename(marker + NewSuffix, marker)) {
        if (error)
            *error = QFileInfo(marker).fileName() + QStringLiteral(": ") + FileSystem::lastError();
        m_fs.remove(marker + NewSuffix);
        marked = false;
    }
    if (!marked) {
        for (const QString &written : std::as_const(targets))
            m_fs.remove(written + NewSuffix);
        return false;
    }
    if (!finishInterruptedSave(error))
        return false;
    pruneBackups(today);
    return true;
}

QList<SessionFile::Pair> SessionFile::dailyPairs() const
{
    QList<Pair> pairs;
    const QDir dir(backupsDir());
    const QStringList names =
        dir.entryList(QStringList() << QStringLiteral("session-*.ini"), QDir::Files, QDir::Time);
    for (const QString &name : names)
        pairs << Pair{dir.filePath(name), dir.filePath(QStringLiteral("filecon-") +
                                                       name.mid(8, 10) + QStringLiteral(".pqn"))};
    return pairs;
}

void SessionFile::pruneBackups(const QDate &today)
{
    // Kept by age, not by name: a clock that was once ahead named some in the
    // future. Today's stays whatever its age. One that cannot be removed only
    // takes room.
    const QDateTime oldest = today.addDays(1 - KeptDays).startOfDay();
    const QString todays = dailyPair(today).session;
    for (const Pair &pair : dailyPairs()) {
        if (pair.session == todays || QFileInfo(pair.session).lastModified() >= oldest)
            continue;
        m_fs.remove(pair.session);
        m_fs.remove(pair.text);
    }
}

void SessionFile::removeOldLeftovers(const QDateTime &now)
{
    // Full copies of notes: a write killed before its rename left its ".tmp",
    // a damaged file was kept aside for the user to look at.
    static const QRegularExpression leftover(
        QStringLiteral(R"(\.[0-9a-f]{8}\.tmp$|^(session\.ini|filecon\.pqn)\.damaged[0-9]*$)"));
    const QDateTime oldest = now.addDays(-KeptDays);
    QStringList folders{m_folders.profileDir(), m_folders.dataDir()};
    folders.removeDuplicates();
    for (const QString &folder : std::as_const(folders)) {
        const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
        for (const QFileInfo &file : files)
            if (leftover.match(file.fileName()).hasMatch() && file.lastModified() < oldest)
                m_fs.remove(file.filePath());
    }
}
