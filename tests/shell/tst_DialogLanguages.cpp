#include "TestApp.h"
#include "about/frmAbout.h"
#include "about/frmSupport.h"
#include "alarms/frmAlarmList.h"
#include "alarms/frmAlarmSet.h"
#include "alarms/frmAlert.h"
#include "alarms/frmAlertList.h"
#include "platform/Languages.h"
#include "shell/CaptionRoom.h"
#include "skins/frmSkins.h"
#include "skintool/frmSkinsmith.h"
#include "tips/frmEnterTip.h"
#include "tips/frmOptions.h"
#include "transfer/frmExport.h"
#include "transfer/frmImport.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <functional>
#include <map>
#include <memory>

using Factory = std::function<Form *(AppContext &)>;
Q_DECLARE_METATYPE(Factory)

// Every dialog in English, German and the pseudo-translation (captions 40 % longer): Alt and
// a letter reach one control, and every caption has room to show whole. With PQ_SHOTS set to
// a folder, each dialog is saved there as a picture too.
class tst_DialogLanguages : public QObject
{
    Q_OBJECT

    // The captions with a mnemonic that the user can reach now (other tab pages aside).
    static QStringList captions(const QWidget *form)
    {
        QStringList all;
        for (const QWidget *widget : form->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(form))
                continue;
            if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
                all << button->text();
            else if (const auto *group = qobject_cast<const QGroupBox *>(widget))
                all << group->title();
            else if (const auto *label = qobject_cast<const QLabel *>(widget);
                     label && label->buddy())
                all << label->text();
            else if (const auto *tabs = qobject_cast<const QTabBar *>(widget))
                for (int i = 0; i < tabs->count(); ++i)
                    all << tabs->tabText(i);
        }
        return all;
    }

    // The captions cut off by their control's edge, or running past the dialog's.
    static QStringList clipped(const QWidget *form)
    {
        QStringList cut;
        for (const QWidget *widget : form->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(form) || widget->width() <= 1)
                continue;
            QString text;
            QSize needed;
            if (const auto *label = qobject_cast<const QLabel *>(widget);
                label && !label->text().isEmpty() && label->pixmap().isNull()) {
                text = label->text();
                needed = label->wordWrap()
                             ? QSize(0, label->heightForWidth(label->contentsRect().width()))
                             : QSize(CaptionRoom::needed(label), 0);
            } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget);
                       button && !button->text().isEmpty()) {
                text = button->text();
                needed = QSize(CaptionRoom::needed(button), 0);
            } else if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
                text = group->title();
                needed = QSize(group->fontMetrics().horizontalAdvance(text) + 16, 0);
            }
            // "..." buttons are as narrow as the classic forms made them, in every language.
            if (text.isEmpty() || text == QLatin1String("..."))
                continue;
            const QRect inForm(widget->mapTo(form, QPoint(0, 0)), widget->size());
            if (needed.width() > widget->width() + 1 || needed.height() > widget->height() + 1 ||
                !form->rect().contains(inForm))
                cut << QStringLiteral("%1 (%2 in %3x%4)")
                           .arg(text)
                           .arg(needed.width() ? needed.width() : needed.height())
                           .arg(widget->width())
                           .arg(widget->height());
        }
        return cut;
    }

private slots:
    void dialogs_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Factory>("factory");
        const std::pair<const char *, Factory> forms[] = {
            {"options", [](AppContext &c) { return new frmOptions(c); }},
            {"alarm set", [](AppContext &c) { return new frmAlarmSet(c); }},
            {"alert", [](AppContext &c) { return new frmAlert(c); }},
            {"alert list", [](AppContext &c) { return new frmAlertList(c); }},
            {"alarm list", [](AppContext &c) { return new frmAlarmList(c); }},
            {"enter tip", [this](AppContext &c) { return new frmEnterTip(c, &m_tips); }},
            {"skins", [](AppContext &c) { return new frmSkins(c); }},
            {"skinsmith", [](AppContext &c) { return new frmSkinsmith(c); }},
            {"about", [](AppContext &c) { return new frmAbout(c); }},
            {"support", [](AppContext &c) { return new frmSupport(c); }},
            {"export", [](AppContext &c) { return new frmExport(c); }},
            {"import", [](AppContext &c) { return new frmImport(c); }},
        };
        for (const char *language : {"en", "de", "en_XA"})
            for (const auto &[name, factory] : forms)
                QTest::addRow("%s %s", name, language) << QString::fromLatin1(language) << factory;
    }

    void dialogs()
    {
        QFETCH(QString, language);
        QFETCH(Factory, factory);
        Languages languages({QStringLiteral("pennyquill"), QStringLiteral("skinsmith")},
                            Languages::shippedFolder(), Languages::qtFolder());
        languages.install({language});
        TestApp app;
        std::unique_ptr<Form> form(factory(app.ctx));
        form->Load();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        // Each page of a dialog with tabs in turn.
        QTabBar *tabs = form->findChild<QTabBar *>();
        for (int page = 0; page < (tabs ? tabs->count() : 1); ++page) {
            if (tabs) {
                tabs->setCurrentIndex(page);
                QCoreApplication::processEvents();
            }
            if (const QString shots = qEnvironmentVariable("PQ_SHOTS"); !shots.isEmpty())
                form->grab().save(QStringLiteral("%1/%2%3.png")
                                      .arg(shots, QString::fromLatin1(QTest::currentDataTag())
                                                      .replace(QLatin1Char(' '), QLatin1Char('_')))
                                      .arg(page ? QStringLiteral("_%1").arg(page) : QString()));
            // The pseudo-translation shares the English mnemonics, so English speaks for it.
            if (language != QLatin1String("en_XA")) {
                static const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
                std::map<QChar, QString> seen;
                for (const QString &caption : captions(form.get())) {
                    const QRegularExpressionMatch m = mnemonic.match(caption);
                    if (!m.hasMatch())
                        continue;
                    const QChar letter = m.captured(1).at(0).toLower();
                    QVERIFY2(seen.count(letter) == 0,
                             qPrintable(seen[letter] + QStringLiteral(" and ") + caption));
                    seen[letter] = caption;
                }
            }
            const QStringList cut = clipped(form.get());
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
        }
    }

private:
    QListWidget m_tips; // the options' list a new tip goes into
};

QTEST_MAIN(tst_DialogLanguages)
#include "tst_DialogLanguages.moc"
