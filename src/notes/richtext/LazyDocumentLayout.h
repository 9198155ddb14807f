#pragma once

#include "notes/richtext/BlockHeights.h"

#include <QAbstractTextDocumentLayout>
#include <QSizeF>

class QTextBlock;

// The layout of a huge note's text. Qt's own document layout lays out every paragraph of a
// document, in steps the program cannot leave: millions of paragraphs keep it busy for
// seconds, deaf to a request to end. This one lays out only the paragraphs that are drawn or
// asked about (the caret's, the ones the mouse points at) and estimates the height of the rest
// from their length, correcting the estimate as it measures. A note's rich text has no
// tables, frames or pictures; paragraphs keep their alignment, margins, indents, bullets and
// background, characters every format, as in Qt's own layout. Small texts keep Qt's layout.
class LazyDocumentLayout : public QAbstractTextDocumentLayout
{
    Q_OBJECT
public:
    // Documents with this many paragraphs or characters are huge.
    static constexpr int HugeBlocks = 10000;
    static constexpr int HugeCharacters = 1 << 20;
    static bool isHuge(const QTextDocument &document);
    // Gives `document` this layout when it is huge, Qt's own when it is not.
    static void choose(QTextDocument *document);

    explicit LazyDocumentLayout(QTextDocument *document);

    void draw(QPainter *painter, const PaintContext &context) override;
    int hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame *frame) const override;
    QRectF blockBoundingRect(const QTextBlock &block) const override;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    qreal lineWidth() const;
    qreal estimate(const QTextBlock &block) const;
    void estimateAll();
    // Lays out the paragraph (numbered `number`) at the current width unless it is already.
    void measure(const QTextBlock &block, int number) const;
    QPointF origin(const QTextBlock &block, int number) const;
    void drawBullet(QPainter *painter, const QTextBlock &block, const QPointF &origin,
                    const QPalette &palette) const;
    // Tells the box of a new size once the current paint or question is over.
    void sizeMayHaveChanged() const;

    mutable BlockHeights m_heights;
    qreal m_width = -1;
    qreal m_lineHeight = 16; // of a line not measured yet
    mutable QSizeF m_toldSize;
    mutable bool m_telling = false;
};
