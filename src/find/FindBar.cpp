#include "find/FindBar.h"

#include "notes/richtext/RichTextBox.h"
#include "shell/AppContext.h"
#include "shell/Form.h"
#include "shell/FormRegistry.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTextCursor>
#include <QToolButton>

namespace {

constexpr int KeyF = 'F';
constexpr int KeyH = 'H';
constexpr int KeyF3 = 114;
constexpr int Margin = 4;
// Room under the bar: the message line ends there, the menu button starts below it.
constexpr int BottomGap = 20;

QToolButton *smallButton(QWidget *parent, const QString &text, const QString &tip)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

FindBar::FindBar(QWidget *note, RichTextBox &text, AppContext &ctx)
    : QWidget(note), m_text(text), m_ctx(ctx)
{
    setObjectName(QStringLiteral("FindBar"));
    txtFind = new QLineEdit(this);
    txtFind->setPlaceholderText(tr("Find"));
    txtFind->setClearButtonEnabled(true);
    txtReplace = new QLineEdit(this);
    txtReplace->setPlaceholderText(tr("Replace with"));
    butPrevious = smallButton(this, QStringLiteral("▲"), tr("Previous (Shift+F3)"));
    butNext = smallButton(this, QStringLiteral("▼"), tr("Next (F3)"));
    butClose = smallButton(this, QStringLiteral("✕"), tr("Close (Esc)"));
    butReplace = smallButton(this, tr("&Replace"), tr("Replace this match"));
    butReplaceAll = smallButton(this, tr("&All"), tr("Replace all matches"));
    lblStatus = new QLabel(this);
    QFont small = lblStatus->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    lblStatus->setFont(small);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(Margin, 2, Margin, 1);
    grid->setSpacing(1);
    grid->addWidget(txtFind, 0, 0);
    grid->addWidget(butPrevious, 0, 1);
    grid->addWidget(butNext, 0, 2);
    grid->addWidget(butClose, 0, 3);
    grid->addWidget(txtReplace, 1, 0);
    grid->addWidget(butReplace, 1, 1, 1, 2);
    grid->addWidget(butReplaceAll, 1, 3);
    grid->addWidget(lblStatus, 2, 0, 1, 4);

    connect(txtFind, &QLineEdit::textEdited, this, [this] {
        // As the user types, the match grows from where the last one began.
        QTextCursor cursor = m_text.textCursor();
        cursor.setPosition(cursor.selectionStart());
        m_text.setTextCursor(cursor);
        FindNext();
    });
    connect(txtFind, &QLineEdit::returnPressed, this, [this] { FindNext(); });
    connect(txtReplace, &QLineEdit::returnPressed, this, &FindBar::ReplaceOne);
    connect(butNext, &QToolButton::clicked, this, [this] { FindNext(); });
    connect(butPrevious, &QToolButton::clicked, this, [this] { FindNext(true); });
    connect(butClose, &QToolButton::clicked, this, &FindBar::Close);
    connect(butReplace, &QToolButton::clicked, this, &FindBar::ReplaceOne);
    connect(butReplaceAll, &QToolButton::clicked, this, &FindBar::ReplaceAll);
    txtFind->installEventFilter(this);
    txtReplace->installEventFilter(this);
    hide();
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    // The bar's own keys work from both fields.
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Escape && modifiers == Qt::NoModifier)
        Close();
    else if (key->key() == Qt::Key_F3 && (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier)
        FindNext(modifiers == Qt::ShiftModifier);
    else if (key->key() == Qt::Key_H && modifiers == Qt::ControlModifier)
        Open(true);
    else if (key->key() == Qt::Key_F && modifiers == Qt::ControlModifier)
        Open(m_withReplace);
    else
        return QWidget::eventFilter(watched, event);
    return true;
}

bool FindBar::Handles(int keyCode, int shift)
{
    return (keyCode == KeyF && (shift == 2 || shift == 3)) || (keyCode == KeyH && shift == 2) ||
           (keyCode == KeyF3 && (shift == 0 || shift == 1));
}

void FindBar::KeyDown(int keyCode, int shift)
{
    if (keyCode == KeyF && shift == 3) {
        if (Form *list = m_ctx.forms->defaultInstance(QStringLiteral("frmNotesList"))) {
            list->show();
            list->raise();
            list->activateWindow();
        }
    } else if (keyCode == KeyF3 && !txtFind->text().isEmpty()) {
        FindNext(shift == 1);
    } else {
        Open(keyCode == KeyH);
    }
}

void FindBar::Open(bool withReplace)
{
    m_withReplace = withReplace;
    // A short selection on one line is what the user wants to find.
    const QString selected = m_text.textCursor().selectedText();
    if (!selected.isEmpty() && selected.size() <= 100 &&
        !selected.contains(QChar::ParagraphSeparator))
        txtFind->setText(selected);
    txtReplace->setVisible(withReplace);
    butReplace->setVisible(withReplace);
    butReplaceAll->setVisible(withReplace);
    if (isHidden())
        m_textPlace = m_text.geometry();
    place();
    show();
    raise();
    txtFind->setFocus();
    txtFind->selectAll();
    showCount();
}

void FindBar::Close()
{
    if (isHidden())
        return;
    hide();
    m_text.setGeometry(m_textPlace);
    m_text.setFocus();
}

void FindBar::place()
{
    QWidget *note = parentWidget();
    const int height = sizeHint().height();
    const int bottom = note->height() - BottomGap;
    setGeometry(1, bottom - height, note->width() - 2, height);
    // The text gives up the room the bar covers, so the match stays in view.
    QRect text = m_textPlace;
    text.setBottom(std::min(text.bottom(), y() - 1));
    m_text.setGeometry(text);
}

void FindBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 240));
    painter.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 4, 4);
}

void FindBar::select(const DocumentSearch::Range &range)
{
    QTextCursor cursor(m_text.document());
    cursor.setPosition(range.from);
    cursor.setPosition(range.to, QTextCursor::KeepAnchor);
    m_text.setTextCursor(cursor);
    m_text.ensureCursorVisible();
}

std::optional<DocumentSearch::Range> FindBar::selectedMatch() const
{
    const QTextCursor cursor = m_text.textCursor();
    const DocumentSearch::Range selected{cursor.selectionStart(), cursor.selectionEnd()};
    const QList<DocumentSearch::Range> all =
        DocumentSearch(*m_text.document()).matches(txtFind->text());
    if (all.contains(selected))
        return selected;
    return std::nullopt;
}

bool FindBar::FindNext(bool backward)
{
    const QTextCursor cursor = m_text.textCursor();
    const int from = backward ? cursor.selectionStart() : cursor.selectionEnd();
    const std::optional<DocumentSearch::Range> found =
        DocumentSearch(*m_text.document()).next(txtFind->text(), from, backward);
    if (found)
        select(*found);
    showCount();
    return found.has_value();
}

void FindBar::ReplaceOne()
{
    const std::optional<DocumentSearch::Range> match = selectedMatch();
    if (!match) {
        FindNext();
        return;
    }
    DocumentSearch search(*m_text.document());
    const int end = search.replace(*match, txtReplace->text());
    QTextCursor cursor = m_text.textCursor();
    cursor.setPosition(end < 0 ? match->to : end);
    m_text.setTextCursor(cursor);
    FindNext();
    showOutcome({end < 0 ? 0 : 1, end < 0 ? 1 : 0});
}

void FindBar::ReplaceAll()
{
    showOutcome(DocumentSearch(*m_text.document()).replaceAll(txtFind->text(), txtReplace->text()));
}

void FindBar::showCount()
{
    if (txtFind->text().trimmed().isEmpty()) {
        lblStatus->clear();
        return;
    }
    const QList<DocumentSearch::Range> all =
        DocumentSearch(*m_text.document()).matches(txtFind->text());
    if (all.isEmpty()) {
        lblStatus->setText(tr("Not found"));
        return;
    }
    const QTextCursor cursor = m_text.textCursor();
    const qsizetype at = all.indexOf({cursor.selectionStart(), cursor.selectionEnd()});
    lblStatus->setText(at < 0 ? tr("%1 found").arg(all.size())
                              : tr("%1 of %2").arg(at + 1).arg(all.size()));
}

void FindBar::showOutcome(const DocumentSearch::Outcome &outcome)
{
    QString text = tr("%1 replaced").arg(outcome.replaced);
    if (outcome.leftAlone == 1)
        text += tr(", 1 in an alarm mark left alone");
    else if (outcome.leftAlone > 1)
        text += tr(", %1 in alarm marks left alone").arg(outcome.leftAlone);
    lblStatus->setText(text);
}
