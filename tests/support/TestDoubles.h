#pragma once

#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "platform/RandomSource.h"
#include "platform/ShellOpener.h"
#include "platform/Sound.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QUrl>

// A clock that shows whatever time the test sets.
class FixedClock : public Clock
{
public:
    QDateTime time = QDateTime(QDate(2026, 1, 5), QTime(9, 0));
    QDateTime now() const override { return time; }
    void setTimeOfDay(int hour, int minute, int second = 0)
    {
        time.setTime(QTime(hour, minute, second));
    }
};

// Keeps what would have been played.
class RecordingSound : public Sound
{
public:
    QStringList played; // "beep", or the path of a wave file; "" for a stop
    void play(const QString &wavePath) override { played.append(wavePath); }
    void stop() override { played.append(QString()); }
    void beep() override { played.append(QStringLiteral("beep")); }
};

// Keeps the notifications; `available` false stands for a desktop without a
// notification service.
class RecordingNotifier : public Notifier
{
public:
    bool available = true;
    QStringList shown; // "summary: body"
    bool notify(const QString &summary, const QString &body) override
    {
        if (available)
            shown.append(summary + QStringLiteral(": ") + body);
        return available;
    }
    QStringList raised, withdrawn; // keys
    bool notifyKeyed(const QString &key, const QString &summary, const QString &body) override
    {
        if (available)
            raised.append(key);
        return notify(summary, body);
    }
    void withdraw(const QString &key) override { withdrawn.append(key); }
};

class RecordingShell : public ShellOpener
{
public:
    QList<QUrl> opened;
    void open(const QUrl &target) override { opened.append(target); }
};

// Hands out the numbers a test queued, then 0.5.
class ScriptedRandom : public RandomSource
{
public:
    QQueue<double> numbers;
    double next() override { return numbers.isEmpty() ? 0.5 : numbers.dequeue(); }
};
