#include "platform/FrameReader.h"

#include <QIODevice>
#include <QtEndian>

bool FrameReader::read(QIODevice &device, QList<QByteArray> &frames)
{
    for (;;) {
        if (m_bodySize < 0) {
            m_header += device.read(4 - m_header.size());
            if (m_header.size() < 4)
                return true;
            const quint32 size = qFromBigEndian<quint32>(m_header.constData());
            m_header.clear();
            // 0xFFFFFFFF is QDataStream's null array; like any size past the limit it is refused.
            if (size > m_limit)
                return false;
            m_bodySize = size;
            m_body.reserve(static_cast<qsizetype>(size));
        }
        if (m_body.size() < m_bodySize) {
            m_body += device.read(m_bodySize - m_body.size());
            if (m_body.size() < m_bodySize)
                return true;
        }
        frames.append(std::exchange(m_body, {}));
        m_bodySize = -1;
    }
}
