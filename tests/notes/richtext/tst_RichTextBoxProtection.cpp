// Protected text against everything the user can do to it, driven by real key, paste, drop
// and input-method events.
#include "notes/richtext/RichTextBox.h"

#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTextBlock>
#include <QtTest>

#include <memory>

namespace {

enum class Action {
    Type,
    Tab,
    Enter,
    ShiftEnter,
    Delete,
    Backspace,
    CtrlBackspace,
    CtrlDelete,
    Cut,
    PasteText,
    PasteRtf,
    DropText,
    InputMethod,
};

const QString protectedRtf = QStringLiteral("{\\rtf1 \\protect Z}");

// "abPQcd\r\nef" with P and Q protected.
std::unique_ptr<RichTextBox> protectedBox()
{
    auto box = std::make_unique<RichTextBox>();
    box->resize(300, 200);
    box->setText(QStringLiteral("abPQcd\r\nef"));
    box->setSelStart(2);
    box->setSelLength(2);
    box->setSelProtected(true);
    box->setSelStart(0);
    box->show();
    if (!QTest::qWaitForWindowExposed(box.get()))
        qFatal("the box was not shown");
    return box;
}

QPoint pointOf(RichTextBox &box, int classicPosition)
{
    box.setSelStart(classicPosition);
    return box.cursorRect().center();
}

// Drops go to the widget that accepted the drag's entry.
void enterDrag(RichTextBox &box, const QPoint &point, const QMimeData *data)
{
    QDragEnterEvent enter(point, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(box.viewport(), &enter);
    if (!enter.isAccepted())
        qFatal("the box does not take drops");
}

void drop(RichTextBox &box, int classicPosition, QMimeData *data)
{
    const int start = box.SelStart();
    const int length = box.SelLength();
    const QPoint point = pointOf(box, classicPosition);
    box.setSelStart(start);
    box.setSelLength(length);
    enterDrag(box, point, data);
    QDropEvent event(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box.viewport(), &event);
    delete data;
}

// The box as a drag source: the data it gives out for its selection.
class DraggingBox : public RichTextBox
{
public:
    QMimeData *dragData() const { return createMimeDataFromSelection(); }
};

QMimeData *plainData(const QString &text)
{
    auto *data = new QMimeData;
    data->setText(text);
    return data;
}

QMimeData *rtfData(const QString &rtf)
{
    auto *data = new QMimeData;
    data->setData(QStringLiteral("text/rtf"), rtf.toLatin1());
    data->setText(QStringLiteral("plain"));
    return data;
}

void commit(RichTextBox &box, const QString &text, int replaceFrom = 0, int replaceLength = 0)
{
    QInputMethodEvent event;
    event.setCommitString(text, replaceFrom, replaceLength);
    QApplication::sendEvent(&box, &event);
}

void perform(RichTextBox &box, Action action)
{
    switch (action) {
    case Action::Type:
        QTest::keyClicks(&box, QStringLiteral("x"));
        break;
    case Action::Tab:
        QTest::keyClick(&box, Qt::Key_Tab);
        break;
    case Action::Enter:
        QTest::keyClick(&box, Qt::Key_Return);
        break;
    case Action::ShiftEnter:
        QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
        break;
    case Action::Delete:
        QTest::keyClick(&box, Qt::Key_Delete);
        break;
    case Action::Backspace:
        QTest::keyClick(&box, Qt::Key_Backspace);
        break;
    case Action::CtrlBackspace:
        QTest::keyClick(&box, Qt::Key_Backspace, Qt::ControlModifier);
        break;
    case Action::CtrlDelete:
        QTest::keyClick(&box, Qt::Key_Delete, Qt::ControlModifier);
        break;
    case Action::Cut:
        QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
        break;
    case Action::PasteText:
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Action::PasteRtf:
        QGuiApplication::clipboard()->setMimeData(rtfData(protectedRtf));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Action::DropText:
        drop(box, box.SelStart(), plainData(QStringLiteral("dropped")));
        break;
    case Action::InputMethod:
        commit(box, QStringLiteral("ime"));
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Action)

class tst_RichTextBoxProtection : public QObject
{
    Q_OBJECT

private slots:
    void refused_data();
    void refused();
    void allowed_data();
    void allowed();
    void typedTextIsNeverProtected();
    void pastedRtfIsNeverProtected();
    void dropBetweenProtectedRefused();
    void moveDropOfProtectedTextRefused();
    void moveDropOfPlainText();
    void dragOutOfProtectedTextOnlyCopies();
    void undoCannotReachAcrossProtection();
    void undoOfLaterEditsStillWorks();
    void deletingBetweenProtectedThenTypingThere();
    void programCallsStillChangeProtectedText();
    void protectedParagraphBreak();
    void inputMethodReplacementReachingProtectedText();
};

void tst_RichTextBoxProtection::refused_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<Action>("action");
    QTest::newRow("type between") << 3 << 0 << Action::Type;
    QTest::newRow("type over") << 1 << 2 << Action::Type;
    QTest::newRow("tab between") << 3 << 0 << Action::Tab;
    QTest::newRow("enter between") << 3 << 0 << Action::Enter;
    QTest::newRow("enter over") << 3 << 2 << Action::Enter;
    QTest::newRow("line break between") << 3 << 0 << Action::ShiftEnter;
    QTest::newRow("delete before") << 2 << 0 << Action::Delete;
    QTest::newRow("delete between") << 3 << 0 << Action::Delete;
    QTest::newRow("delete selection") << 3 << 2 << Action::Delete;
    QTest::newRow("backspace after") << 4 << 0 << Action::Backspace;
    QTest::newRow("backspace selection") << 1 << 2 << Action::Backspace;
    QTest::newRow("word back") << 6 << 0 << Action::CtrlBackspace;
    QTest::newRow("word forward") << 1 << 0 << Action::CtrlDelete;
    QTest::newRow("cut") << 2 << 3 << Action::Cut;
    QTest::newRow("paste between") << 3 << 0 << Action::PasteText;
    QTest::newRow("paste over") << 3 << 2 << Action::PasteRtf;
    QTest::newRow("drop between") << 3 << 0 << Action::DropText;
    QTest::newRow("input method between") << 3 << 0 << Action::InputMethod;
    QTest::newRow("input method over") << 1 << 2 << Action::InputMethod;
    QTest::newRow("select all and type") << 0 << 99 << Action::Type;
}

void tst_RichTextBoxProtection::refused()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(Action, action);
    const auto box = protectedBox();
    box->setSelStart(start);
    box->setSelLength(length);
    const QString text = box->Text();
    const QString rtf = box->TextRTF();
    QGuiApplication::clipboard()->setText(QStringLiteral("clipboard before"));
    QSignalSpy change(box.get(), &RichTextBox::Change);
    perform(*box, action);
    QCOMPARE(box->Text(), text);
    QCOMPARE(box->TextRTF(), rtf);
    QCOMPARE(change.count(), 0);
    if (action == Action::Cut)
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("clipboard before"));
}

void tst_RichTextBoxProtection::allowed_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("text");
    QTest::newRow("type before") << 2 << 0 << Action::Type << QStringLiteral("abxPQcd\r\nef");
    QTest::newRow("type after") << 4 << 0 << Action::Type << QStringLiteral("abPQxcd\r\nef");
    QTest::newRow("type at the start") << 0 << 0 << Action::Type << QStringLiteral("xabPQcd\r\nef");
    QTest::newRow("type over plain") << 4 << 2 << Action::Type << QStringLiteral("abPQx\r\nef");
    QTest::newRow("enter after") << 4 << 0 << Action::Enter << QStringLiteral("abPQ\r\ncd\r\nef");
    QTest::newRow("backspace before")
        << 2 << 0 << Action::Backspace << QStringLiteral("aPQcd\r\nef");
    QTest::newRow("delete after") << 4 << 0 << Action::Delete << QStringLiteral("abPQd\r\nef");
    QTest::newRow("delete line break") << 6 << 0 << Action::Delete << QStringLiteral("abPQcdef");
    QTest::newRow("cut plain") << 4 << 2 << Action::Cut << QStringLiteral("abPQ\r\nef");
    QTest::newRow("paste before") << 2 << 0 << Action::PasteText
                                  << QStringLiteral("abpastedPQcd\r\nef");
    QTest::newRow("drop at the end")
        << 10 << 0 << Action::DropText << QStringLiteral("abPQcd\r\nefdropped");
    QTest::newRow("input method after")
        << 4 << 0 << Action::InputMethod << QStringLiteral("abPQimecd\r\nef");
}

void tst_RichTextBoxProtection::allowed()
{
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(Action, action);
    QFETCH(QString, text);
    const auto box = protectedBox();
    box->setSelStart(start);
    box->setSelLength(length);
    QSignalSpy change(box.get(), &RichTextBox::Change);
    perform(*box, action);
    QCOMPARE(box->Text(), text);
    QCOMPARE(change.count(), 1);
    // The protected characters are still there and still protected.
    const int p = static_cast<int>(box->Text().indexOf(QStringLiteral("PQ")));
    box->setSelStart(p);
    box->setSelLength(2);
    QCOMPARE(box->SelProtected(), std::optional<bool>(true));
}

void tst_RichTextBoxProtection::typedTextIsNeverProtected()
{
    const auto box = protectedBox();
    box->setSelStart(4); // the character before the caret is protected
    QCOMPARE(box->SelProtected(), std::optional<bool>(true));
    QTest::keyClicks(box.get(), QStringLiteral("xy"));
    QTest::keyClick(box.get(), Qt::Key_Return);
    box->setSelStart(4);
    box->setSelLength(4); // "xy" and the new paragraph break
    QCOMPARE(box->SelText(), QStringLiteral("xy\r\n"));
    QCOMPARE(box->SelProtected(), std::optional<bool>(false));
    // Now the user may take them out again.
    box->setSelStart(7);
    QTest::keyClick(box.get(), Qt::Key_Backspace);
    QTest::keyClick(box.get(), Qt::Key_Backspace);
    QTest::keyClick(box.get(), Qt::Key_Backspace);
    QCOMPARE(box->Text(), QStringLiteral("abPQcd\r\nef"));
}

void tst_RichTextBoxProtection::pastedRtfIsNeverProtected()
{
    const auto box = protectedBox();
    box->setSelStart(1);
    QGuiApplication::clipboard()->setMimeData(rtfData(protectedRtf));
    QTest::keyClick(box.get(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->Text(), QStringLiteral("aZbPQcd\r\nef"));
    box->setSelStart(1);
    box->setSelLength(1);
    QCOMPARE(box->SelProtected(), std::optional<bool>(false));
    box->setSelStart(2);
    QTest::keyClick(box.get(), Qt::Key_Backspace);
    QCOMPARE(box->Text(), QStringLiteral("abPQcd\r\nef"));
}

void tst_RichTextBoxProtection::dropBetweenProtectedRefused()
{
    const auto box = protectedBox();
    const QString rtf = box->TextRTF();
    const QPoint between = pointOf(*box, 3);
    box->setSelStart(0);
    QMimeData data;
    data.setText(QStringLiteral("dropped"));
    enterDrag(*box, between, &data);
    QDragMoveEvent move(between, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box->viewport(), &move);
    QVERIFY(!move.isAccepted()); // the pointer shows that it cannot drop here
    QDropEvent dropped(between, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box->viewport(), &dropped);
    QVERIFY(!dropped.isAccepted());
    QCOMPARE(box->TextRTF(), rtf);
}

void tst_RichTextBoxProtection::moveDropOfProtectedTextRefused()
{
    // A move within the box removes the dragged text itself; with protected text in it the
    // drop is refused and both places stay as they were.
    DraggingBox box;
    box.resize(300, 200);
    box.setText(QStringLiteral("abPQcd\r\nef"));
    box.setSelStart(2);
    box.setSelLength(2);
    box.setSelProtected(true);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QString rtf = box.TextRTF();
    const QPoint end = pointOf(box, 10);
    box.setSelStart(1);
    box.setSelLength(3);
    const std::unique_ptr<QMimeData> data(box.dragData());
    enterDrag(box, end, data.get());
    QDropEvent dropped(end, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                       Qt::NoModifier);
    dropped.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(box.viewport(), &dropped);
    QVERIFY(!dropped.isAccepted());
    QCOMPARE(box.TextRTF(), rtf);
}

void tst_RichTextBoxProtection::moveDropOfPlainText()
{
    DraggingBox box;
    box.resize(300, 200);
    box.setText(QStringLiteral("abPQcd\r\nef"));
    box.setSelStart(2);
    box.setSelLength(2);
    box.setSelProtected(true);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint start = pointOf(box, 0);
    box.setSelStart(4);
    box.setSelLength(2);
    const std::unique_ptr<QMimeData> data(box.dragData());
    enterDrag(box, start, data.get());
    QDropEvent dropped(start, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton,
                       Qt::NoModifier);
    dropped.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(box.viewport(), &dropped);
    QVERIFY(dropped.isAccepted());
    QCOMPARE(dropped.dropAction(), Qt::MoveAction);
    QCOMPARE(box.Text(), QStringLiteral("cdabPQ\r\nef"));
    box.setSelStart(2);
    box.setSelLength(2);
    QCOMPARE(box.SelText(), QStringLiteral("ab"));
    QCOMPARE(box.SelProtected(), std::optional<bool>(false));
}

void tst_RichTextBoxProtection::dragOutOfProtectedTextOnlyCopies()
{
    // QTextEdit removes text dragged out with a move; while the button is down over a
    // selection with protected text, the box offers only a copy.
    const auto box = protectedBox();
    const QPoint inside = pointOf(*box, 3);
    box->setSelStart(1);
    box->setSelLength(3);
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, inside);
    QVERIFY(!(box->textInteractionFlags() & Qt::TextEditable));
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, inside);
    QVERIFY(box->textInteractionFlags() & Qt::TextEditable);

    box->setSelStart(4);
    box->setSelLength(2); // no protected text: moving it is fine
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, pointOf(*box, 5));
    QVERIFY(box->textInteractionFlags() & Qt::TextEditable);
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, pointOf(*box, 5));
}

void tst_RichTextBoxProtection::undoCannotReachAcrossProtection()
{
    RichTextBox box;
    box.setText(QStringLiteral("abcd"));
    box.setSelStart(4);
    QTest::keyClicks(&box, QStringLiteral("xy"));
    QCOMPARE(box.Text(), QStringLiteral("abcdxy"));
    // The program marks text the user typed; undo must not take it out again.
    box.setSelStart(3);
    box.setSelLength(3);
    box.setSelProtected(true);
    const QString rtf = box.TextRTF();
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box.TextRTF(), rtf);
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&box, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(box.TextRTF(), rtf);
}

void tst_RichTextBoxProtection::undoOfLaterEditsStillWorks()
{
    const auto box = protectedBox();
    box->setSelStart(10);
    QTest::keyClicks(box.get(), QStringLiteral("gh"));
    QCOMPARE(box->Text(), QStringLiteral("abPQcd\r\nefgh"));
    QTest::keyClick(box.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box->Text(), QStringLiteral("abPQcd\r\nef"));
    QTest::keyClick(box.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(box->Text(), QStringLiteral("abPQcd\r\nefgh"));
    box->setSelStart(2);
    box->setSelLength(2);
    QCOMPARE(box->SelProtected(), std::optional<bool>(true));
}

void tst_RichTextBoxProtection::deletingBetweenProtectedThenTypingThere()
{
    RichTextBox box;
    box.setText(QStringLiteral("P-Q"));
    box.setSelStart(0);
    box.setSelLength(1);
    box.setSelProtected(true);
    box.setSelStart(2);
    box.setSelLength(1);
    box.setSelProtected(true);
    box.setSelStart(2);
    QTest::keyClick(&box, Qt::Key_Backspace); // the "-" is not protected
    QCOMPARE(box.Text(), QStringLiteral("PQ"));
    QTest::keyClicks(&box, QStringLiteral("x")); // but now the caret is between P and Q
    QCOMPARE(box.Text(), QStringLiteral("PQ"));
}

void tst_RichTextBoxProtection::programCallsStillChangeProtectedText()
{
    const auto box = protectedBox();
    box->setSelStart(2);
    box->setSelLength(2);
    box->setSelColor(0x0080FF);
    QCOMPARE(box->SelColor(), std::optional<int>(0x0080FF));
    box->setSelText(QStringLiteral("XY"));
    QCOMPARE(box->Text(), QStringLiteral("abXYcd\r\nef"));
    box->setSelStart(2);
    box->setSelLength(2);
    QCOMPARE(box->SelProtected(), std::optional<bool>(true)); // the look of what it replaced
    box->setSelRTF(QStringLiteral("{\\rtf1 new}"));
    QCOMPARE(box->Text(), QStringLiteral("abnewcd\r\nef"));
    box->setSelStart(0);
    box->setSelLength(99);
    QCOMPARE(box->SelProtected(), std::optional<bool>(false));
}

void tst_RichTextBoxProtection::protectedParagraphBreak()
{
    // A mark at the end of a line protects the line break after "]".
    RichTextBox box;
    box.setText(QStringLiteral("x]\r\nnext"));
    box.setSelStart(1);
    box.setSelLength(2); // "]" and the "\r": the whole break takes the format
    box.setSelProtected(true);
    QCOMPARE(box.SelText(), QStringLiteral("]\r"));
    box.setSelStart(4);
    QTest::keyClick(&box, Qt::Key_Backspace);
    box.setSelStart(2);
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClicks(&box, QStringLiteral("z"));
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.Text(), QStringLiteral("x]\r\nnext"));
    box.setSelStart(4);
    QTest::keyClicks(&box, QStringLiteral("z"));
    QCOMPARE(box.Text(), QStringLiteral("x]\r\nznext"));
}

void tst_RichTextBoxProtection::inputMethodReplacementReachingProtectedText()
{
    const auto box = protectedBox();
    box->setSelStart(6);
    const QString rtf = box->TextRTF();
    commit(*box, QStringLiteral("k"), -3, 3); // would replace "Qcd"
    QCOMPARE(box->TextRTF(), rtf);
    commit(*box, QStringLiteral("k"), -2, 2); // replaces "cd"
    QCOMPARE(box->Text(), QStringLiteral("abPQk\r\nef"));
}

QTEST_MAIN(tst_RichTextBoxProtection)
#include "tst_RichTextBoxProtection.moc"
