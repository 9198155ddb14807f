#pragma once

#include <QByteArray>
#include <QList>

class QIODevice;

// Splits what a later start sends over the local socket into frames, each a 32-bit big-endian
// length and that many bytes (a QByteArray as QDataStream writes it). Every byte is read once,
// whatever pieces it arrives in, and a frame longer than the limit is never gathered: the
// sender is to be dropped, so a client streaming without end costs no memory and no time.
class FrameReader
{
public:
    // A command line is a few hundred bytes; the largest real one carries a note read from a
    // file of at most 4 MB, up to twice that as UTF-16.
    static constexpr quint32 DefaultLimit = 9 * 1024 * 1024;

    explicit FrameReader(quint32 limit = DefaultLimit) : m_limit(limit) {}

    // Reads what the device has and appends each frame completed by it. False once a frame
    // announces more than the limit (nothing more is read then).
    bool read(QIODevice &device, QList<QByteArray> &frames);

private:
    quint32 m_limit;
    QByteArray m_header;
    QByteArray m_body;
    qint64 m_bodySize = -1; // -1 while the header is still coming
};
