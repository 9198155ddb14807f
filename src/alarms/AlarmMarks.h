#pragma once

#include <QString>

class RichTextBox;

// The alarm mark in a note's text: "[" and the alarm index in grey bold, the marked text in
// orange bold underlined, "]" in grey bold, all of it protected together with the character
// after "]". Everything here works through the box's classic selection properties, so the
// selection is what these steps leave behind.
class AlarmMarks
{
public:
    static constexpr int Grey = 0xC0C0C0;
    static constexpr int Orange = 0x0080FF;

    // Marks the selection (less a trailing line break) as alarm `index` and returns the RTF of
    // the selected text as it was before. The caret ends just before "]".
    static QString mark(RichTextBox &box, int index);

    // Puts the text of alarm `index` back from its unmarked RTF, with its former look, and
    // unprotects the character after the mark. Does nothing when the note holds no such mark.
    static void restore(RichTextBox &box, int index, const QString &unmarkedRtf);

    // The index of the mark around the caret, or 0 when the caret is in no mark. The caret
    // goes back where it was, without a selection.
    static int indexAtCaret(RichTextBox &box);

    // With nothing selected, selects the word at the caret: no space, line break or bracket.
    static void selectWord(RichTextBox &box);

    // The 0-based position of the "[" of alarm `index`: "[" with exactly the grey index
    // digits after it ("[1" is not the start of "[12"), or -1.
    static int findMark(RichTextBox &box, int index);

private:
    // The number of grey digits right after the "[" at `bracket`.
    static int greyDigitsAfter(RichTextBox &box, const QString &text, int bracket);
};
