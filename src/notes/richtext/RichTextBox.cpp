#include "notes/richtext/RichTextBox.h"

#include "notes/richtext/LazyDocumentLayout.h"
#include "notes/richtext/RichTextModel.h"
#include "notes/richtext/RtfReader.h"
#include "notes/richtext/RtfWriter.h"

#include <QContextMenuEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QTextList>

#include <algorithm>
#include <utility>

namespace {

// The key codes of the classic control's KeyDown.
int classicKeyCode(const QKeyEvent &event)
{
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? 96 + (key - Qt::Key_0) : key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    static const std::pair<int, int> codes[] = {
        {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},           {Qt::Key_Backtab, 9},
        {Qt::Key_Clear, 12},       {Qt::Key_Return, 13},       {Qt::Key_Enter, 13},
        {Qt::Key_Shift, 16},       {Qt::Key_Control, 17},      {Qt::Key_Alt, 18},
        {Qt::Key_AltGr, 18},       {Qt::Key_Pause, 19},        {Qt::Key_CapsLock, 20},
        {Qt::Key_Escape, 27},      {Qt::Key_Space, 32},        {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34},    {Qt::Key_End, 35},          {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},        {Qt::Key_Up, 38},           {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},        {Qt::Key_Print, 44},        {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},      {Qt::Key_Meta, 91},         {Qt::Key_Menu, 93},
        {Qt::Key_NumLock, 144},    {Qt::Key_ScrollLock, 145},  {Qt::Key_ParenRight, 48},
        {Qt::Key_Exclam, 49},      {Qt::Key_At, 50},           {Qt::Key_NumberSign, 51},
        {Qt::Key_Dollar, 52},      {Qt::Key_Percent, 53},      {Qt::Key_AsciiCircum, 54},
        {Qt::Key_Ampersand, 55},   {Qt::Key_ParenLeft, 57},    {Qt::Key_Semicolon, 186},
        {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},       {Qt::Key_Comma, 188},
        {Qt::Key_Less, 188},       {Qt::Key_Underscore, 189},  {Qt::Key_Greater, 190},
        {Qt::Key_Slash, 191},      {Qt::Key_Question, 191},    {Qt::Key_QuoteLeft, 192},
        {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},
        {Qt::Key_Backslash, 220},  {Qt::Key_Bar, 220},         {Qt::Key_BracketRight, 221},
        {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},  {Qt::Key_QuoteDbl, 222},
        {Qt::Key_Period, 190},
    };
    switch (key) { // keys the keypad shares with the main keyboard
    case Qt::Key_Asterisk:
        return keypad ? 106 : 56;
    case Qt::Key_Plus:
        return keypad ? 107 : 187;
    case Qt::Key_Minus:
        return keypad ? 109 : 189;
    default:
        break;
    }
    for (const auto &[qtKey, code] : codes) {
        if (qtKey == key)
            return code;
    }
    return 255; // a key without a classic code; 0 would read as swallowed
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

int buttonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

// The character KeyPress reports: what the key types, Ctrl with a letter giving its control
// character as in the classic control. Delete and keys that type nothing have none.
int keyAscii(const QKeyEvent &event)
{
    if (event.text().isEmpty() || event.key() == Qt::Key_Delete)
        return 0;
    if ((event.modifiers() & Qt::ControlModifier) && event.key() >= Qt::Key_A &&
        event.key() <= Qt::Key_Z)
        return event.key() - Qt::Key_A + 1;
    return event.text().at(0).unicode();
}

// What the text control would type for a key (Ctrl alone with a letter types nothing).
bool typesText(const QKeyEvent &event, const QString &text)
{
    if (text.isEmpty())
        return false;
    const QChar c = text.at(0);
    if (c.category() == QChar::Other_Format)
        return true;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    return c.isPrint() || c.category() == QChar::Other_PrivateUse || c == QLatin1Char('\t') ||
           (c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

QString classicText(QString text)
{
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1Char('\v'));
    return text;
}

QByteArray rtfData(const QMimeData &source)
{
    for (const char *type : {"text/rtf", "application/rtf", "text/richtext"}) {
        const QString name = QString::fromLatin1(type);
        if (source.hasFormat(name)) {
            const QByteArray data = source.data(name);
            if (RtfReader::isRtf(data))
                return data;
        }
    }
    return {};
}

} // namespace

// Groups the steps of one change so that Change and SelChange fire once, when it is done.
class RichTextBox::Operation
{
public:
    explicit Operation(RichTextBox &box) : m_box(box) { ++m_box.m_depth; }
    ~Operation()
    {
        if (--m_box.m_depth > 0)
            return;
        if (m_box.m_changed) {
            m_box.m_changed = false;
            emit m_box.Change();
        }
        m_box.selectionMaybeChanged();
    }
    Operation(const Operation &) = delete;
    Operation &operator=(const Operation &) = delete;

private:
    RichTextBox &m_box;
};

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    setTabChangesFocus(false);
    document()->setIndentWidth(18);
    m_flagsBeforeDrag = textInteractionFlags();
    const auto forgetClassicSelection = [this] { m_classicStart = -1; };
    connect(this, &QTextEdit::cursorPositionChanged, this, forgetClassicSelection);
    connect(this, &QTextEdit::selectionChanged, this, forgetClassicSelection);
    watchDocument();
    connect(this, &QTextEdit::cursorPositionChanged, this, &RichTextBox::selectionMaybeChanged);
    connect(this, &QTextEdit::selectionChanged, this, &RichTextBox::selectionMaybeChanged);
}

void RichTextBox::watchDocument()
{
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        m_source.clear();
        if (removed != 0 || added != 0)
            contentChanged();
    });
}

void RichTextBox::adoptDocument(QTextDocument *text, const QString &source)
{
    Operation operation(*this);
    const QTextDocument *own = document();
    text->setDefaultFont(own->defaultFont());
    text->setIndentWidth(own->indentWidth());
    text->setDocumentMargin(own->documentMargin());
    text->setDefaultTextOption(own->defaultTextOption());
    text->setUseDesignMetrics(own->useDesignMetrics());
    // The first document belongs to the editor, which drops it; an adopted one is ours.
    QTextDocument *old = document();
    const bool ours = old->parent() == this;
    text->setParent(this);
    LazyDocumentLayout::choose(text);
    setDocument(text);
    if (ours)
        delete old;
    watchDocument();
    m_changed = true;
    setTextCursor(QTextCursor(text));
    // Only RTF in plain ASCII comes back out as the writer would write it: the same kind.
    if (RtfReader::isRtf(source) &&
        std::all_of(source.begin(), source.end(), [](QChar c) { return c.unicode() < 0x80; }))
        m_source = source;
}

RichTextBox::~RichTextBox() = default;

RichTextModel RichTextBox::model() const
{
    return RichTextModel(*document());
}

void RichTextBox::contentChanged()
{
    if (m_depth > 0) {
        m_changed = true;
        return;
    }
    emit Change();
    selectionMaybeChanged();
}

void RichTextBox::selectionMaybeChanged()
{
    if (m_depth > 0)
        return;
    const int start = SelStart();
    const int length = SelLength();
    if (start == m_lastSelStart && length == m_lastSelLength)
        return;
    m_lastSelStart = start;
    m_lastSelLength = length;
    emit SelChange();
}

// --- the classic properties -----------------------------------------------------------------

QString RichTextBox::Text() const
{
    return model().text();
}

void RichTextBox::setText(const QString &text)
{
    Operation operation(*this);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(QTextCharFormat());
    RichTextModel::insertPlainText(cursor, text, QTextCharFormat());
    cursor.endEditBlock();
    document()->clearUndoRedoStacks();
    setTextCursor(QTextCursor(document()));
}

bool RichTextBox::classicSelectionHolds(const QTextCursor &cursor, const RichTextModel &text) const
{
    if (m_classicStart < 0 || m_classicEnd > text.length())
        return false;
    const int from = text.toDocument(m_classicStart);
    return cursor.selectionStart() == from &&
           cursor.selectionEnd() == std::max(from, text.toDocument(m_classicEnd, false));
}

int RichTextBox::SelStart() const
{
    const QTextCursor cursor = textCursor();
    const RichTextModel text = model();
    if (classicSelectionHolds(cursor, text))
        return m_classicStart;
    return text.toClassic(cursor.selectionStart());
}

void RichTextBox::setSelStart(int start)
{
    select(start, start);
}

int RichTextBox::SelLength() const
{
    const QTextCursor cursor = textCursor();
    const RichTextModel text = model();
    if (classicSelectionHolds(cursor, text))
        return m_classicEnd - m_classicStart;
    return text.toClassic(cursor.selectionEnd()) - text.toClassic(cursor.selectionStart());
}

void RichTextBox::setSelLength(int length)
{
    const int start = SelStart();
    select(start, start + std::clamp(length, 0, model().length() - start));
}

// A selection may begin or end between "\r" and "\n" or inside a surrogate pair, as in the
// classic control; the document selects the whole characters within it, and SelStart,
// SelLength and SelText read the classic selection back as long as it stands.
void RichTextBox::select(int classicStart, int classicEnd)
{
    Operation operation(*this);
    const RichTextModel text = model();
    classicStart = std::clamp(classicStart, 0, text.length());
    classicEnd = std::clamp(classicEnd, classicStart, text.length());
    const int from = text.toDocument(classicStart);
    QTextCursor cursor = textCursor();
    cursor.setPosition(from);
    cursor.setPosition(std::max(from, text.toDocument(classicEnd, false)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    m_classicStart = classicStart;
    m_classicEnd = classicEnd;
}

QString RichTextBox::SelText() const
{
    const QTextCursor cursor = textCursor();
    const RichTextModel text = model();
    if (classicSelectionHolds(cursor, text) &&
        (m_classicStart != text.toClassic(cursor.selectionStart()) ||
         m_classicEnd != text.toClassic(cursor.selectionEnd())))
        return text.text().mid(m_classicStart, m_classicEnd - m_classicStart);
    return classicText(cursor.selectedText());
}

void RichTextBox::setSelText(const QString &text)
{
    Operation operation(*this);
    QTextCursor cursor = textCursor();
    const int from = cursor.selectionStart();
    const bool replacedProtected = model().hasProtected(from, cursor.selectionEnd());
    const QTextCharFormat format =
        cursor.hasSelection() ? model().charFormatAt(from) : cursor.charFormat();
    RichTextModel::insertPlainText(cursor, text, format);
    if (replacedProtected || model().hasProtected(from, cursor.position()))
        document()->clearUndoRedoStacks();
    setTextCursor(cursor);
}

QString RichTextBox::SelRTF() const
{
    const QTextCursor cursor = textCursor();
    return QString::fromLatin1(
        RtfWriter::write(*document(), cursor.selectionStart(), cursor.selectionEnd()));
}

void RichTextBox::setSelRTF(const QString &rtf)
{
    Operation operation(*this);
    QTextCursor cursor = textCursor();
    const int from = cursor.selectionStart();
    const bool replacedProtected = model().hasProtected(from, cursor.selectionEnd());
    RtfReader(RtfReader::Target::Selection).read(rtf, cursor);
    if (replacedProtected || model().hasProtected(from, cursor.position()))
        document()->clearUndoRedoStacks();
    setTextCursor(cursor);
}

QString RichTextBox::TextRTF() const
{
    if (!m_source.isNull())
        return m_source;
    return QString::fromLatin1(RtfWriter::write(*document()));
}

void RichTextBox::setTextRTF(const QString &rtf, const std::function<bool()> &interrupted)
{
    Operation operation(*this);
    QTextDocument *text = document();
    text->setUndoRedoEnabled(false);
    // Dropped at once rather than removed piece by piece, with the formats it used.
    text->clear();
    // A text longer than the box brings the scroll bar, which narrows the box and has the
    // text laid out again. A long text gets the bar before its one layout; a short one is
    // laid out without it, so the bar is not shown, styled and hidden again for nothing.
    const Qt::ScrollBarPolicy scrollBar = verticalScrollBarPolicy();
    if (scrollBar == Qt::ScrollBarAsNeeded && rtf.size() > LongText)
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A document without a page size is not laid out while it changes; given its size back
    // it is laid out once, lazily.
    const QSizeF pageSize = text->pageSize();
    text->setPageSize(QSizeF(0, 0));
    QTextCursor cursor(text);
    RtfReader reader(RtfReader::Target::Document);
    reader.setInterrupt(interrupted);
    reader.read(rtf, cursor);
    // A laid-out line normally forgets its shaped glyphs and shapes them again at every
    // paint. A short text keeps them: a few KiB that spare the shaping at each repaint.
    if (text->characterCount() <= LongText && text->blockCount() <= LongText / 64)
        for (QTextBlock block = text->begin(); block.isValid(); block = block.next())
            block.layout()->setCacheEnabled(true);
    // The box's caret was carried to the end by the reading; moved back while nothing is
    // laid out, it does not make the box lay out the whole text to repaint the old place.
    setTextCursor(QTextCursor(text));
    LazyDocumentLayout::choose(text);
    text->setPageSize(pageSize);
    setVerticalScrollBarPolicy(scrollBar);
    text->setUndoRedoEnabled(true);
    ensureCursorVisible();
}

// Formats belong to every character the selection touches: a line break or surrogate pair
// that the classic selection splits counts whole, as the classic control formats its "\r".
QTextCursor RichTextBox::formatCursor() const
{
    QTextCursor cursor = textCursor();
    const RichTextModel text = model();
    if (m_classicStart == m_classicEnd || !classicSelectionHolds(cursor, text))
        return cursor;
    const int from = text.toDocument(m_classicStart, false);
    const int to = std::max(from, text.toDocument(m_classicEnd, true));
    if (from == cursor.selectionStart() && to == cursor.selectionEnd())
        return cursor;
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return cursor;
}

template <typename T, typename Read> std::optional<T> RichTextBox::readFormat(Read read) const
{
    const QTextCursor cursor = formatCursor();
    if (!cursor.hasSelection())
        return read(cursor.charFormat());
    return model().uniform<T>(cursor.selectionStart(), cursor.selectionEnd(), read);
}

void RichTextBox::applyFormat(const QTextCharFormat &format, bool touchesProtection)
{
    Operation operation(*this);
    QTextCursor cursor = formatCursor();
    if (!cursor.hasSelection()) {
        cursor.mergeCharFormat(format); // the format of what is typed next
        setTextCursor(cursor);
        return;
    }
    const bool protectedBefore =
        model().hasProtected(cursor.selectionStart(), cursor.selectionEnd());
    cursor.mergeCharFormat(format);
    if (touchesProtection || protectedBefore)
        document()->clearUndoRedoStacks();
}

std::optional<bool> RichTextBox::SelBold() const
{
    return readFormat<bool>(
        [this](const QTextCharFormat &format) { return model().effectiveFont(format).bold(); });
}

void RichTextBox::setSelBold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    applyFormat(format);
}

std::optional<bool> RichTextBox::SelItalic() const
{
    return readFormat<bool>(
        [this](const QTextCharFormat &format) { return model().effectiveFont(format).italic(); });
}

void RichTextBox::setSelItalic(bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    applyFormat(format);
}

std::optional<bool> RichTextBox::SelUnderline() const
{
    return readFormat<bool>([this](const QTextCharFormat &format) {
        return model().effectiveFont(format).underline();
    });
}

void RichTextBox::setSelUnderline(bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    applyFormat(format);
}

std::optional<bool> RichTextBox::SelStrikeThru() const
{
    return readFormat<bool>([this](const QTextCharFormat &format) {
        return model().effectiveFont(format).strikeOut();
    });
}

void RichTextBox::setSelStrikeThru(bool on)
{
    QTextCharFormat format;
    format.setFontStrikeOut(on);
    applyFormat(format);
}

std::optional<bool> RichTextBox::SelBullet() const
{
    const QTextCursor cursor = textCursor();
    return model().bullet(cursor.selectionStart(), cursor.selectionEnd());
}

void RichTextBox::setSelBullet(bool on)
{
    Operation operation(*this);
    QTextCursor cursor = textCursor();
    RichTextModel::setBullet(cursor, on);
}

std::optional<bool> RichTextBox::SelProtected() const
{
    return readFormat<bool>(
        [](const QTextCharFormat &format) { return RichTextModel::isProtected(format); });
}

void RichTextBox::setSelProtected(bool on)
{
    QTextCharFormat format;
    format.setProperty(RichTextModel::ProtectedProperty, on);
    applyFormat(format, true);
}

std::optional<int> RichTextBox::SelColor() const
{
    return readFormat<int>(
        [](const QTextCharFormat &format) { return RichTextModel::colorOf(format); });
}

void RichTextBox::setSelColor(int color)
{
    QTextCharFormat format;
    format.setForeground(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    applyFormat(format);
}

std::optional<QString> RichTextBox::SelFontName() const
{
    return readFormat<QString>(
        [this](const QTextCharFormat &format) { return model().effectiveFont(format).family(); });
}

void RichTextBox::setSelFontName(const QString &name)
{
    QTextCharFormat format;
    format.setFontFamilies({name});
    applyFormat(format);
}

std::optional<double> RichTextBox::SelFontSize() const
{
    return readFormat<double>([this](const QTextCharFormat &format) {
        return model().effectiveFont(format).pointSizeF();
    });
}

void RichTextBox::setSelFontSize(double points)
{
    if (!(points > 0))
        return;
    QTextCharFormat format;
    format.setFontPointSize(std::min(points, 1638.0));
    applyFormat(format);
}

void RichTextBox::Span(const QString &characters, bool forward, bool negate)
{
    const QString text = Text();
    int start = SelStart();
    int end = start + SelLength();
    const auto spans = [&](QChar c) { return characters.contains(c) != negate; };
    if (forward) {
        while (end < text.size() && spans(text.at(end)))
            ++end;
    } else {
        while (start > 0 && spans(text.at(start - 1)))
            --start;
    }
    select(start, end);
}

// --- what the user does ---------------------------------------------------------------------

void RichTextBox::keyPressEvent(QKeyEvent *event)
{
    Operation operation(*this);
    int keyCode = classicKeyCode(*event);
    // Pressing Shift itself reads as Shift held, as in the classic control, whatever the
    // platform reports for the modifier key's own press.
    Qt::KeyboardModifiers held = event->modifiers();
    if (event->key() == Qt::Key_Shift)
        held |= Qt::ShiftModifier;
    else if (event->key() == Qt::Key_Control)
        held |= Qt::ControlModifier;
    else if (event->key() == Qt::Key_Alt)
        held |= Qt::AltModifier;
    emit KeyDown(keyCode, shiftState(held));
    if (keyCode == 0) {
        event->accept();
        return;
    }
    const int pressed = keyAscii(*event);
    if (pressed != 0) {
        int ascii = pressed;
        emit KeyPress(ascii);
        if (ascii == 0) {
            event->accept();
            return;
        }
        if (ascii != pressed && !isReadOnly()) {
            if (ascii > 0 && ascii <= 0xFFFF && QChar(char16_t(ascii)).isPrint())
                userType(QString(QChar(char16_t(ascii))));
            event->accept();
            return;
        }
    }
    if (!isReadOnly() && editByKey(*event, event->text()))
        event->accept();
    else
        QTextEdit::keyPressEvent(event);
}

// The editing keys are carried out here rather than by QTextEdit, so that what is checked
// against the protection is exactly what is done.
bool RichTextBox::editByKey(const QKeyEvent &event, const QString &typed)
{
    if (event.matches(QKeySequence::Cut)) {
        userCut();
    } else if (event.key() == Qt::Key_Backspace &&
               !(event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))) {
        userBackspace();
    } else if (event.matches(QKeySequence::InsertParagraphSeparator)) {
        userParagraph();
    } else if (event.matches(QKeySequence::InsertLineSeparator)) {
        userType(QString(QChar(QChar::LineSeparator)));
    } else if (event.matches(QKeySequence::Delete)) {
        userDelete(QTextCursor::NextCharacter);
    } else if (event.matches(QKeySequence::DeleteEndOfWord)) {
        userDelete(QTextCursor::NextWord);
    } else if (event.matches(QKeySequence::DeleteStartOfWord)) {
        userDelete(QTextCursor::PreviousWord);
    } else if (event.matches(QKeySequence::DeleteEndOfLine)) {
        userDeleteEndOfLine();
    } else if (event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo) ||
               event.matches(QKeySequence::Paste) || !typesText(event, typed)) {
        // Paste comes back through insertFromMimeData. Undo and redo are safe: every program
        // call that touches protected text empties the undo history, and the user's own
        // edits never touch it.
        return false;
    } else {
        userType(typed);
    }
    return true;
}

// What the user types takes the insertion format, never its protection.
QTextCharFormat RichTextBox::userFormat(const QTextCursor &cursor) const
{
    QTextCharFormat format =
        cursor.hasSelection() ? model().charFormatAt(cursor.selectionStart()) : cursor.charFormat();
    format.clearProperty(RichTextModel::ProtectedProperty);
    return format;
}

void RichTextBox::userType(const QString &text)
{
    QTextCursor cursor = textCursor();
    if (!model().insertionAllowed(cursor.selectionStart(), cursor.selectionEnd()))
        return;
    cursor.insertText(text, userFormat(cursor));
    setTextCursor(cursor);
    ensureCursorVisible();
}

void RichTextBox::userParagraph()
{
    QTextCursor cursor = textCursor();
    if (!model().insertionAllowed(cursor.selectionStart(), cursor.selectionEnd()))
        return;
    const QTextCharFormat format = userFormat(cursor);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.insertBlock(cursor.blockFormat(), format);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void RichTextBox::userDelete(QTextCursor::MoveOperation move)
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        cursor.movePosition(move, QTextCursor::KeepAnchor);
    removeChecked(cursor);
}

void RichTextBox::userBackspace()
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        if (cursor.atBlockStart() && cursor.currentList()) {
            RichTextModel::setBullet(cursor, false);
            return;
        }
        const int position = cursor.position();
        if (position == 0)
            return;
        int from = position - 1;
        if (from > 0 && document()->characterAt(from).isLowSurrogate() &&
            document()->characterAt(from - 1).isHighSurrogate())
            --from;
        cursor.setPosition(from, QTextCursor::KeepAnchor);
    }
    removeChecked(cursor);
}

void RichTextBox::userDeleteEndOfLine()
{
    QTextCursor cursor = textCursor();
    const QTextBlock block = cursor.block();
    if (cursor.position() == block.position() + block.length() - 2)
        cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor);
    else
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    removeChecked(cursor);
}

void RichTextBox::userCut()
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection() ||
        model().hasProtected(cursor.selectionStart(), cursor.selectionEnd()))
        return;
    copy();
    removeChecked(cursor);
}

void RichTextBox::removeChecked(QTextCursor &cursor)
{
    if (!cursor.hasSelection() ||
        model().hasProtected(cursor.selectionStart(), cursor.selectionEnd()))
        return;
    cursor.removeSelectedText();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void RichTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    Operation operation(*this);
    if (isReadOnly()) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    QTextCursor cursor = textCursor();
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    const bool commits = !event->commitString().isEmpty() || event->replacementLength() > 0;
    // The range the commit replaces: the selection and the input method's replacement,
    // which is given relative to the caret once the selection is gone.
    const int replaceFrom = from + std::min(event->replacementStart(), 0);
    const int replaceTo = std::max(to, to + event->replacementStart() + event->replacementLength());
    const bool allowed = model().insertionAllowed(
        std::max(replaceFrom, 0), std::min(replaceTo, document()->characterCount() - 1));
    if (!allowed) {
        // Refused: nothing is committed, and a composition already shown is taken away.
        if (!cursor.block().layout()->preeditAreaText().isEmpty()) {
            QInputMethodEvent nothing;
            QTextEdit::inputMethodEvent(&nothing);
        }
        event->accept();
        return;
    }
    if (!commits) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    const int caret = cursor.position();
    const int last = document()->characterCount() - 1;
    cursor.setPosition(std::clamp(caret + event->replacementStart(), 0, last));
    cursor.setPosition(std::clamp(cursor.position() + event->replacementLength(), 0, last),
                       QTextCursor::KeepAnchor);
    RichTextModel::insertPlainText(cursor, event->commitString(), userFormat(cursor));
    cursor.endEditBlock();
    setTextCursor(cursor);
    QInputMethodEvent rest(event->preeditString(), event->attributes());
    QTextEdit::inputMethodEvent(&rest);
    event->accept();
}

bool RichTextBox::canInsertFromMimeData(const QMimeData *source) const
{
    return source && (!rtfData(*source).isEmpty() || source->hasText());
}

QMimeData *RichTextBox::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    auto *mime = new QMimeData;
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    mime->setText(text);
    mime->setHtml(QTextDocumentFragment(cursor).toHtml());
    mime->setData(QStringLiteral("text/rtf"),
                  RtfWriter::write(*document(), cursor.selectionStart(), cursor.selectionEnd()));
    m_offered = mime;
    return mime;
}

void RichTextBox::insertFromMimeData(const QMimeData *source)
{
    Operation operation(*this);
    QTextCursor cursor = textCursor();
    if (!source || !model().insertionAllowed(cursor.selectionStart(), cursor.selectionEnd()))
        return;
    userInsert(cursor, *source);
    setTextCursor(cursor);
    ensureCursorVisible();
}

// Pasted or dropped text: RTF when there is some, plain text otherwise; never protected.
void RichTextBox::userInsert(QTextCursor &cursor, const QMimeData &source) const
{
    const QByteArray rtf = rtfData(source);
    if (!rtf.isEmpty())
        RtfReader(RtfReader::Target::Selection, false).read(rtf, cursor);
    else
        RichTextModel::insertPlainText(cursor, source.text(), userFormat(cursor));
}

// A drag of this box's own selection: its data is the data the box gave out.
bool RichTextBox::draggedFromHere(const QDropEvent &event) const
{
    return event.source() == viewport() || event.source() == this ||
           (m_offered && event.mimeData() == m_offered.data());
}

bool RichTextBox::dropAllowed(const QDropEvent &event) const
{
    const int position = cursorForPosition(event.position().toPoint()).position();
    const QTextCursor selection = textCursor();
    if (draggedFromHere(event) && event.dropAction() == Qt::MoveAction &&
        selection.hasSelection()) {
        if (model().hasProtected(selection.selectionStart(), selection.selectionEnd()))
            return false;
        if (position >= selection.selectionStart() && position <= selection.selectionEnd())
            return true; // dropped onto itself: nothing moves
    }
    return model().insertionAllowed(position, position);
}

void RichTextBox::dragMoveEvent(QDragMoveEvent *event)
{
    QTextEdit::dragMoveEvent(event);
    if (event->isAccepted() && !dropAllowed(*event))
        event->ignore();
}

// Drops are carried out here, removal of the dragged text included, so that a refused drop
// changes nothing on either side.
void RichTextBox::dropEvent(QDropEvent *event)
{
    Operation operation(*this);
    QDragLeaveEvent leave; // takes the drop caret away
    QTextEdit::dragLeaveEvent(&leave);
    const QMimeData *source = event->mimeData();
    if (isReadOnly() || !source || !canInsertFromMimeData(source) || !dropAllowed(*event)) {
        event->ignore();
        return;
    }
    QTextCursor target = cursorForPosition(event->position().toPoint());
    QTextCursor dragged = textCursor();
    const bool move =
        draggedFromHere(*event) && event->dropAction() == Qt::MoveAction && dragged.hasSelection();
    if (move && target.position() >= dragged.selectionStart() &&
        target.position() <= dragged.selectionEnd()) {
        event->setDropAction(Qt::CopyAction); // onto itself: nothing to do, nothing to remove
        event->accept();
        return;
    }
    target.beginEditBlock();
    if (move)
        dragged.removeSelectedText();
    userInsert(target, *source);
    target.endEditBlock();
    setTextCursor(target);
    ensureCursorVisible();
    event->setDropAction(move ? Qt::MoveAction : Qt::CopyAction);
    event->accept();
}

void RichTextBox::mousePressEvent(QMouseEvent *event)
{
    {
        Operation operation(*this);
        const QTextCursor selection = textCursor();
        if (event->button() == Qt::LeftButton && selection.hasSelection() &&
            model().hasProtected(selection.selectionStart(), selection.selectionEnd())) {
            const int position = cursorForPosition(event->position().toPoint()).position();
            if (position >= selection.selectionStart() && position <= selection.selectionEnd())
                guardDrag(true);
        }
        QTextEdit::mousePressEvent(event);
    }
    const QPoint point = event->position().toPoint();
    emit MouseDown(buttonNumber(event->button()), shiftState(event->modifiers()), point.x(),
                   point.y());
}

void RichTextBox::mouseMoveEvent(QMouseEvent *event)
{
    Operation operation(*this);
    QTextEdit::mouseMoveEvent(event);
    if (m_dragGuarded && !(QGuiApplication::mouseButtons() & Qt::LeftButton))
        guardDrag(false); // a drag has ended inside QTextEdit
}

void RichTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    {
        Operation operation(*this);
        QTextEdit::mouseReleaseEvent(event);
        guardDrag(false);
    }
    const QPoint point = event->position().toPoint();
    emit MouseUp(buttonNumber(event->button()), shiftState(event->modifiers()), point.x(),
                 point.y());
    if (event->button() == Qt::LeftButton)
        emit Click();
}

// Dragging a selection that holds protected text may copy it but never move it away: while
// the button is down over it, the text is not editable, so QTextEdit offers only a copy.
void RichTextBox::guardDrag(bool on)
{
    if (on == m_dragGuarded)
        return;
    m_dragGuarded = on;
    if (on) {
        m_flagsBeforeDrag = textInteractionFlags();
        setTextInteractionFlags(m_flagsBeforeDrag & ~Qt::TextEditable);
    } else {
        setTextInteractionFlags(m_flagsBeforeDrag);
    }
}

void RichTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    // QTextEdit's own menu would cut and delete around the protection; the owner shows its own,
    // after the mouse's release (MouseUp), or when asked here from the keyboard.
    event->accept();
    if (event->reason() != QContextMenuEvent::Mouse)
        emit ContextMenuRequested(event->globalPos());
}
