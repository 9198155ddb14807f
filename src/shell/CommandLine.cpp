#include "shell/CommandLine.h"

#include "shell/AppInfo.h"
#include "shell/Startup.h"

#include <QCommandLineParser>
#include <QFileInfo>

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

CommandLine::CommandLine(const QStringList &arguments)
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
    const QCommandLineOption importOption(
        QStringLiteral("import"),
        QStringLiteral("Imports notes: \"xpad\" (xpad's notes), \"sticky\" (Sticky Notes' "
                       "file), or files (text, Markdown, RTF, HTML; a .json file is read as "
                       "Sticky Notes', a folder as xpad's), one note each."));
    const QCommandLineOption list(ListOption.mid(2),
                                  QStringLiteral("Opens the list of notes, to find one."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(importOption);
    parser.addOption(list);
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
    } else if (parser.isSet(importOption)) {
        for (const QString &source : parser.positionalArguments())
            m_importSources.append(source == QLatin1String("xpad") ||
                                           source == QLatin1String("sticky")
                                       ? source
                                       : QFileInfo(source).absoluteFilePath());
        if (m_importSources.isEmpty()) {
            m_action = Action::Fail;
            m_output = QStringLiteral("pennyquill: --import needs xpad, sticky or files. Try "
                                      "'pennyquill --help'.\n");
        }
    } else {
        m_skinPath = Startup::CleanCommandLine(parser.positionalArguments());
        m_showList = parser.isSet(list);
    }
}
