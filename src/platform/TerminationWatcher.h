#pragma once

#include <QObject>
#include <QStringList>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface
// thread, so the program can save before it ends.
class TerminationWatcher : public QObject
{
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject *parent = nullptr);
    ~TerminationWatcher() override;

    // A stop signal has come in, even if the event loop has not seen it yet: long work
    // asks this to end early.
    static bool requested();

    // While on, a stop signal ends the process at once, from the signal handler itself, after
    // removing the files named in setLeftovers: for a time when there is nothing to save and
    // the main thread may be busy for long without looking at its events (the notes are
    // coming back). Off again, the signal goes to terminationRequested as before.
    static void setEndAtOnce(bool on);
    // At most two files (the single-instance lock and socket); longer paths are left alone.
    static void setLeftovers(const QStringList &paths);

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
