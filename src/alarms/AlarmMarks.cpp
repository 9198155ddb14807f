#include "alarms/AlarmMarks.h"

#include "notes/richtext/RichTextBox.h"

namespace {

void selectRange(RichTextBox &box, int start, int length)
{
    box.setSelStart(start);
    box.setSelLength(length);
}

// What a word at the caret never reaches over.
bool boundsWord(QChar c, QChar bracket)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\v') || c == bracket;
}

} // namespace

QString AlarmMarks::mark(RichTextBox &box, int index)
{
    if (box.SelText().endsWith(QLatin1String("\r\n")))
        box.setSelLength(box.SelLength() - 2);
    const QString unmarked = box.SelRTF();
    box.setSelBold(true);
    box.setSelUnderline(true);
    box.setSelColor(Orange);
    box.setSelProtected(true);
    const int s = box.SelStart();
    const int e = s + box.SelLength();

    box.setSelStart(s);
    box.setSelProtected(false);
    box.setSelUnderline(false);
    box.setSelBold(true);
    box.setSelColor(Grey);
    box.setSelText(QStringLiteral("["));
    const QString digits = QString::number(index);
    box.setSelText(digits); // takes the grey bold look of "["
    const int n = static_cast<int>(digits.size());
    selectRange(box, s, 1 + n);
    box.setSelProtected(true);

    box.setSelStart(e + 1 + n);
    box.setSelProtected(false);
    box.setSelUnderline(false);
    box.setSelBold(true);
    box.setSelColor(Grey);
    box.setSelText(QStringLiteral("]"));
    // The character after "]" is protected too, so nothing can be typed onto the mark's end.
    selectRange(box, e + 1 + n, 2);
    box.setSelProtected(true);

    box.setSelStart(e + 1 + n);
    box.setSelProtected(false);
    box.setSelBold(false);
    box.setSelColor(0);
    return unmarked;
}

void AlarmMarks::restore(RichTextBox &box, int index, const QString &unmarkedRtf)
{
    const int p = findMark(box, index);
    if (p < 0)
        return;
    const int q = static_cast<int>(box.Text().indexOf(QLatin1Char(']'), p + 1));
    if (q < 0)
        return;
    selectRange(box, p, q + 1 - p);
    // The protected character after "]" joins the selection to lose its protection, and
    // leaves it again unless there is none (a line break reads as its first half here).
    box.setSelLength(box.SelLength() + 1);
    box.setSelProtected(false);
    if (!box.SelText().endsWith(QLatin1Char(']')))
        box.setSelLength(box.SelLength() - 1);
    box.setSelColor(0);
    box.setSelUnderline(false);
    box.setSelBold(false);
    box.setSelRTF(unmarkedRtf);
}

int AlarmMarks::indexAtCaret(RichTextBox &box)
{
    const int caret = box.SelStart();
    const QString text = box.Text();
    int index = 0;
    const int p = caret > 0 ? static_cast<int>(text.lastIndexOf(QLatin1Char('['), caret - 1)) : -1;
    if (p >= 0) {
        const int n = greyDigitsAfter(box, text, p);
        const int q = static_cast<int>(text.indexOf(QLatin1Char(']'), p + 1 + n));
        // Inside: from after "[" through the protected character after "]".
        if (n > 0 && q >= 0 && caret <= q + 2)
            index = text.mid(p + 1, n).toInt();
    }
    box.setSelStart(caret);
    return index;
}

void AlarmMarks::selectWord(RichTextBox &box)
{
    if (!box.SelText().isEmpty())
        return;
    const QString text = box.Text();
    const int caret = box.SelStart();
    int start = caret;
    while (start > 0 && !boundsWord(text.at(start - 1), QLatin1Char(']')))
        --start;
    int end = caret;
    while (end < text.size() && !boundsWord(text.at(end), QLatin1Char('[')))
        ++end;
    selectRange(box, start, end - start);
}

int AlarmMarks::findMark(RichTextBox &box, int index)
{
    if (index <= 0)
        return -1;
    const QString text = box.Text();
    const QString digits = QString::number(index);
    const QString opening = QLatin1Char('[') + digits;
    for (qsizetype at = text.indexOf(opening); at >= 0; at = text.indexOf(opening, at + 1)) {
        if (greyDigitsAfter(box, text, static_cast<int>(at)) == digits.size())
            return static_cast<int>(at);
    }
    return -1;
}

int AlarmMarks::greyDigitsAfter(RichTextBox &box, const QString &text, int bracket)
{
    int n = 0;
    while (bracket + 1 + n < text.size() && text.at(bracket + 1 + n).isDigit()) {
        selectRange(box, bracket + 1 + n, 1);
        if (box.SelColor() != Grey)
            break;
        ++n;
    }
    return n;
}
