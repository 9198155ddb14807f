// Feeds arbitrary bytes to the session reader as a pair of files (session.ini
// and filecon.pqn, split at the first NUL), and checks what it promises: it
// reads without crashing, never more notes than its limit, and a session it
// read is written and read back whole to the same notes: texts the same but
// for the line breaks that end a block and the "\'5b" a line starting with
// "[" is written with, and an empty session as at most the one note a first
// run starts with. What it reads is already what it writes: a damaged block
// comes mended (its groups closed), a carriage return inside a value as the
// space a value is written with.
#include "platform/Folders.h"
#include "shell/SessionFile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The text as a block is written: no line may pass for a block's header.
QString guarded(QString text)
{
    if (text.startsWith(QLatin1Char('[')))
        text.replace(0, 1, QStringLiteral("\\'5b"));
    return text.replace(QStringLiteral("\n["), QStringLiteral("\n\\'5b")).trimmed();
}

bool sameNotes(const QList<SessionFile::Note> &a, const QList<SessionFile::Note> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].Minimized != b[i].Minimized || a[i].Visible != b[i].Visible ||
            a[i].OnTop != b[i].OnTop || a[i].Skin != b[i].Skin || a[i].Alerts != b[i].Alerts ||
            guarded(a[i].TextRTF) != b[i].TextRTF.trimmed())
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf('\0');
    QTemporaryDir dir;
    check(dir.isValid());
    const Folders folders(dir.path(), dir.path());
    writeAll(folders.profileFile(QStringLiteral("session.ini")),
             split < 0 ? input : input.left(split));
    writeAll(folders.dataFile(QStringLiteral("filecon.pqn")),
             split < 0 ? QByteArray() : input.mid(split + 1));

    SessionFile session(folders);
    const SessionFile::LoadResult first = session.load();
    check(first.notes.size() <= SessionFile::MaxNotes);

    const QDate day(2026, 12, 7);
    check(session.save(first.notes, day));
    const SessionFile::LoadResult second = SessionFile(folders).load();
    check(second.restoredFrom.isEmpty() && !second.damaged);
    // A session without notes starts with the one new note of a first run.
    check(first.notes.isEmpty() ? second.notes.size() <= 1 : sameNotes(first.notes, second.notes));
    return 0;
}
