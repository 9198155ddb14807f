#include "find/frmNotesList.h"

#include "alarms/AlarmList.h"
#include "find/NotesCatalog.h"
#include "find/NotesListDelegate.h"
#include "find/NotesListModel.h"
#include "notes/frmNote.h"
#include "platform/Clock.h"
#include "shell/AppContext.h"
#include "shell/AppInfo.h"
#include "shell/mdlVariables.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QString PlaceValue = QStringLiteral("NotesListPlace");

} // namespace

frmNotesList::frmNotesList(AppContext &ctx, NotesCatalog &catalog)
    : Form(ctx, QStringLiteral("frmNotesList"), Qt::Dialog), m_catalog(catalog)
{
    setWindowTitle(tr("Notes - ") + AppInfo::Title);
    txtSearch = new QLineEdit(this);
    txtSearch->setPlaceholderText(tr("Search all notes"));
    txtSearch->setClearButtonEnabled(true);
    txtSearch->setAccessibleName(tr("Search all notes"));
    lstNotes = new QListView(this);
    lstNotes->setAccessibleName(tr("Notes"));
    lstNotes->setUniformItemSizes(true);
    lstNotes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstNotes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_model = new NotesListModel(this);
    m_delegate = new NotesListDelegate(this);
    lstNotes->setModel(m_model);
    lstNotes->setItemDelegate(m_delegate);
    lblCount = new QLabel(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(txtSearch);
    layout->addWidget(lstNotes, 1);
    layout->addWidget(lblCount);
    resize(420, 480);

    tmrRefresh.setSingleShot(true);
    tmrRefresh.setInterval(150);
    connect(&tmrRefresh, &QTimer::timeout, this, &frmNotesList::txtSearch_Change);
    connect(&m_catalog, &NotesCatalog::changed, this, [this] {
        if (isVisible())
            tmrRefresh.start();
    });
    connect(txtSearch, &QLineEdit::textChanged, this, &frmNotesList::txtSearch_Change);
    connect(txtSearch, &QLineEdit::returnPressed, this, &frmNotesList::ShowSelected);
    connect(lstNotes, &QListView::doubleClicked, this, &frmNotesList::lstNotes_DblClick);
    connect(lstNotes, &QListView::activated, this, &frmNotesList::ShowSelected);
    txtSearch->installEventFilter(this);
    lstNotes->installEventFilter(this);
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::hide);
}

void frmNotesList::Form_Load()
{
    const QStringList place =
        m_ctx.vars->RegGetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey, PlaceValue)
            .split(QLatin1Char(','));
    if (place.size() == 4) {
        QList<int> values;
        for (const QString &part : place)
            values << part.trimmed().toInt();
        const QRect kept(values[0], values[1], values[2], values[3]);
        // Only where a screen still shows it, at a size that can be used.
        if (kept.width() >= 200 && kept.height() >= 150 &&
            QGuiApplication::screenAt(kept.center())) {
            resize(kept.size());
            move(kept.topLeft());
        }
    }
    txtSearch_Change();
}

void frmNotesList::Form_Unload()
{
    tmrRefresh.stop();
    keepPlace();
}

void frmNotesList::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    // Opened to search: the keyboard goes to the search box, ready to be typed over.
    txtSearch_Change();
    activateWindow();
    txtSearch->setFocus();
    txtSearch->selectAll();
}

void frmNotesList::hideEvent(QHideEvent *event)
{
    keepPlace();
    Form::hideEvent(event);
}

void frmNotesList::keepPlace()
{
    const QRect place(pos(), size());
    m_ctx.vars->RegSetString(mdlVariables::HKEY_CURRENT_USER, AppInfo::RegistryKey, PlaceValue,
                             QStringLiteral("%1,%2,%3,%4")
                                 .arg(place.x())
                                 .arg(place.y())
                                 .arg(place.width())
                                 .arg(place.height()));
}

void frmNotesList::txtSearch_Change()
{
    tmrRefresh.stop();
    const QString keep = selectedId();
    const QString search = txtSearch->text();
    const QList<NotesCatalog::Hit> hits = m_catalog.find(search);
    std::vector<NotesListModel::Row> rows;
    rows.reserve(size_t(hits.size()));
    for (const NotesCatalog::Hit &hit : hits) {
        frmNote *note = hit.note;
        NotesListModel::Row row;
        row.note = note;
        row.id = hit.id;
        row.firstLine = hit.firstLine;
        row.color = NotesCatalog::SkinColor(note->Picture());
        row.alarms = note->lstAlarms->count() > 0;
        row.hidden = note->isHidden();
        row.bullet = note->isBullet();
        row.changed = note->LastChanged;
        rows.push_back(std::move(row));
    }
    m_delegate->setNow(m_ctx.clock->now());
    m_model->setRows(std::move(rows), NoteIndex::Terms(search), &m_catalog.index());
    const int total = int(m_catalog.index().size());
    lblCount->setText(search.trimmed().isEmpty()
                          ? tr("%1 notes").arg(total)
                          : tr("%1 of %2 notes").arg(m_model->rowCount()).arg(total));
    const int row = m_model->rowOf(keep);
    select(row >= 0 ? row : 0);
}

QString frmNotesList::selectedId() const
{
    const QModelIndex current = lstNotes->currentIndex();
    return current.isValid() ? m_model->row(current.row()).id : QString();
}

void frmNotesList::select(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    lstNotes->setCurrentIndex(m_model->index(row));
}

void frmNotesList::lstNotes_DblClick()
{
    ShowSelected();
}

void frmNotesList::ShowSelected()
{
    const QModelIndex current = lstNotes->currentIndex();
    if (!current.isValid())
        return;
    if (frmNote *note = m_model->row(current.row()).note)
        NotesCatalog::Show(note, txtSearch->text());
}

void frmNotesList::DeleteSelected()
{
    const QModelIndex current = lstNotes->currentIndex();
    if (!current.isValid())
        return;
    if (frmNote *note = m_model->row(current.row()).note)
        note->DeleteNote();
}

bool frmNotesList::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return Form::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == txtSearch) {
        // Up, down and the page keys move in the list while the search keeps the keyboard.
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(lstNotes, event);
            return true;
        default:
            break;
        }
    } else if (watched == lstNotes) {
        if (key->key() == Qt::Key_Delete) {
            DeleteSelected();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            ShowSelected();
            return true;
        }
        // Typing in the list types into the search.
        if (!key->text().isEmpty() && key->text().at(0).isPrint() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            txtSearch->setFocus();
            QCoreApplication::sendEvent(txtSearch, event);
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}
