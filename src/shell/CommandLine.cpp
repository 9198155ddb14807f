#include "shell/CommandLine.h"

#include "platform/AnsiText.h"
#include "shell/AppInfo.h"
#include "shell/Startup.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

using Kind = CommandLine::Command::Kind;

// Options QApplication takes out of the command line itself (its own, and
// those of the X11 and Wayland platforms). Until it has, they are not refused.
bool isWindowSystemOption(const QString &name)
{
    static const QStringList names =
        QStringLiteral("platform platformpluginpath platformtheme plugin qwindowgeometry geometry "
                       "qwindowtitle title qwindowicon icon reverse session "
                       "display name style stylesheet widgetcount qmljsdebugger testability nograb "
                       "dograb sync visual ncols "
                       "cmap im inputstyle fn font bg background fg foreground btn button")
            .split(QLatin1Char(' '));
    return names.contains(name);
}

// The options that ask the program something, in the order their commands run.
struct Option
{
    const char *name;
    const char *valueName; // nullptr: a switch
    const char *description;
    Kind kind;
    // Only a running copy can do it: no copy is started for it.
    bool needsRunningCopy;
    // Asks what a note's visibility or the program's end is (at most one of these).
    bool exclusive;
};

const Option Options[] = {
    {"new-from-file", "FILE",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Makes a new note holding the text of FILE (plain text, RTF or Markdown)."),
     Kind::New, false, false},
    {"new", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Makes a new note; the words after the options, if any, are its text "
                       "([TEXT])."),
     Kind::New, false, false},
    {"show", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Shows every note."), Kind::Show, false,
     true},
    {"hide", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Hides every note of the running Pennyquill."), Kind::Hide,
     true, true},
    {"toggle", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Hides every note when one is shown, else shows them all."),
     Kind::Toggle, false, true},
    {"quit", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Saves the notes and ends the running Pennyquill."),
     Kind::Quit, true, true},
    {"list", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Opens the list of notes, to find one."),
     Kind::List, false, false},
    {"import", nullptr,
     QT_TRANSLATE_NOOP("CommandLine",
                       "Imports notes: the words after the options are \"xpad\" (xpad's notes), "
                       "\"sticky\" (Sticky Notes' file) or files (text, Markdown, RTF, HTML; a "
                       ".json file is read as Sticky Notes', a folder as xpad's), one note each."),
     Kind::Import, false, false},
};

// The names the commands travel under; never renamed, so copies of different
// versions understand each other.
const std::pair<Kind, const char *> KindNames[] = {
    {Kind::Show, "show"},         {Kind::New, "new"},       {Kind::NewRich, "new-rich"},
    {Kind::Hide, "hide"},         {Kind::Toggle, "toggle"}, {Kind::Quit, "quit"},
    {Kind::Skin, "skin"},         {Kind::List, "list"},     {Kind::Import, "import"},
    {Kind::Reminder, "reminder"},
};

// Between the fields of a reminder's text: the entry's time and repeat never hold it.
constexpr QChar ReminderSeparator(0x1f);

const QString MessageTag = QStringLiteral("pennyquill-commands/1");

// A text of QCommandLineParser's help as Qt's own catalog has it.
QString qtParserText(const char *text)
{
    static const char *const context = "QCommandLineParser";
    return QCoreApplication::translate(context, text);
}

QString dashed(const char *name)
{
    return QStringLiteral("--") + QLatin1String(name);
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments, const QDateTime &now)
{
    QCommandLineParser parser;
    // "-platform" is one option, as Qt reads it, not eight letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        tr("Sticky notes for the desktop. Given a skin file (.pqs), installs it and shows it on "
           "a new note. The other options ask a running Pennyquill (started first when there is "
           "none, except for --hide and --quit)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Shows the version and ends."));
    parser.addOption(help);
    parser.addOption(version);
    QList<QCommandLineOption> asked;
    for (const Option &option : Options) {
        asked.append(QCommandLineOption(QString::fromLatin1(option.name), tr(option.description),
                                        QString::fromLatin1(option.valueName)));
        parser.addOption(asked.last());
    }
    // They shape --new's note, so they are no commands of their own.
    parser.addOption({QStringLiteral("alarm"),
                      tr("With --new TEXT: an alarm on all of the note's text, at TIME (09:30, "
                         "or 9:30 PM)."),
                      QStringLiteral("TIME")});
    parser.addOption({QStringLiteral("date"),
                      tr("With --alarm: the day (today, tomorrow, a weekday such as monday, or "
                         "YYYY-MM-DD); without it, the next time the clock shows TIME."),
                      QStringLiteral("DAY")});
    parser.addOption({QStringLiteral("repeat"),
                      tr("With --alarm: once (the default), daily, weekdays or weekly."),
                      QStringLiteral("REPEAT")});
    parser.addPositionalArgument(QStringLiteral("skin"), tr("A skin file to install."),
                                 QStringLiteral("[skin]"));
    const bool parsed = parser.parse(arguments);
    // Help and version win over anything else on the line, so they also work
    // when the window system's own options are still in it.
    if (parser.isSet(help)) {
        m_action = Action::Help;
        // The usage line names the program as typed, whatever its file is called. Qt writes
        // it as "Usage: %1 [options]" in the user's language, from its own catalog.
        m_output = parser.helpText();
        const QString usage = qtParserText("Usage: %1").section(QStringLiteral("%1"), 0, 0);
        const qsizetype end = m_output.indexOf(QLatin1Char(' ') + qtParserText("[options]"));
        if (m_output.startsWith(usage) && end > usage.size())
            m_output.replace(usage.size(), end - usage.size(), QStringLiteral("pennyquill"));
        return;
    }
    if (parser.isSet(version)) {
        m_action = Action::Version;
        m_output = QStringLiteral("pennyquill ") + AppInfo::Version + QLatin1Char('\n');
        return;
    }
    const QStringList unknown = parser.unknownOptionNames();
    // A missing value is an error whatever else is on the line.
    if (!parsed && (unknown.isEmpty() ||
                    !std::all_of(unknown.cbegin(), unknown.cend(), isWindowSystemOption))) {
        fail(parser.errorText() + QLatin1Char(' ') + tr("Try 'pennyquill --help'."));
        return;
    }

    QStringList exclusive;
    bool anyStarts = false;
    bool anyAsked = false;
    for (qsizetype i = 0; i < asked.size(); ++i) {
        const Option &option = Options[i];
        if (!parser.isSet(asked.at(i)))
            continue;
        anyAsked = true;
        anyStarts |= !option.needsRunningCopy;
        if (option.exclusive)
            exclusive << dashed(option.name);
        if (option.valueName) {
            for (const QString &value : parser.values(asked.at(i))) {
                Command command{option.kind, QString()};
                if (!readNoteFile(value, command))
                    return;
                m_commands.append(command);
            }
        } else if (option.kind == Kind::New) {
            m_commands.append({Kind::New, parser.positionalArguments().join(QLatin1Char(' '))});
        } else if (option.kind == Kind::Import) {
            for (const QString &source : parser.positionalArguments())
                m_commands.append({Kind::Import, source == QLatin1String("xpad") ||
                                                         source == QLatin1String("sticky")
                                                     ? source
                                                     : QFileInfo(source).absoluteFilePath()});
            if (parser.positionalArguments().isEmpty()) {
                fail(tr("--import needs xpad, sticky or files. Try 'pennyquill --help'."));
                return;
            }
        } else {
            m_commands.append({option.kind, QString()});
        }
    }
    const bool makesNotes = std::any_of(m_commands.cbegin(), m_commands.cend(), [](const auto &c) {
        return c.kind == Kind::New || c.kind == Kind::NewRich;
    });
    if (exclusive.size() > 1 || (exclusive.contains(QStringLiteral("--quit")) && makesNotes)) {
        fail(makesNotes && exclusive.size() == 1
                 ? tr("--quit and a new note cannot be given together.")
                 : tr("%1 cannot be given together.").arg(exclusive.join(QStringLiteral(", "))));
        return;
    }
    readReminder(parser, now);
    if (m_action == Action::Fail)
        return;
    m_startsProgram = !anyAsked || anyStarts;
    // With --new the words are the note's text, with --import its sources; otherwise they
    // name a skin.
    if (!parser.isSet(QStringLiteral("new")) && !parser.isSet(QStringLiteral("import"))) {
        m_skinPath = Startup::CleanCommandLine(parser.positionalArguments());
        if (!m_skinPath.isEmpty()) {
            m_commands.prepend({Kind::Skin, m_skinPath});
            m_startsProgram = true;
        }
    }
}

void CommandLine::readReminder(const QCommandLineParser &parser, const QDateTime &now)
{
    const auto value = [&parser](const char *name) {
        const QString option = QString::fromLatin1(name);
        return parser.isSet(option) ? parser.value(option) : QString();
    };
    if (!parser.isSet(QStringLiteral("alarm"))) {
        if (parser.isSet(QStringLiteral("date")) || parser.isSet(QStringLiteral("repeat")))
            fail(tr("--date and --repeat need --alarm."));
        return;
    }
    const auto made = std::find_if(m_commands.begin(), m_commands.end(),
                                   [](const Command &c) { return c.kind == Kind::New; });
    if (!parser.isSet(QStringLiteral("new")) || made == m_commands.end() || made->text.isEmpty()) {
        fail(tr("--alarm needs --new TEXT."));
        return;
    }
    m_reminder =
        ReminderRequest::read(made->text, value("alarm"), value("date"), value("repeat"), now);
    if (!m_reminder->isValid()) {
        fail(m_reminder->Error + QLatin1Char('.'));
        return;
    }
    *made = {Kind::Reminder, reminderText(*m_reminder)};
}

QString CommandLine::reminderText(const ReminderRequest &request)
{
    return request.TimeText + ReminderSeparator + request.RepeatField + ReminderSeparator +
           request.Text;
}

ReminderRequest CommandLine::reminderFrom(const QString &text)
{
    ReminderRequest request;
    const qsizetype first = text.indexOf(ReminderSeparator);
    const qsizetype second = first < 0 ? -1 : text.indexOf(ReminderSeparator, first + 1);
    if (second < 0) {
        request.Error = QStringLiteral("not a reminder");
        return request;
    }
    request.TimeText = text.left(first);
    request.RepeatField = text.mid(first + 1, second - first - 1);
    request.Text = text.mid(second + 1);
    return request;
}

void CommandLine::fail(const QString &message)
{
    m_action = Action::Fail;
    m_output = QStringLiteral("pennyquill: ") + message + QLatin1Char('\n');
    m_commands.clear();
}

bool CommandLine::readNoteFile(const QString &path, Command &command)
{
    // Checked before opening: a FIFO or a device would block or never end.
    const QFileInfo info(path);
    const auto tooLarge = [&path] {
        return tr("\"%1\" is too large for a note (at most %2 MB).")
            .arg(path, QString::number(MaxFileBytes / (1024 * 1024)));
    };
    QString refused;
    if (!info.exists())
        refused = tr("\"%1\" does not exist.").arg(path);
    else if (info.isDir())
        refused = tr("\"%1\" is a folder, not a file.").arg(path);
    else if (!info.isFile())
        refused = tr("\"%1\" is not a regular file.").arg(path);
    else if (info.size() > MaxFileBytes)
        refused = tooLarge();
    if (!refused.isEmpty()) {
        fail(refused);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(tr("\"%1\" cannot be read (%2).").arg(path, file.errorString()));
        return false;
    }
    QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes) {
        fail(tooLarge());
        return false;
    }
    if (bytes.contains('\0')) {
        fail(tr("\"%1\" does not hold text.").arg(path));
        return false;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QString text = AnsiText::decode(bytes);
    // RTF keeps its formatting; any other text (Markdown too) is taken as it is.
    if (text.trimmed().startsWith(QStringLiteral("{\\rtf"))) {
        command = {Kind::NewRich, text.trimmed()};
        return true;
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    command = {Kind::New, text};
    return true;
}

QStringList CommandLine::encode(const QList<Command> &commands)
{
    QStringList message{MessageTag};
    for (const Command &command : commands)
        for (const auto &[kind, name] : KindNames)
            if (kind == command.kind)
                message << QString::fromLatin1(name) << command.text;
    return message;
}

QList<CommandLine::Command> CommandLine::decode(const QStringList &message)
{
    if (message.value(0) != MessageTag) {
        const CommandLine line(QStringList{QStringLiteral("pennyquill")} + message);
        return line.action() == Action::Run ? line.commands() : QList<Command>();
    }
    QList<Command> commands;
    for (qsizetype i = 1; i + 1 < message.size(); i += 2)
        // A command of a newer copy that this one does not know is passed over.
        for (const auto &[kind, name] : KindNames)
            if (message.at(i) == QLatin1String(name))
                commands.append({kind, message.at(i + 1)});
    return commands;
}
