#include "sync/ConflictCopies.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QString ConflictCopies::markerOf(const QString &fileName, const QString &name)
{
    const QFileInfo info(name);
    const QString base = QRegularExpression::escape(info.completeBaseName());
    const QString suffix = QRegularExpression::escape(QLatin1Char('.') + info.suffix());
    const QRegularExpression syncthing(
        QStringLiteral("^%1\\.sync-conflict-([0-9A-Za-z-]+)%2$").arg(base, suffix));
    const QRegularExpression copied(
        QStringLiteral("^%1 \\(((?:.* )?conflicted copy.*)\\)%2$").arg(base, suffix));
    for (const QRegularExpression *pattern : {&syncthing, &copied})
        if (const QRegularExpressionMatch match = pattern->match(fileName); match.hasMatch())
            return match.captured(1);
    return {};
}

QList<ConflictCopies::Found> ConflictCopies::find(const QString &sessionPath,
                                                  const QString &textPath, QStringList *unmatched)
{
    const auto copiesOf = [](const QString &path) {
        const QFileInfo main(path);
        QStringList copies;
        const QStringList names = main.dir().entryList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const QString &name : names)
            if (!markerOf(name, main.fileName()).isEmpty())
                copies << main.dir().filePath(name);
        return copies;
    };
    QStringList sessions = copiesOf(sessionPath);
    QStringList texts = copiesOf(textPath);
    const auto marker = [](const QString &path, const QString &main) {
        return markerOf(QFileInfo(path).fileName(), QFileInfo(main).fileName());
    };
    QList<Found> found;
    // Copies of both files from one conflict first, then each with the other main file.
    for (const QString &session : std::as_const(sessions))
        for (const QString &text : std::as_const(texts))
            if (marker(session, sessionPath) == marker(text, textPath)) {
                const SessionFile::Snapshot shot = SessionFile::snapshotOf(session, text);
                if (shot.state == SessionFile::PairState::Whole)
                    found.append({shot, {session, text}});
            }
    for (const Found &pair : std::as_const(found)) {
        sessions.removeAll(pair.files.at(0));
        texts.removeAll(pair.files.at(1));
    }
    for (const QString &session : std::as_const(sessions)) {
        const SessionFile::Snapshot shot = SessionFile::snapshotOf(session, textPath);
        if (shot.state == SessionFile::PairState::Whole)
            found.append({shot, {session}});
        else
            unmatched->append(session);
    }
    for (const QString &text : std::as_const(texts)) {
        const SessionFile::Snapshot shot = SessionFile::snapshotOf(sessionPath, text);
        if (shot.state == SessionFile::PairState::Whole)
            found.append({shot, {text}});
        else
            unmatched->append(text);
    }
    return found;
}

QStringList ConflictCopies::backupCopies(const QString &sessionPath, const QString &textPath)
{
    QStringList copies;
    for (const QString &path : {sessionPath, textPath}) {
        const QFileInfo main(path);
        const QString backup = main.fileName() + QStringLiteral(".bak");
        for (const QString &name : main.dir().entryList({QStringLiteral("*.bak")},
                                                        QDir::Files | QDir::Hidden, QDir::Name))
            if (!markerOf(name, backup).isEmpty() ||
                !markerOf(name.chopped(4), main.fileName()).isEmpty())
                copies << main.dir().filePath(name);
    }
    return copies;
}
