// The floor under the start-up bench: what Qt Widgets alone costs for N note-sized windows,
// each a frameless window with one rich-text box holding a few formatted lines, shown one per
// event-loop turn like the program's own restore. It has no buttons, menus, skin, session
// file or alarms, so the program cannot get below it while every note is a top-level widget
// window with a text box.
//
// Run by hand through the start-up bench, which measures it the same way as the program:
//   python3 bench/startup.py --program build/bench/bench_window_floor
// The number of windows is the "Total=" of $PENNYQUILL_HOME/session.ini, which the bench
// writes for each session size; without it, the first argument.
//
// PQ_FLOOR_OPTIONS (comma-separated) switches on the cheaper ways to the same windows, so
// each can be measured against the plain floor:
//   editblock    builds the text in one edit block: one layout pass instead of one per insert
//   noshaping    application font with QFont::PreferNoShaping: Latin text skips HarfBuzz
//                (no kerning or ligatures; scripts that need shaping are still shaped)
//   onepaint     delivers the UpdateLater events show() posts before the window is exposed,
//                so each window is painted and flushed once instead of up to twice
//   noxi2        sets QT_XCB_NO_XI2: one round trip less per window, but no XInput 2 (touch,
//                tablet, smooth scrolling)

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QTimer>
#include <QWidget>

namespace {

int windowCount(const QStringList &args)
{
    QFile session(qEnvironmentVariable("PENNYQUILL_HOME") + QStringLiteral("/session.ini"));
    if (session.open(QIODevice::ReadOnly)) {
        const QRegularExpressionMatch total =
            QRegularExpression(QStringLiteral("Total=(\\d+)")).match(session.readAll());
        if (total.hasMatch())
            return total.captured(1).toInt();
    }
    return args.size() > 1 ? args.at(1).toInt() : 1;
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList options = qEnvironmentVariable("PQ_FLOOR_OPTIONS").split(QLatin1Char(','));
    const bool editBlock = options.contains(QLatin1String("editblock"));
    const bool onePaint = options.contains(QLatin1String("onepaint"));
    if (options.contains(QLatin1String("noxi2")))
        qputenv("QT_XCB_NO_XI2", "1");
    QApplication app(argc, argv);
    if (options.contains(QLatin1String("noshaping"))) {
        QFont font = QApplication::font();
        font.setStyleStrategy(QFont::PreferNoShaping);
        QApplication::setFont(font);
    }
    const int count = windowCount(QApplication::arguments());
    int shown = 0;
    QTimer step;
    step.setInterval(0);
    QObject::connect(&step, &QTimer::timeout, [&] {
        if (shown == count) {
            step.stop();
            return;
        }
        ++shown;
        auto *window = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setGeometry(10 + (shown * 157) % (1920 - 290), 10 + (shown * 89) % (1080 - 190),
                            263, 165);
        auto *text = new QTextEdit(window);
        text->setFrameShape(QFrame::NoFrame);
        text->setGeometry(6, 36, 249, 89);
        // Built straight through a cursor, the cheapest way to a formatted text.
        QTextCursor cursor(text->document());
        if (editBlock)
            cursor.beginEditBlock();
        QTextCharFormat plain, bold, italic, orange, underline;
        bold.setFontWeight(QFont::Bold);
        italic.setFontItalic(true);
        orange.setForeground(QColor(255, 128, 0));
        underline.setFontUnderline(true);
        cursor.insertText(QStringLiteral("Note %1: buy ").arg(shown), plain);
        cursor.insertText(QStringLiteral("milk"), bold);
        cursor.insertText(QStringLiteral(", call "), plain);
        cursor.insertText(QStringLiteral("Bo"), italic);
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("water the plants"), orange);
        cursor.insertText(QStringLiteral(" before Friday"), plain);
        cursor.insertList(QTextListFormat::ListDisc);
        cursor.insertText(QStringLiteral("third line"), underline);
        if (editBlock)
            cursor.endEditBlock();
        window->show();
        if (onePaint)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    });
    step.start();
    return QApplication::exec();
}
