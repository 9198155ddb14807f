#pragma once

#include <QMimeData>
#include <QPointer>
#include <QTextCursor>
#include <QTextEdit>

#include <functional>
#include <optional>

class RichTextModel;

// The rich-text box of a note: QTextEdit with the classic rich-text control's property set,
// which the formatting commands and the alarm marks are written against.
//
// - Text: paragraphs joined by "\r\n"; SelStart and SelLength count characters of that text.
//   A selection set by the program may begin or end between "\r" and "\n" (or inside a
//   surrogate pair) and reads back as set; text it replaces or writes as RTF is the whole
//   characters inside it, formats it reads or sets reach the whole characters it touches.
// - The Sel... formats read the value over the whole selection or, when it mixes values, an
//   empty optional (the classic null); with nothing selected they read and write the format
//   of what is typed next. Colours are 0x00BBGGRR.
// - Change fires once for each change of the text or its formats, SelChange once for each
//   change of the selection, however many steps the change took.
// - Protected text cannot be changed by the user: typing, Enter, Delete, Backspace, paste,
//   cut, drag and drop, undo and input-method text that would change or remove a protected
//   character, or insert between two protected ones, are refused. The program's own calls
//   still change it (and then leave nothing to undo across the change).
// - KeyDown and KeyPress come before a key does anything; a handler that sets the code to 0
//   swallows the key. The box shows no context menu of its own: it asks for one with
//   ContextMenuRequested when the keyboard asks (the menu key), and MouseUp tells of the mouse's.
//   It draws no frame and no background, so what lies behind it shows.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget *parent = nullptr);
    ~RichTextBox() override;

    QString Text() const;
    void setText(const QString &text);
    int SelStart() const;
    void setSelStart(int start);
    int SelLength() const;
    void setSelLength(int length);
    QString SelText() const;
    void setSelText(const QString &text);
    QString SelRTF() const;
    void setSelRTF(const QString &rtf);
    QString TextRTF() const;
    // Replaces the whole text. It is built without layout or undo history and laid out once
    // at the end, a screenful at once and the rest while the program waits for input, so the
    // cost stays linear in the size of the text. Reading stops early when `interrupted`
    // answers true (the program is asked to end).
    void setTextRTF(const QString &rtf, const std::function<bool()> &interrupted = {});
    // Takes a whole document read elsewhere (a huge text, read on a worker thread) in place of
    // its own, with its own's settings; the old one is dropped. The box owns it from now on.
    // `source`, the RTF it was read from whole, is what TextRTF gives back until the text or
    // a format changes: an unchanged huge note is not written out anew at every save.
    void adoptDocument(QTextDocument *text, const QString &source = {});

    std::optional<bool> SelBold() const;
    void setSelBold(bool on);
    std::optional<bool> SelItalic() const;
    void setSelItalic(bool on);
    std::optional<bool> SelUnderline() const;
    void setSelUnderline(bool on);
    std::optional<bool> SelStrikeThru() const;
    void setSelStrikeThru(bool on);
    std::optional<bool> SelBullet() const;
    void setSelBullet(bool on);
    std::optional<bool> SelProtected() const;
    void setSelProtected(bool on);
    std::optional<int> SelColor() const;
    void setSelColor(int color);
    std::optional<QString> SelFontName() const;
    void setSelFontName(const QString &name);
    std::optional<double> SelFontSize() const;
    void setSelFontSize(double points);

    // Extends the selection from its end (forward) or its start (backward) over the
    // characters that are in `characters` (negate false) or are not (negate true).
    void Span(const QString &characters, bool forward, bool negate);

signals:
    void Change();
    void SelChange();
    // Classic key codes (65 for A, 37 to 40 for the arrows, 46 for Delete, 16 for Shift...)
    // and Shift as 1 Shift + 2 Ctrl + 4 Alt. Setting KeyCode to 0 swallows the key.
    void KeyDown(int &KeyCode, int Shift);
    // The character a key types (13 for Enter, 8 for Backspace); 0 swallows it, another
    // character is typed instead.
    void KeyPress(int &KeyAscii);
    // Button 1 left, 2 right, 4 middle; X and Y in pixels inside the box.
    void MouseDown(int Button, int Shift, int X, int Y);
    void MouseUp(int Button, int Shift, int X, int Y);
    void Click();
    void ContextMenuRequested(const QPoint &globalPosition);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    class Operation;

    // Characters (of text, or of its RTF) past which a text is taken to overflow a note box.
    static constexpr int LongText = 4096;

    void watchDocument();
    RichTextModel model() const;
    template <typename T, typename Read> std::optional<T> readFormat(Read read) const;
    void applyFormat(const QTextCharFormat &format, bool touchesProtection = false);
    void select(int classicStart, int classicEnd);
    bool classicSelectionHolds(const QTextCursor &cursor, const RichTextModel &text) const;
    QTextCursor formatCursor() const;
    void contentChanged();
    void selectionMaybeChanged();

    bool editByKey(const QKeyEvent &event, const QString &typed);
    QTextCharFormat userFormat(const QTextCursor &cursor) const;
    void userType(const QString &text);
    void userParagraph();
    void userDelete(QTextCursor::MoveOperation move);
    void userBackspace();
    void userDeleteEndOfLine();
    void userCut();
    void removeChecked(QTextCursor &cursor);
    void userInsert(QTextCursor &cursor, const QMimeData &source) const;
    bool draggedFromHere(const QDropEvent &event) const;
    bool dropAllowed(const QDropEvent &event) const;
    void guardDrag(bool on);

    // The classic selection last set by the program, which may split a line break or a
    // surrogate pair; -1 once the selection has moved.
    int m_classicStart = -1;
    int m_classicEnd = -1;
    int m_depth = 0;
    bool m_changed = false;
    int m_lastSelStart = 0;
    int m_lastSelLength = 0;
    bool m_dragGuarded = false;
    Qt::TextInteractionFlags m_flagsBeforeDrag;
    mutable QPointer<QMimeData> m_offered; // the last data this box gave out for a drag
    QString m_source;                      // the text as adopted, while it is unchanged
};
