#include "notes/richtext/LazyDocumentLayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextList>

#include <algorithm>
#include <cmath>

namespace {

// Lines as wide as this stand for "no wrapping" (a document without a text width).
constexpr qreal Unwrapped = 1e7;

qreal leftIndent(const QTextBlock &block, const QTextDocument &document)
{
    const QTextBlockFormat format = block.blockFormat();
    qreal indent = format.indent();
    if (const QTextList *list = block.textList())
        indent += list->format().indent();
    return format.leftMargin() + indent * document.indentWidth();
}

} // namespace

bool LazyDocumentLayout::isHuge(const QTextDocument &document)
{
    return document.blockCount() >= HugeBlocks || document.characterCount() >= HugeCharacters;
}

void LazyDocumentLayout::choose(QTextDocument *document)
{
    // Asking for the layout would make Qt build its own first.
    const bool lazy =
        document->findChild<LazyDocumentLayout *>(QString(), Qt::FindDirectChildrenOnly);
    if (isHuge(*document) && !lazy)
        document->setDocumentLayout(new LazyDocumentLayout(document));
    else if (!isHuge(*document) && lazy)
        document->setDocumentLayout(nullptr); // Qt makes its own again when asked
}

LazyDocumentLayout::LazyDocumentLayout(QTextDocument *document)
    : QAbstractTextDocumentLayout(document)
{
}

qreal LazyDocumentLayout::lineWidth() const
{
    const qreal width = document()->textWidth() - 2 * document()->documentMargin();
    return document()->textWidth() > 0 ? std::max<qreal>(width, 1) : Unwrapped;
}

// One line for each line's worth of characters at the default font's average width.
qreal LazyDocumentLayout::estimate(const QTextBlock &block) const
{
    const QFontMetricsF metrics(document()->defaultFont());
    const qreal perLine = std::max<qreal>(1, lineWidth() / metrics.averageCharWidth());
    return m_lineHeight * std::max<qreal>(1, std::ceil((block.length() - 1) / perLine));
}

void LazyDocumentLayout::estimateAll()
{
    const QTextDocument *text = document();
    // A line of the first paragraph stands for every line: a huge text is mostly one font.
    m_heights.reset(text->blockCount(), m_lineHeight);
    measure(text->begin(), 0);
    if (const QTextLayout *first = text->begin().layout(); first->lineCount() > 0)
        m_lineHeight = first->lineAt(0).height();
    m_heights.reset(text->blockCount(), m_lineHeight);
    if (lineWidth() == Unwrapped)
        return; // every paragraph is one line
    // Paragraphs longer than a line are few in a huge text of short ones, and worth the look.
    const int perLine =
        static_cast<int>(lineWidth() / QFontMetricsF(text->defaultFont()).averageCharWidth());
    int number = 0;
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next(), ++number)
        if (block.length() > perLine)
            m_heights.estimate(number, estimate(block));
}

void LazyDocumentLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    const QTextDocument *text = document();
    const int count = text->blockCount();
    const qreal width = lineWidth();
    const bool whole = from == 0 && charsAdded >= text->characterCount();
    // Without a width yet, every paragraph was taken for one line.
    if (m_heights.count() == 0 || (whole && m_heights.count() != count) ||
        (m_width == Unwrapped && width != Unwrapped)) {
        m_width = width;
        estimateAll();
    } else if (whole || width != m_width) {
        // A new width, font or margin: the heights stay as estimates until measured again.
        m_width = width;
        m_heights.forgetMeasures();
    }
    if (!whole) {
        const QTextBlock first = text->findBlock(from);
        QTextBlock last = text->findBlock(from + charsAdded);
        if (!last.isValid())
            last = text->lastBlock();
        const int firstNumber = first.isValid() ? first.blockNumber() : 0;
        const int added = last.blockNumber() - firstNumber + 1;
        const int removed = added - (count - m_heights.count());
        if (removed < 0 || firstNumber + removed > m_heights.count()) {
            estimateAll(); // a change this layout cannot place: start again from estimates
        } else {
            m_heights.replace(firstNumber, removed, added, m_lineHeight);
            // A few changed paragraphs (typing) are measured at once, so the caret is placed
            // and the text below moves exactly.
            if (added <= 64)
                for (QTextBlock block = first; block.isValid(); block = block.next()) {
                    measure(block, block.blockNumber());
                    if (block == last)
                        break;
                }
        }
    }
    Q_UNUSED(charsRemoved)
    emit update(QRectF(0, 0, 1e9, 1e9));
    const QSizeF size = documentSize();
    if (size != m_toldSize) {
        m_toldSize = size;
        emit documentSizeChanged(size);
    }
}

void LazyDocumentLayout::measure(const QTextBlock &block, int number) const
{
    if (number >= m_heights.count() || m_heights.isMeasured(number))
        return;
    const QTextDocument *text = document();
    const QTextBlockFormat format = block.blockFormat();
    QTextOption option = text->defaultTextOption();
    if (format.hasProperty(QTextFormat::BlockAlignment))
        option.setAlignment(format.alignment());
    if (format.hasProperty(QTextFormat::LayoutDirection))
        option.setTextDirection(format.layoutDirection());
    if (text->textWidth() <= 0)
        option.setWrapMode(QTextOption::NoWrap);
    QTextLayout *layout = block.layout();
    layout->setTextOption(option);
    const qreal indent = leftIndent(block, *text);
    const qreal width = lineWidth() - indent - format.rightMargin();
    qreal y = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        const qreal first = line.lineNumber() == 0 ? format.textIndent() : 0;
        line.setLineWidth(std::max<qreal>(width - first, 1));
        line.setPosition(QPointF(indent + first, y));
        y += line.height();
    }
    layout->endLayout();
    layout->setPosition(QPointF(0, 0)); // blocks are placed by blockBoundingRect
    m_heights.setMeasured(number, format.topMargin() + y + format.bottomMargin());
    sizeMayHaveChanged();
}

QPointF LazyDocumentLayout::origin(const QTextBlock &block, int number) const
{
    const qreal margin = document()->documentMargin();
    return {margin, margin + m_heights.top(number) + block.blockFormat().topMargin()};
}

QSizeF LazyDocumentLayout::documentSize() const
{
    const qreal margin = document()->documentMargin();
    const qreal width = document()->textWidth() > 0 ? document()->textWidth() : 0;
    return {width, m_heights.total() + 2 * margin};
}

QRectF LazyDocumentLayout::frameBoundingRect(QTextFrame *frame) const
{
    Q_UNUSED(frame)
    return {QPointF(0, 0), documentSize()};
}

QRectF LazyDocumentLayout::blockBoundingRect(const QTextBlock &block) const
{
    if (!block.isValid() || block.document() != document())
        return {};
    const int number = block.blockNumber();
    if (number >= m_heights.count())
        return {}; // asked between a change and its news
    measure(block, number);
    QRectF rect = block.layout()->boundingRect();
    rect.moveTopLeft(origin(block, number));
    return rect;
}

int LazyDocumentLayout::hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const
{
    const QTextDocument *text = document();
    const int number = m_heights.at(point.y() - text->documentMargin());
    const QTextBlock block = text->findBlockByNumber(number);
    if (!block.isValid() || number >= m_heights.count())
        return -1;
    measure(block, number);
    const QTextLayout *layout = block.layout();
    const QPointF local = point - origin(block, number);
    QTextLine line;
    for (int i = 0; i < layout->lineCount(); ++i) {
        line = layout->lineAt(i);
        if (local.y() < line.y() + line.height())
            break;
    }
    if (!line.isValid())
        return accuracy == Qt::ExactHit ? -1 : block.position();
    if (accuracy == Qt::ExactHit && !line.naturalTextRect().adjusted(0, 0, 0.5, 0).contains(local))
        return -1;
    return block.position() + line.xToCursor(local.x());
}

void LazyDocumentLayout::draw(QPainter *painter, const PaintContext &context)
{
    const QTextDocument *text = document();
    if (m_heights.count() != text->blockCount())
        return; // between a change and its news; the news brings a paint
    const QRectF clip =
        context.clip.isValid() ? context.clip : QRectF(QPointF(0, 0), documentSize());
    const qreal margin = text->documentMargin();
    bool ok = false;
    int cursorWidth = property("cursorWidth").toInt(&ok);
    if (!ok)
        cursorWidth = 1;
    int number = m_heights.at(clip.top() - margin);
    qreal top = margin + m_heights.top(number);
    for (QTextBlock block = text->findBlockByNumber(number);
         block.isValid() && top <= clip.bottom(); block = block.next(), ++number) {
        measure(block, number);
        const QTextBlockFormat format = block.blockFormat();
        const qreal height = m_heights.height(number);
        if (format.hasProperty(QTextFormat::BackgroundBrush))
            painter->fillRect(QRectF(margin, top, lineWidth(), height), format.background());
        const int start = block.position();
        const int length = block.length();
        QList<QTextLayout::FormatRange> selections;
        for (const Selection &selection : context.selections) {
            const int from = selection.cursor.selectionStart() - start;
            const int to = selection.cursor.selectionEnd() - start;
            if (from < length && to > 0 && to > from)
                selections.append({from, to - from, selection.format});
        }
        const QPointF at(margin, top + format.topMargin());
        QTextLayout *layout = block.layout();
        painter->setPen(context.palette.color(QPalette::Text));
        layout->draw(painter, at, selections, clip);
        drawBullet(painter, block, at, context.palette);
        const int cursor = context.cursorPosition;
        if (cursor >= start && cursor < start + length)
            layout->drawCursor(painter, at, cursor - start, cursorWidth);
        else if (cursor < -1 && !layout->preeditAreaText().isEmpty())
            layout->drawCursor(painter, at, layout->preeditAreaPosition() - (cursor + 2),
                               cursorWidth);
        top += height;
    }
}

// The bullet of a list paragraph, left of its first line, as Qt's own layout draws it.
void LazyDocumentLayout::drawBullet(QPainter *painter, const QTextBlock &block,
                                    const QPointF &origin, const QPalette &palette) const
{
    const QTextList *list = block.textList();
    const QTextLine first =
        block.layout()->lineCount() > 0 ? block.layout()->lineAt(0) : QTextLine();
    if (!list || !first.isValid())
        return;
    const QTextCharFormat format = block.charFormat();
    const QFontMetricsF metrics(format.font());
    const QBrush brush = format.hasProperty(QTextFormat::ForegroundBrush)
                             ? format.foreground()
                             : palette.brush(QPalette::Text);
    const QPointF line = origin + QPointF(first.x(), first.y());
    const qreal space = metrics.horizontalAdvance(QLatin1Char(' '));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QTextListFormat::Style style = list->format().style();
    if (style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
        style == QTextListFormat::ListSquare) {
        const qreal size = metrics.lineSpacing() / 3;
        const QRectF mark(line.x() - space - size, line.y() + (metrics.height() - size) / 2, size,
                          size);
        if (style == QTextListFormat::ListSquare) {
            painter->fillRect(mark, brush);
        } else {
            painter->setPen(style == QTextListFormat::ListCircle ? QPen(brush, 1) : Qt::NoPen);
            painter->setBrush(style == QTextListFormat::ListDisc ? brush : Qt::NoBrush);
            painter->drawEllipse(mark);
        }
    } else {
        const QString number = list->itemText(block);
        painter->setFont(format.font());
        painter->setPen(QPen(brush, 1));
        painter->drawText(QPointF(line.x() - space - metrics.horizontalAdvance(number),
                                  line.y() + metrics.ascent()),
                          number);
    }
    painter->restore();
}

void LazyDocumentLayout::sizeMayHaveChanged() const
{
    if (m_telling)
        return;
    m_telling = true;
    auto *self = const_cast<LazyDocumentLayout *>(this);
    QMetaObject::invokeMethod(
        self,
        [self] {
            self->m_telling = false;
            const QSizeF size = self->documentSize();
            if (size != self->m_toldSize) {
                self->m_toldSize = size;
                emit self->documentSizeChanged(size);
            }
        },
        Qt::QueuedConnection);
}
