#include "shell/cFile.h"

#include "platform/AnsiText.h"

#include <QFile>
#include <QStringView>

namespace {

const QString HeaderStart = QStringLiteral("[ID: ");
const QString LineEnd = QStringLiteral("\r\n");

// A block's text never has a line that could pass for a header: the rich
// text writer never starts a line with "[", and anything else that would is
// written with the bracket as the RTF escape \'5b, which reads back the same.
QString guardHeaders(const QString &text)
{
    if (!text.startsWith(QLatin1Char('[')) && !text.contains(QStringLiteral("\n[")))
        return text;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.startsWith(QLatin1Char('[')))
            line.replace(0, 1, QStringLiteral("\\'5b"));
    return lines.join(QLatin1Char('\n'));
}

// A rich-text block is whole when every group it opens is closed again; a
// file cut short, or bytes lost inside it, leave one open.
bool groupsClose(const QString &block)
{
    if (!block.trimmed().startsWith(QLatin1Char('{')))
        return true;
    int depth = 0;
    for (qsizetype i = 0; i < block.size(); ++i) {
        const QChar c = block.at(i);
        if (c == QLatin1Char('\\'))
            ++i; // \{, \} and \\ are text, not groups
        else if (c == QLatin1Char('{'))
            ++depth;
        else if (c == QLatin1Char('}') && --depth < 0)
            return false;
    }
    return depth == 0;
}

} // namespace

cFile::cFile(const QString &path) : m_path(path) {}

void cFile::WriteIt(int ID, int OpenMode, const QString &sWrite)
{
    if (OpenMode == 1)
        m_pending.clear();
    m_pending += HeaderStart + QString::number(ID) + QLatin1Char(']') + LineEnd;
    m_pending += guardHeaders(sWrite) + LineEnd;
}

void cFile::index()
{
    if (m_indexed)
        return;
    m_indexed = true;
    m_blocks.clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = AnsiText::decode(file.readAll());
    int current = -1;
    bool collecting = false;
    QString block;
    auto finish = [&] {
        if (collecting && !m_blocks.contains(current)) {
            m_blocks.insert(current, block);
            if (!groupsClose(block))
                m_damaged.insert(current);
        }
        collecting = false;
        block.clear();
    };
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        QStringView line = QStringView(text).mid(start, end - start);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        start = end + 1;
        if (line.startsWith(HeaderStart)) {
            finish();
            // Only a whole "[ID: n]" line opens a block; it must match exactly.
            if (line.endsWith(QLatin1Char(']'))) {
                bool ok = false;
                const QStringView digits =
                    line.mid(HeaderStart.size(), line.size() - HeaderStart.size() - 1);
                const int id = digits.toInt(&ok);
                if (ok && QString::number(id) == digits) {
                    current = id;
                    collecting = true;
                }
            }
            continue;
        }
        if (collecting)
            block += line.toString() + LineEnd;
    }
    finish();
}

QString cFile::ReadIt(int ID)
{
    index();
    return m_blocks.value(ID);
}

QString cFile::ReadClosed(int ID)
{
    const QString block = ReadIt(ID);
    if (!blockIsDamaged(ID))
        return block;
    QString mended;
    mended.reserve(block.size());
    int depth = 0;
    for (qsizetype i = 0; i < block.size(); ++i) {
        const QChar c = block.at(i);
        if (c == QLatin1Char('\\') && i + 1 < block.size()) {
            mended += c;
            mended += block.at(++i);
            continue;
        }
        if (c == QLatin1Char('}') && depth == 0)
            continue;
        depth += c == QLatin1Char('{') ? 1 : c == QLatin1Char('}') ? -1 : 0;
        mended += c;
    }
    return mended + QString(depth, QLatin1Char('}'));
}

bool cFile::hasBlock(int ID)
{
    index();
    return m_blocks.contains(ID);
}

bool cFile::blockIsDamaged(int ID)
{
    index();
    return m_damaged.contains(ID);
}
