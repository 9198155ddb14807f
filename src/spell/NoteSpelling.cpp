#include "spell/NoteSpelling.h"

#include "notes/richtext/RichTextBox.h"
#include "notes/richtext/RichTextModel.h"
#include "spell/SpellChecker.h"
#include "spell/Spelling.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace {

// How long the text rests before its words are checked, and how soon after a scroll.
constexpr int RestMs = 300;
constexpr int ScrollMs = 30;
// Text around the visible part that is looked at, so words cut by the edge are whole.
constexpr int Margin = 2 * SpellChecker::LongestWord;

QTextCharFormat underline()
{
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    format.setUnderlineColor(Qt::red);
    return format;
}

} // namespace

NoteSpelling::NoteSpelling(RichTextBox &box, Spelling *spelling) : m_box(box), m_spelling(spelling)
{
    m_rest.setSingleShot(true);
    connect(&m_rest, &QTimer::timeout, this, [this] {
        // Notes still coming up are checked when they are all up (Changed brings us back).
        if (!m_spelling || m_spelling->settled())
            checkNow();
    });
    if (!spelling)
        return;
    connect(spelling, &Spelling::Changed, this, [this] { schedule(0); });
    connect(box.document(), &QTextDocument::contentsChange, this, [this](int, int, int) {
        m_typing = m_box.hasFocus();
        schedule(RestMs);
    });
    connect(box.verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { schedule(ScrollMs); });
    box.installEventFilter(this);
}

NoteSpelling::~NoteSpelling()
{
    clearMenuItems();
}

bool NoteSpelling::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_box && event->type() == QEvent::Show && m_spelling)
        m_spelling->noteShown();
    if (watched == &m_box && (event->type() == QEvent::Show || event->type() == QEvent::Resize))
        schedule(ScrollMs);
    return QObject::eventFilter(watched, event);
}

void NoteSpelling::schedule(int delay)
{
    // A later change must not hurry a check that waits for the text to rest.
    if (!m_rest.isActive() || m_rest.remainingTime() < delay)
        m_rest.start(delay);
}

void NoteSpelling::checkNow()
{
    m_rest.stop();
    QList<QTextEdit::ExtraSelection> marks;
    // Hidden notes wait until they are shown.
    if (!m_spelling || !m_box.isVisible() || !m_spelling->active()) {
        if (!m_box.extraSelections().isEmpty())
            m_box.setExtraSelections(marks);
        return;
    }
    const QRect view = m_box.viewport()->rect();
    const int from = std::max(0, m_box.cursorForPosition(view.topLeft()).position() - Margin);
    const int to = m_box.cursorForPosition(view.bottomRight()).position() + Margin;
    const int caret = m_box.textCursor().position();
    const QTextDocument &document = *m_box.document();
    const QTextCharFormat format = underline();
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        const QString text = block.text();
        // Only the part on screen is cut into words; where it begins within a long paragraph
        // the first piece may be half a word, so it is dropped.
        const int start = std::max(0, from - block.position());
        const int end = std::min<int>(text.size(), to - block.position());
        int cut = start;
        if (start > 0)
            while (cut < end && !text.at(cut).isSpace())
                ++cut;
        const QString part = text.mid(cut, end - cut);
        for (const SpellChecker::Word &word : SpellChecker::words(part)) {
            const int at = block.position() + cut + word.start;
            // A word cut at the end of the part is left for a later check.
            if (end < text.size() && cut + word.start + word.length >= end)
                continue;
            if (m_typing && caret == at + word.length)
                continue;
            if (!m_spelling->isMisspelt(part.mid(word.start, word.length)))
                continue;
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(m_box.document());
            mark.cursor.setPosition(at);
            mark.cursor.setPosition(at + word.length, QTextCursor::KeepAnchor);
            mark.format = format;
            marks.append(mark);
        }
    }
    // A failure on the way has turned spelling off: nothing stays underlined.
    if (!m_spelling->active())
        marks.clear();
    m_typing = false;
    // The same underlines again cost no drawing.
    const QList<QTextEdit::ExtraSelection> drawn = m_box.extraSelections();
    const bool same = std::equal(marks.begin(), marks.end(), drawn.begin(), drawn.end(),
                                 [](const auto &a, const auto &b) { return a.cursor == b.cursor; });
    if (!same)
        m_box.setExtraSelections(marks);
}

QTextCursor NoteSpelling::wordAt(int position) const
{
    const QTextBlock block = m_box.document()->findBlock(position);
    const QString text = block.text();
    const int inBlock = position - block.position();
    // The blank-separated piece around the position decides (an address is no word).
    int from = inBlock;
    while (from > 0 && !text.at(from - 1).isSpace())
        --from;
    int to = inBlock;
    while (to < text.size() && !text.at(to).isSpace())
        ++to;
    QTextCursor cursor(m_box.document());
    for (const SpellChecker::Word &word : SpellChecker::words(text.mid(from, to - from))) {
        if (from + word.start <= inBlock && inBlock <= from + word.start + word.length) {
            cursor.setPosition(block.position() + from + word.start);
            cursor.setPosition(cursor.position() + word.length, QTextCursor::KeepAnchor);
            break;
        }
    }
    return cursor;
}

QList<QAction *> NoteSpelling::menuItems() const
{
    QList<QAction *> items;
    for (const QPointer<QAction> &item : m_items)
        if (item)
            items.append(item);
    return items;
}

void NoteSpelling::clearMenuItems()
{
    for (const QPointer<QAction> &item : std::as_const(m_items))
        delete item.data();
    m_items.clear();
}

void NoteSpelling::prepareMenu(QMenu &menu, QAction *first, const QPoint &viewportPoint)
{
    clearMenuItems();
    if (!m_spelling || !m_spelling->active())
        return;
    const QTextCursor word = wordAt(m_box.cursorForPosition(viewportPoint).position());
    const QString text = word.selectedText();
    if (text.isEmpty() || !m_spelling->isMisspelt(text))
        return;
    // The user may change the word only where he could type over it.
    const bool editable =
        !m_box.isReadOnly() && RichTextModel(*m_box.document())
                                   .insertionAllowed(word.selectionStart(), word.selectionEnd());
    for (const QString &suggestion : m_spelling->suggestions(text)) {
        auto *item =
            new QAction(QString(suggestion).replace(QLatin1Char('&'), QLatin1String("&&")), &menu);
        item->setEnabled(editable);
        connect(item, &QAction::triggered, this, [this, word, text, suggestion] {
            // The text may have changed while the menu was open.
            if (word.selectedText() == text)
                replace(word, suggestion);
        });
        m_items.append(item);
    }
    QPointer<Spelling> spelling = m_spelling;
    auto *add = new QAction(tr("Add to Dictionary"), &menu);
    connect(add, &QAction::triggered, this, [spelling, text] {
        if (spelling)
            spelling->addToDictionary(text);
    });
    auto *ignore = new QAction(tr("Ignore All"), &menu);
    connect(ignore, &QAction::triggered, this, [spelling, text] {
        if (spelling)
            spelling->ignoreAll(text);
    });
    auto *separator = new QAction(&menu);
    separator->setSeparator(true);
    m_items << add << ignore << separator;
    for (const QPointer<QAction> &item : std::as_const(m_items))
        menu.insertAction(first, item);
}

// The word's first letter gives the replacement its look; one edit block makes it one undo.
void NoteSpelling::replace(const QTextCursor &word, const QString &replacement)
{
    const RichTextModel model(*m_box.document());
    if (!word.hasSelection() || !model.insertionAllowed(word.selectionStart(), word.selectionEnd()))
        return;
    QTextCursor cursor = word;
    const QTextCharFormat format = model.charFormatAt(cursor.selectionStart());
    cursor.beginEditBlock();
    cursor.insertText(replacement, format);
    cursor.endEditBlock();
    m_box.setTextCursor(cursor);
}
