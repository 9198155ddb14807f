#include "skintool/SkinsmithCommandLine.h"

#include "skins/SkinFile.h"
#include "skins/SkinFileName.h"
#include "skins/SkinReader.h"
#include "skintool/SkinBuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const QStringList kCommands = {QStringLiteral("build"), QStringLiteral("info"),
                               QStringLiteral("check"), QStringLiteral("extract")};
// What Qt's windows take from the command line: options followed by a value, then flags.
const QStringList kWindowOptions = {QStringLiteral("-platform"),
                                    QStringLiteral("-platformpluginpath"),
                                    QStringLiteral("-platformtheme"),
                                    QStringLiteral("-plugin"),
                                    QStringLiteral("-qwindowgeometry"),
                                    QStringLiteral("-qwindowicon"),
                                    QStringLiteral("-qwindowtitle"),
                                    QStringLiteral("-display"),
                                    QStringLiteral("-geometry"),
                                    QStringLiteral("-style"),
                                    QStringLiteral("-stylesheet"),
                                    QStringLiteral("-session"),
                                    QStringLiteral("-name"),
                                    QStringLiteral("-title"),
                                    QStringLiteral("-visual")};
const QStringList kWindowFlags = {QStringLiteral("-reverse"), QStringLiteral("-widgetcount"),
                                  QStringLiteral("-nograb"), QStringLiteral("-dograb"),
                                  QStringLiteral("-sync")};

QString fromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// What the notes program says about a refused skin, as one line.
QString refusal(SkinStatus status, const SkinInfo &info)
{
    switch (status) {
    case SkinStatus::Ok:
        break;
    case SkinStatus::Missing:
        return SkinsmithCommandLine::tr("no such file, or not a plain file");
    case SkinStatus::NotASkin:
        return SkinsmithCommandLine::tr("not a skin file (its version is empty)");
    case SkinStatus::OtherVersion:
        return SkinsmithCommandLine::tr("a skin of version \"%1\"; only %2 is read")
            .arg(fromUtf8(info.version), QString::fromLatin1(SkinFile::Version));
    case SkinStatus::Damaged:
        return SkinsmithCommandLine::tr("damaged: a text length is negative or runs past the end");
    case SkinStatus::NotAPicture:
        return SkinsmithCommandLine::tr("its picture is missing or cannot be read");
    case SkinStatus::FieldTooLong:
    case SkinStatus::WriteFailed:
        return SkinsmithCommandLine::tr("the picture cannot be written to the temporary folder");
    }
    return QString();
}

class Run
{
    Q_DECLARE_TR_FUNCTIONS(SkinsmithCommandLine)

public:
    Run(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    int fail(int status, const QString &reason)
    {
        m_err << "skinsmith: " << reason << Qt::endl;
        return status;
    }

    // The skin's picture, in a private temporary folder that lives as long as work.
    SkinFile::ImageResult extract(const QString &skinPath, QTemporaryDir &work)
    {
        if (!work.isValid())
            return {SkinStatus::WriteFailed, {}, {}};
        return SkinFile::ExtractSkinImage(SkinReader::toPath(skinPath),
                                          SkinReader::toPath(work.path()), SkinReader::isPicture);
    }

    int build(const QCommandLineParser &parser, const QStringList &args)
    {
        if (args.size() != 1)
            return fail(SkinsmithCommandLine::ExitUsage,
                        tr("build takes one picture (see --help)"));
        for (const char *required : {"output", "name", "author", "email"})
            if (!parser.isSet(QString::fromLatin1(required)))
                return fail(SkinsmithCommandLine::ExitUsage,
                            tr("build needs --%1").arg(QString::fromLatin1(required)));
        int quality = 100;
        if (parser.isSet(QStringLiteral("quality"))) {
            bool number = false;
            quality = parser.value(QStringLiteral("quality")).toInt(&number);
            if (!number || quality < 0 || quality > 100)
                return fail(SkinsmithCommandLine::ExitUsage,
                            tr("--quality takes a whole number from 0 to 100"));
        }
        const SkinBuilder::Texts texts{
            parser.value(QStringLiteral("name")), parser.value(QStringLiteral("author")),
            parser.value(QStringLiteral("email")), parser.value(QStringLiteral("website"))};
        for (const QString &field : {texts.skinName, texts.author, texts.email})
            if (field.isEmpty())
                return fail(SkinsmithCommandLine::ExitUsage,
                            tr("--name, --author and --email may not be empty"));
        QString error;
        const QImage picture = SkinBuilder::loadPicture(args.first(), &error);
        if (picture.isNull())
            return fail(SkinsmithCommandLine::ExitRefused,
                        QStringLiteral("%1: %2").arg(native(args.first()), error));
        const QString output = parser.value(QStringLiteral("output"));
        if (!SkinBuilder::build(picture, texts, quality, output, &error))
            return fail(SkinsmithCommandLine::ExitRefused, error);
        return SkinsmithCommandLine::ExitOk;
    }

    int info(const QString &skinPath)
    {
        const SkinFile::InfoResult header = SkinFile::ReadSkinInfo(SkinReader::toPath(skinPath));
        if (header.status != SkinStatus::Ok)
            return fail(SkinsmithCommandLine::ExitRefused,
                        native(skinPath) + QStringLiteral(": ") + refusal(header.status, {}));
        const SkinInfo &info = header.info;
        m_out << "Version: " << fromUtf8(info.version) << '\n'
              << "Skin name: " << fromUtf8(info.skinName) << '\n'
              << "Author: " << fromUtf8(info.author) << '\n'
              << "Email: " << fromUtf8(info.email) << '\n'
              << "Website: " << fromUtf8(info.website) << '\n';
        QTemporaryDir work;
        const SkinFile::ImageResult image = extract(skinPath, work);
        if (image.status != SkinStatus::Ok) {
            m_out.flush();
            return fail(SkinsmithCommandLine::ExitRefused,
                        native(skinPath) + QStringLiteral(": ") + refusal(image.status, info));
        }
        const QSize size =
            QImageReader(QString::fromStdU16String(image.imagePath.u16string())).size();
        m_out << "Picture: " << size.width() << " x " << size.height() << Qt::endl;
        return SkinsmithCommandLine::ExitOk;
    }

    int check(const QString &skinPath)
    {
        QTemporaryDir work;
        const SkinFile::ImageResult image = extract(skinPath, work);
        if (image.status != SkinStatus::Ok)
            return fail(SkinsmithCommandLine::ExitRefused, native(skinPath) + QStringLiteral(": ") +
                                                               refusal(image.status, image.info));
        // The notes program installs a skin under the name stored in it.
        if (!SkinFileName::fromSkinName(image.info.skinName))
            return fail(SkinsmithCommandLine::ExitRefused,
                        tr("%1: the skin name \"%2\" cannot name a skin file, so the skin "
                           "cannot be installed")
                            .arg(native(skinPath), fromUtf8(image.info.skinName)));
        const QSize size =
            QImageReader(QString::fromStdU16String(image.imagePath.u16string())).size();
        m_out << tr("%1: a skin the notes program accepts (\"%2\", %3 x %4)")
                     .arg(native(skinPath), fromUtf8(image.info.skinName))
                     .arg(size.width())
                     .arg(size.height());
        if (size != QSize(SkinBuilder::Width, SkinBuilder::Height))
            m_out << tr("; notes are %1 x %2, so the picture will not fit them exactly")
                         .arg(SkinBuilder::Width)
                         .arg(SkinBuilder::Height);
        m_out << Qt::endl;
        return SkinsmithCommandLine::ExitOk;
    }

    int extractTo(const QString &skinPath, const QString &picturePath)
    {
        QTemporaryDir work;
        const SkinFile::ImageResult image = extract(skinPath, work);
        if (image.status != SkinStatus::Ok)
            return fail(SkinsmithCommandLine::ExitRefused, native(skinPath) + QStringLiteral(": ") +
                                                               refusal(image.status, image.info));
        QFile source(QString::fromStdU16String(image.imagePath.u16string()));
        QSaveFile target(picturePath);
        if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly) ||
            target.write(source.readAll()) != source.size() || !target.commit())
            return fail(
                SkinsmithCommandLine::ExitRefused,
                tr("%1 cannot be written: %2").arg(native(picturePath), target.errorString()));
        return SkinsmithCommandLine::ExitOk;
    }

private:
    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace

bool SkinsmithCommandLine::wanted(const QStringList &arguments)
{
    // Anything but Qt's own window options is for run(), which refuses what it does not
    // know: a mistyped command must not open a window that a script then waits on.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString option = arguments.at(i);
        if (option.startsWith(QLatin1String("--")))
            option.remove(0, 1);
        const QString name = option.section(QLatin1Char('='), 0, 0);
        if (kWindowOptions.contains(name) && name == option)
            ++i;
        else if (!kWindowOptions.contains(name) && !kWindowFlags.contains(option))
            return true;
    }
    return false;
}

int SkinsmithCommandLine::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Makes skin files (.pqs) for Pennyquill notes. Without a command it opens its window.\n"
           "\n"
           "Commands:\n"
           "  build PICTURE -o FILE.pqs --name N --author A --email E [--website W] [--quality Q]\n"
           "                 stretches PICTURE to the note's size and packs it as a skin\n"
           "  info FILE.pqs  prints the skin's header, one field a line, and its picture's size\n"
           "  check FILE.pqs says whether the notes program accepts the skin, and why not\n"
           "  extract FILE.pqs -o PICTURE.jpg\n"
           "                 writes the skin's picture to a file\n"
           "\n"
           "Exit status: 0 done, 1 a file was refused or could not be written, 2 wrong usage."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), tr("build, info, check or extract"));
    parser.addOptions({
        {{QStringLiteral("o"), QStringLiteral("output")},
         tr("The file to write."),
         QStringLiteral("file")},
        {QStringLiteral("name"), tr("The skin's name."), QStringLiteral("name")},
        {QStringLiteral("author"), tr("The author's name."), QStringLiteral("author")},
        {QStringLiteral("email"), tr("The author's e-mail address."), QStringLiteral("address")},
        {QStringLiteral("website"), tr("The author's website (may be left out)."),
         QStringLiteral("address")},
        {QStringLiteral("quality"),
         tr("JPEG quality from 0 (smallest file) to 100 (best picture); 100 when left out."),
         QStringLiteral("Q")},
    });

    Run run(out, err);
    if (!parser.parse(arguments))
        return run.fail(ExitUsage, parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        QString text = parser.helpText();
        // The usage line names the program as a shell user types it, not by its path.
        const QString started = QCoreApplication::arguments().value(0);
        if (const qsizetype at = started.isEmpty() ? -1 : text.indexOf(started); at >= 0)
            text.replace(at, started.size(), QStringLiteral("skinsmith"));
        out << text;
        out.flush();
        return ExitOk;
    }
    if (parser.isSet(version)) {
        out << "skinsmith " << SkinFile::Version << Qt::endl;
        return ExitOk;
    }
    QStringList args = parser.positionalArguments();
    if (args.isEmpty() || !kCommands.contains(args.first()))
        return run.fail(ExitUsage,
                        args.isEmpty()
                            ? tr("no command (see --help)")
                            : tr("unknown command \"%1\" (see --help)").arg(args.first()));
    const QString command = args.takeFirst();
    if (command == QLatin1String("build"))
        return run.build(parser, args);

    // The other commands read one skin file and take no header texts.
    for (const char *option : {"name", "author", "email", "website", "quality"})
        if (parser.isSet(QString::fromLatin1(option)))
            return run.fail(ExitUsage,
                            tr("%1 takes no --%2").arg(command, QString::fromLatin1(option)));
    if (args.size() != 1)
        return run.fail(ExitUsage, tr("%1 takes one skin file").arg(command));
    const bool extract = command == QLatin1String("extract");
    if (parser.isSet(QStringLiteral("output")) != extract)
        return run.fail(ExitUsage, extract ? tr("extract needs -o PICTURE.jpg")
                                           : tr("%1 takes no -o").arg(command));
    if (command == QLatin1String("info"))
        return run.info(args.first());
    if (command == QLatin1String("check"))
        return run.check(args.first());
    return run.extractTo(args.first(), parser.value(QStringLiteral("output")));
}
