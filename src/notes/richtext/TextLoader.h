#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>

class QTextDocument;
class QThread;
class RichTextBox;

// Reads a huge note's RTF into a document of its own on a worker thread, so the program keeps
// answering meanwhile: the other notes come back and show, a stop signal is heard. Building a
// document costs microseconds per paragraph inside the text engine, seconds for millions of
// them. The box shows the text's beginning and stays read-only while it waits, then takes
// the finished document whole.
class TextLoader : public QObject
{
    Q_OBJECT
public:
    // Texts this long (characters of RTF) are read on a worker thread; shorter ones at once.
    static constexpr qsizetype Threshold = 256 * 1024;
    static bool worthIt(const QString &rtf) { return rtf.size() >= Threshold; }
    // Characters of RTF read at once, so the box shows the text's beginning while it waits.
    static constexpr qsizetype Preview = 16 * 1024;

    // Starts reading at once. The loader belongs to the box; `interrupted` (asked from the
    // worker thread) stops the reading early.
    TextLoader(RichTextBox *box, const QString &rtf, std::function<bool()> interrupted);
    // Stops the reading and waits for the worker: a box that goes away takes its loader along.
    ~TextLoader() override;

    bool isFinished() const { return m_finished; }

signals:
    // The box shows the text now (or is gone).
    void finished();

private:
    void adopt();

    QPointer<RichTextBox> m_box;
    QThread *m_thread = nullptr;
    QTextDocument *m_document = nullptr; // handed over by the worker when it ends
    QString m_source;                    // the text, once read whole
    std::atomic<bool> m_cancel{false};
    bool m_wasReadOnly = false;
    bool m_finished = false;
};
