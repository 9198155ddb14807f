#pragma once

#include "find/NoteIndex.h"

#include <QAbstractListModel>
#include <QColor>
#include <QDateTime>
#include <QPointer>
#include <optional>
#include <vector>

class frmNote;

// The rows of the notes list: one per note, with what its two lines show. The second line
// (where the search was found) is worked out only for rows that are drawn.
class NotesListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    struct Row
    {
        QPointer<frmNote> note;
        QString id;
        QString firstLine;
        QColor color;
        bool alarms = false;
        bool hidden = false;
        bool bullet = false;
        QDateTime changed;
    };

    using QAbstractListModel::QAbstractListModel;

    // Newest change first; notes without a known time last.
    void setRows(std::vector<Row> rows, const QStringList &terms, const NoteIndex *index);
    const Row &row(int at) const { return m_rows.at(size_t(at)); }
    int rowOf(const QString &id) const;
    NoteIndex::Snippet snippet(int at) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    std::vector<Row> m_rows;
    mutable std::vector<std::optional<NoteIndex::Snippet>> m_snippets;
    QStringList m_terms;
    const NoteIndex *m_index = nullptr;
};
