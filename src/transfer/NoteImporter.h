#pragma once

#include "transfer/ImportBatch.h"

#include <QColor>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

struct AppContext;
class QWidget;
class frmNote;

// Makes notes read from other programs into note windows: placed where they stood (or
// cascaded when that is unknown or off every screen), dressed in the skin nearest to their
// colour, after asking before duplicates; then tells the user what came from where and
// what could not be carried over.
class NoteImporter
{
public:
    // Notes made by one import: a window each, so more would take minutes.
    static constexpr int MaxAtOnce = 1000;

    explicit NoteImporter(AppContext &ctx);

    // Reads sources named as on the command line: "xpad", "sticky", or files (a ".json"
    // file is a Sticky Notes file, a folder an xpad folder).
    static QList<ImportBatch> ReadSources(const QStringList &sources);

    // Asks about duplicates, makes the notes and shows the summary. Returns the notes made.
    int Import(const QList<ImportBatch> &batches, QWidget *parent = nullptr);

    // What the last Import said to the user.
    QString lastSummary() const { return m_summary; }

private:
    frmNote *makeNote(const ImportBatch::Note &imported, int cascade);
    QString skinFor(const QColor &color);
    void loadSkinColors();

    AppContext &m_ctx;
    QString m_summary;
    bool m_skinColorsLoaded = false;
    // Skin list names and their mean colours; the base skin first.
    QList<QPair<QString, QColor>> m_skinColors;
};
