#include "find/NotesListModel.h"

#include <algorithm>

void NotesListModel::setRows(std::vector<Row> rows, const QStringList &terms,
                             const NoteIndex *index)
{
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        if (a.changed.isValid() != b.changed.isValid())
            return a.changed.isValid();
        return a.changed > b.changed;
    });
    beginResetModel();
    m_rows = std::move(rows);
    m_snippets.assign(m_rows.size(), std::nullopt);
    m_terms = terms;
    m_index = index;
    endResetModel();
}

int NotesListModel::rowOf(const QString &id) const
{
    const auto it = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                 [&id](const Row &row) { return row.id == id; });
    return it == m_rows.cend() ? -1 : int(it - m_rows.cbegin());
}

NoteIndex::Snippet NotesListModel::snippet(int at) const
{
    std::optional<NoteIndex::Snippet> &kept = m_snippets.at(size_t(at));
    if (!kept)
        kept = m_index ? m_index->snippet(m_rows.at(size_t(at)).id, m_terms) : NoteIndex::Snippet();
    return *kept;
}

int NotesListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant NotesListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const Row &row = m_rows.at(size_t(index.row()));
    switch (role) {
    case Qt::DisplayRole:
        return row.firstLine.isEmpty() ? tr("(empty note)") : row.firstLine;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        QStringList parts{snippet(index.row()).text};
        if (row.alarms)
            parts << tr("has alarms");
        if (row.hidden)
            parts << tr("hidden");
        if (row.bullet)
            parts << tr("shrunk to a bullet");
        parts.removeAll(QString());
        return parts.join(QStringLiteral(" · "));
    }
    default:
        return QVariant();
    }
}
