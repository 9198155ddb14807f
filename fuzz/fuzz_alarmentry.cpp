// Feeds arbitrary text to the alarm entry reader and the session's alarm list
// encoding, and checks what they promise: a read entry written again reads back
// to the same fields, its line has exactly six fields, a time of day written in
// the snooze form reads back as the same minute, and a list of entries encoded
// for the session decodes to the same list.
#include "alarms/AlarmEntry.h"
#include "shell/SessionFile.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    if (const auto entry = AlarmEntry::parse(text)) {
        const QString line = entry->line();
        const auto again = AlarmEntry::parse(line);
        check(again.has_value());
        check(again->Index == entry->Index && again->TimeText == entry->TimeText &&
              again->State == entry->State);
        // Fields two to five are user text the dialog keeps free of the separator.
        if (AlarmEntry::reservedIn(entry->Message + entry->Sound + entry->TimeText).isEmpty()) {
            check(again->Message == entry->Message && again->Sound == entry->Sound);
            check(line.count(AlarmEntry::Splitter) == 5);
        }
        check(again->line() == line);
    }

    if (const auto time = AlarmEntry::timeOfDay(text)) {
        const auto back = AlarmEntry::timeOfDay(AlarmEntry::formatTime(*time));
        check(back.has_value() && back->hour() == time->hour() && back->minute() == time->minute());
    }

    // Entries of one note, separated by NUL in the input.
    const QStringList entries = text.split(QChar(0));
    check(SessionFile::DecodeAlerts(SessionFile::EncodeAlerts(entries)) == entries);
    return 0;
}
