#include "notes/richtext/TextLoader.h"

#include "notes/richtext/RichTextBox.h"
#include "notes/richtext/RtfReader.h"

#include <QCoreApplication>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>

TextLoader::TextLoader(RichTextBox *box, const QString &rtf, std::function<bool()> interrupted)
    : QObject(box), m_box(box), m_wasReadOnly(box->isReadOnly())
{
    box->setReadOnly(true); // what is typed now would be lost with the preview
    {
        // Its beginning shows meanwhile: the whole takes seconds to read.
        const QSignalBlocker quiet(box);
        box->setTextRTF(rtf.left(Preview));
    }
    QThread *ui = thread();
    m_thread = QThread::create([this, rtf, interrupted = std::move(interrupted), ui] {
        auto *document = new QTextDocument;
        document->setUndoRedoEnabled(false);
        QTextCursor cursor(document);
        RtfReader reader(RtfReader::Target::Document);
        reader.setInterrupt(
            [this, &interrupted] { return m_cancel || (interrupted && interrupted()); });
        reader.read(rtf, cursor);
        if (!m_cancel && !(interrupted && interrupted()))
            m_source = rtf; // read whole
        document->setUndoRedoEnabled(true);
        document->moveToThread(ui);
        m_document = document;
    });
    connect(m_thread, &QThread::finished, this, &TextLoader::adopt);
    m_thread->start();
}

TextLoader::~TextLoader()
{
    m_cancel = true;
    m_thread->wait();
    delete m_thread;
    delete m_document;
}

void TextLoader::adopt()
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_box) {
        m_box->adoptDocument(std::exchange(m_document, nullptr), m_source);
        m_box->setReadOnly(m_wasReadOnly);
    }
    emit finished();
}
