#pragma once

#include "shell/Form.h"

#include <QTimer>

class NotesCatalog;
class NotesListDelegate;
class NotesListModel;
class QLabel;
class QLineEdit;
class QListView;

// The notes list: every live note (shown, hidden or a bullet) by its first line, newest change
// first, filtered as the user types. Enter or a double click brings the note up with the search
// selected in it, Delete deletes it (after asking, as the note's own Delete does). It follows
// the notes as they change and keeps its size and place.
class frmNotesList : public Form
{
    Q_OBJECT
public:
    frmNotesList(AppContext &ctx, NotesCatalog &catalog);

    QLineEdit *txtSearch = nullptr;
    QListView *lstNotes = nullptr;
    QLabel *lblCount = nullptr;
    // Gathers the notes' changes into one refresh.
    QTimer tmrRefresh;

    NotesListModel &model() { return *m_model; }

    // Filters the list by the search box.
    void txtSearch_Change();
    void lstNotes_DblClick();
    // The selected note is brought up (Enter) or deleted (Delete).
    void ShowSelected();
    void DeleteSelected();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString selectedId() const;
    void select(int row);
    void keepPlace();

    NotesCatalog &m_catalog;
    NotesListModel *m_model = nullptr;
    NotesListDelegate *m_delegate = nullptr;
};
