#pragma once

#include "find/DocumentSearch.h"

#include <QRect>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;
class RichTextBox;
struct AppContext;

// The find bar of a note: Ctrl+F opens it over the message line, F3 and Shift+F3 go to the next
// and previous match, Esc closes it, Ctrl+H adds Replace and Replace All. Matching is the notes
// list's (case and accents aside, literally); replacing leaves alarm marks alone and says how
// many matches it left. Ctrl+Shift+F opens the notes list.
class FindBar : public QWidget
{
    Q_OBJECT
public:
    // Lives on the note; borrows its text box.
    FindBar(QWidget *note, RichTextBox &text, AppContext &ctx);

    // Whether a key of the text box (classic code and shift state) is the bar's.
    static bool Handles(int keyCode, int shift);
    void KeyDown(int keyCode, int shift);

    void Open(bool withReplace);
    void Close();
    // Selects the next (or previous) match after the selection; false when there is none.
    bool FindNext(bool backward = false);
    // Replaces the selected match (a match elsewhere is only selected first) and selects the
    // next one.
    void ReplaceOne();
    void ReplaceAll();

    QLineEdit *txtFind = nullptr;
    QLineEdit *txtReplace = nullptr;
    QToolButton *butPrevious = nullptr;
    QToolButton *butNext = nullptr;
    QToolButton *butReplace = nullptr;
    QToolButton *butReplaceAll = nullptr;
    QToolButton *butClose = nullptr;
    QLabel *lblStatus = nullptr;

private:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void place();
    void showCount();
    void showOutcome(const DocumentSearch::Outcome &outcome);
    std::optional<DocumentSearch::Range> selectedMatch() const;
    void select(const DocumentSearch::Range &range);

    RichTextBox &m_text;
    AppContext &m_ctx;
    bool m_withReplace = false;
    QRect m_textPlace; // the text box's place before the bar took room from it
};
