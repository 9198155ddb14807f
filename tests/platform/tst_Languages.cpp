#include "alarms/AlarmEntry.h"
#include "alarms/AlarmWhen.h"
#include "find/NotesListDelegate.h"
#include "notes/NoteMenus.h"
#include "notes/PictureButton.h"
#include "platform/Languages.h"
#include "platform/PseudoTranslator.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <map>

namespace {

QString caption()
{
    return QCoreApplication::translate("NoteMenus", "&New Note");
}

// The mnemonic letters used twice among the visible items of one menu.
QStringList clashes(const QMenu *menu)
{
    std::map<QChar, int> seen;
    QStringList twice;
    static const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
    for (const QAction *action : menu->actions()) {
        const QRegularExpressionMatch m = mnemonic.match(action->text());
        if (action->isSeparator() || !action->isVisible() || !m.hasMatch())
            continue;
        if (++seen[m.captured(1).at(0).toLower()] == 2)
            twice << action->text();
    }
    return twice;
}

} // namespace

class tst_Languages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString shipped = Languages::shippedFolder() + QStringLiteral("/pennyquill_de.qm");
        QVERIFY2(QFile::exists(shipped), qPrintable(shipped));
        QVERIFY(QFile::copy(shipped, m_dir.filePath(QStringLiteral("pennyquill_de.qm"))));
        QFile source(shipped);
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray bytes = source.readAll();
        const std::pair<const char *, QByteArray> broken[] = {
            {"pennyquill_el.qm", QByteArray("not a catalog at all")},
            {"pennyquill_sv.qm", bytes.left(bytes.size() / 2)},
            {"pennyquill_ro.qm", QByteArray()}};
        for (const auto &[name, content] : broken) {
            QFile file(m_dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
    }

    void wanted_data()
    {
        QTest::addColumn<QStringList>("variables"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QStringList>("wanted");
        const QString none;
        QTest::newRow("LANGUAGE list first")
            << QStringList{"de:fr_CA", "it_IT", none, "es_ES"} << QStringList{"de", "fr_CA", "fr"};
        QTest::newRow("LC_ALL over LANG")
            << QStringList{none, "de_AT.UTF-8", none, "fr_FR"} << QStringList{"de_AT", "de"};
        QTest::newRow("LC_MESSAGES over LANG")
            << QStringList{none, none, "fr_FR.UTF-8@euro", "de_DE"} << QStringList{"fr_FR", "fr"};
        QTest::newRow("LANG alone")
            << QStringList{none, none, none, "pt_BR.UTF-8"} << QStringList{"pt_BR", "pt"};
        QTest::newRow("empty LANGUAGE entries")
            << QStringList{":de::", none, none, none} << QStringList{"de"};
        QTest::newRow("C locale") << QStringList{none, none, none, "C.UTF-8"} << QStringList{};
        QTest::newRow("POSIX locale") << QStringList{none, "POSIX", none, "de_DE"} << QStringList{};
        QTest::newRow("nothing set") << QStringList{none, none, none, none} << QStringList{};
    }

    void wanted()
    {
        QFETCH(QStringList, variables);
        QFETCH(QStringList, wanted);
        const char *names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
        const auto environment = [&](const char *name) {
            for (int i = 0; i < 4; ++i)
                if (qstrcmp(names[i], name) == 0)
                    return variables.at(i);
            return QString();
        };
        QCOMPARE(Languages::wanted(environment), wanted);
    }

    void install_data()
    {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("qtCaption"); // Qt's own file dialog
        const QString english = QStringLiteral("&New Note");
        const QString german = QStringLiteral("&Neue Notiz");
        const QString lookIn = QStringLiteral("Look in:");
        const QString suchenIn = QStringLiteral("Suchen in:");
        QTest::newRow("German") << QStringList{"de_DE", "de"} << "de_DE" << german << suchenIn;
        QTest::newRow("damaged catalog") << QStringList{"el"} << "" << english << lookIn;
        QTest::newRow("cut short") << QStringList{"sv"} << "" << english << lookIn;
        QTest::newRow("empty file") << QStringList{"ro"} << "" << english << lookIn;
        QTest::newRow("unknown locale") << QStringList{"xx_YY", "xx"} << "" << english << lookIn;
        QTest::newRow("next in the list") << QStringList{"el", "de"} << "de" << german << suchenIn;
        QTest::newRow("English first") << QStringList{"en_GB", "de"} << "" << english << lookIn;
        QTest::newRow("Qt's own only") << QStringList{"fr"} << "" << english << "Voir dans :";
    }

    void install()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QString, chosen);
        QFETCH(QString, caption);
        QFETCH(QString, qtCaption);
        if (qtCaption != QLatin1String("Look in:") &&
            !QFile::exists(Languages::qtFolder() + QStringLiteral("/qtbase_fr.qm")))
            QSKIP("Qt's own catalogs are not installed");
        {
            Languages languages({QStringLiteral("pennyquill")}, m_dir.path(),
                                Languages::qtFolder());
            QCOMPARE(languages.install(wanted), chosen);
            QCOMPARE(::caption(), caption);
            QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), qtCaption);
        }
        // Gone with their owner: the next program part starts in English again.
        QCOMPARE(::caption(), QStringLiteral("&New Note"));
    }

    void rightToLeft()
    {
        if (!QFile::exists(Languages::qtFolder() + QStringLiteral("/qtbase_he.qm")))
            QSKIP("Qt's own Hebrew catalog is not installed");
        {
            Languages languages({QStringLiteral("pennyquill")}, m_dir.path(),
                                Languages::qtFolder());
            QCOMPARE(languages.install({QStringLiteral("he_IL"), QStringLiteral("he")}), QString());
            QCoreApplication::processEvents();
            // Qt's layout turns; our captions stay English, having no Hebrew catalog.
            QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
            QCOMPARE(::caption(), QStringLiteral("&New Note"));
        }
        QCoreApplication::processEvents();
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    }

    void stretch_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("kept"); // pieces found unchanged in the result
        QTest::newRow("mnemonic") << "&Options..." << QStringList{"&"};
        QTest::newRow("place markers") << "%1 of %2 notes" << QStringList{"%1", "%2"};
        QTest::newRow("markup") << "<b>Bold</b> &amp; more" << QStringList{"<b>", "</b>", "&amp;"};
        QTest::newRow("check item") << "(#)|A|&Always On Top" << QStringList{"(#)|A|[", "&"};
        QTest::newRow("picture item") << "||&New Note" << QStringList{"||["};
        QTest::newRow("titled separator") << "(-)Saving" << QStringList{"(-)["};
    }

    void stretch()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, kept);
        const QString stretched = PseudoTranslator::stretch(source);
        // What shows grows by 40 %, markup aside.
        static const QRegularExpression markup(QStringLiteral("<[^>]*>|&[a-z]+;"));
        QVERIFY2(QString(stretched).remove(markup).size() >=
                     QString(source).remove(markup).size() * 1.4,
                 qPrintable(stretched));
        QVERIFY(stretched != source);
        for (const QString &piece : kept)
            QVERIFY2(stretched.contains(piece), qPrintable(stretched));
        QCOMPARE(stretched.count(QLatin1Char('&')), source.count(QLatin1Char('&')));
        // Nothing to lengthen: a separator stays a separator.
        QCOMPARE(PseudoTranslator::stretch(QStringLiteral("-")), QStringLiteral("-"));
    }

    // Every language keeps the menus' shape (check marks, pictures); a translation gives each
    // item of a menu its own mnemonic (the classic English menus share a few, which Qt
    // handles by moving between those items).
    void menus_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("pseudo") << QStringLiteral("en_XA");
    }

    void menus()
    {
        QFETCH(QString, language);
        Languages languages({QStringLiteral("pennyquill")}, m_dir.path(), Languages::qtFolder());
        QCOMPARE(languages.install({language}), language);
        QWidget owner;
        NoteMenus menus(&owner);
        for (QAction *check : {menus.mnuTop, menus.mnuFontBold, menus.mnuTrayTop})
            QVERIFY2(check->isCheckable(), qPrintable(check->text()));
        for (QAction *pictured : {menus.mnuNewNote, menus.mnuSave, menus.mnuOptions,
                                  menus.mnuFont->menuAction(), menus.mnuTrayNew})
            QVERIFY2(!pictured->icon().isNull(), qPrintable(pictured->text()));
        QVERIFY(menus.mnuDash2->isSeparator());
        if (language != QLatin1String("de"))
            return;
        for (const QMenu *menu : owner.findChildren<QMenu *>())
            QVERIFY2(clashes(menu).isEmpty(),
                     qPrintable(menu->objectName() + QLatin1Char(' ') + clashes(menu).join(' ')));
    }

    // Dates and day names shown in dialogs follow the locale; what is stored does not.
    void localeFormats_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("changed"); // the notes list's date of a change
        QTest::addColumn<QString>("weekly");  // a weekly repeat, as the alarm list shows it
        QTest::newRow("English") << "en_US"
                                 << "14 Oct"
                                 << "every Monday";
        QTest::newRow("German") << "de_DE"
                                << "14 Okt."
                                << "jeden Montag";
    }

    void localeFormats()
    {
        QFETCH(QString, locale);
        QFETCH(QString, changed);
        QFETCH(QString, weekly);
        Languages languages({QStringLiteral("pennyquill")}, m_dir.path(), Languages::qtFolder());
        languages.install({locale});
        QLocale::setDefault(QLocale(locale));
        const QDateTime now(QDate(2026, 12, 8), QTime(12, 0));
        const QString when =
            NotesListDelegate::WhenText(QDateTime(QDate(2026, 10, 14), QTime(9, 5)), now);
        AlarmWhen monday;
        monday.Date = QDate(2026, 12, 7);
        monday.Repeats = AlarmWhen::Repeat::Weekly;
        const QString repeat = monday.repeatText();
        const QString stored = AlarmEntry::formatTime(QTime(22, 30));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(when, changed);
        QCOMPARE(repeat, weekly);
        QCOMPARE(stored, QStringLiteral("10:30 PM"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_Languages)
#include "tst_Languages.moc"
