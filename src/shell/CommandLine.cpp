#include "shell/CommandLine.h"

#include "shell/AppInfo.h"
#include "shell/Startup.h"

#include <QCommandLineParser>

#include <algorithm>

namespace {

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

} // namespace

CommandLine::CommandLine(const QStringList &arguments, const QDateTime &now)
{
    QCommandLineParser parser;
    // "-platform" is one option, as Qt reads it, not eight letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Sticky notes for the desktop. Given a skin file (.pqs), installs it "
                       "and shows it on a new note."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and ends."));
    parser.addOption(help);
    parser.addOption(version);
    const QCommandLineOption newText(QStringLiteral("new"),
                                     QStringLiteral("With --alarm: a new note with this text."),
                                     QStringLiteral("text"));
    const QCommandLineOption alarm(
        QStringLiteral("alarm"),
        QStringLiteral("An alarm on all of the new note's text at this time (09:30, 9:30 PM)."),
        QStringLiteral("time"));
    const QCommandLineOption date(
        QStringLiteral("date"),
        QStringLiteral("The alarm's day: today, tomorrow, a weekday or YYYY-MM-DD."),
        QStringLiteral("day"));
    const QCommandLineOption repeat(QStringLiteral("repeat"),
                                    QStringLiteral("Repeats the alarm: daily, weekdays or weekly."),
                                    QStringLiteral("repeat"));
    parser.addOptions({newText, alarm, date, repeat});
    parser.addPositionalArgument(QStringLiteral("skin"), QStringLiteral("A skin file to install."),
                                 QStringLiteral("[skin]"));
    const bool parsed = parser.parse(arguments);
    // Help and version win over anything else on the line, so they also work
    // when the window system's own options are still in it.
    if (parser.isSet(help)) {
        m_action = Action::Help;
        // The usage line names the program as typed, whatever its file is called.
        m_output = parser.helpText();
        const QString usage = QStringLiteral("Usage: ");
        const qsizetype end = m_output.indexOf(QStringLiteral(" [options]"));
        if (m_output.startsWith(usage) && end > usage.size())
            m_output.replace(usage.size(), end - usage.size(), QStringLiteral("pennyquill"));
    } else if (parser.isSet(version)) {
        m_action = Action::Version;
        m_output = QStringLiteral("pennyquill ") + AppInfo::Version + QLatin1Char('\n');
    } else if (!parsed && !std::all_of(parser.unknownOptionNames().cbegin(),
                                       parser.unknownOptionNames().cend(), isWindowSystemOption)) {
        m_action = Action::Fail;
        m_output = QStringLiteral("pennyquill: ") + parser.errorText() +
                   QStringLiteral(" Try 'pennyquill --help'.\n");
    } else {
        m_skinPath = Startup::CleanCommandLine(parser.positionalArguments());
        readReminder(parser, newText, {alarm, date, repeat}, now);
    }
}

void CommandLine::readReminder(const QCommandLineParser &parser, const QCommandLineOption &newText,
                               const QList<QCommandLineOption> &alarm, const QDateTime &now)
{
    const auto value = [&parser](const QCommandLineOption &option) {
        return parser.isSet(option) ? parser.value(option) : QString();
    };
    if (!parser.isSet(alarm.at(0))) {
        if (!parser.isSet(alarm.at(1)) && !parser.isSet(alarm.at(2)))
            return;
        m_action = Action::Fail;
        m_output = QStringLiteral("pennyquill: --date and --repeat need --alarm.\n");
        return;
    }
    if (!parser.isSet(newText)) {
        m_action = Action::Fail;
        m_output = QStringLiteral("pennyquill: --alarm needs --new TEXT.\n");
        return;
    }
    m_reminder = ReminderRequest::read(value(newText), value(alarm.at(0)), value(alarm.at(1)),
                                       value(alarm.at(2)), now);
    if (!m_reminder->isValid()) {
        m_action = Action::Fail;
        m_output = QStringLiteral("pennyquill: ") + m_reminder->Error + QStringLiteral(".\n");
    }
}
