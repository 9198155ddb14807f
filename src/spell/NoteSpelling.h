#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QAction;
class QMenu;
class QPoint;
class QTextCursor;
class RichTextBox;
class Spelling;

// Spelling in one note: misspelt words that are on screen get a red wavy underline, drawn
// as the text box's extra selections, so it never reaches the document, its RTF or its
// marks. Words are checked when the text has rested a moment, when it scrolls and when a
// hidden note is first shown; typing itself never waits for the dictionary. The note's
// context menu gets the word's suggestions, "Add to Dictionary" and "Ignore All".
class NoteSpelling : public QObject
{
    Q_OBJECT
public:
    // spelling may be null: the note is then never checked.
    NoteSpelling(RichTextBox &box, Spelling *spelling);
    ~NoteSpelling() override;

    // Underlines the misspelt words on screen now rather than at the next rest (even while
    // notes are still coming up).
    void checkNow();
    // Puts the items for the word at a point of the box's viewport at the top of the menu,
    // before `first`, in place of the items put there last time.
    void prepareMenu(QMenu &menu, QAction *first, const QPoint &viewportPoint);
    // The items put into the menu last time (suggestions first).
    QList<QAction *> menuItems() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void schedule(int delay);
    void clearMenuItems();
    // The word at a document position, selected; a cursor without selection when there is
    // no word worth checking there.
    QTextCursor wordAt(int position) const;
    void replace(const QTextCursor &word, const QString &replacement);

    RichTextBox &m_box;
    QPointer<Spelling> m_spelling;
    QTimer m_rest;
    // The last change was typing: the word at the caret is still being written.
    bool m_typing = false;
    // Owned by the menu they were put in, which may go first.
    QList<QPointer<QAction>> m_items;
};
