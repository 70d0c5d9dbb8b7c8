#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "document/StreamError.h"
#include "document/ValueTag.h"

// Reads tagged values from a byte buffer. Every read is checked against the bytes that are left,
// so a truncated or hostile file ends in a StreamError, never in a crash or a huge allocation.
class StreamReader
{
public:
    explicit StreamReader(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }

    qsizetype position() const { return m_position; }
    bool atEnd() const { return m_position >= m_bytes.size(); }

    ValueTag readTag();
    ValueTag peekTag() const;
    void readListBegin() { expectTag(ValueTag::vaList); }
    void readListEnd() { expectTag(ValueTag::vaNull); }
    bool endOfList() const { return peekTag() == ValueTag::vaNull; }
    // "Invalid stream format" unless the next four bytes are the object signature.
    void readSignature();
    QByteArray readShortString();

    qint32 readInteger();
    // Integers are accepted where a float is expected.
    double readFloat();
    QString readString();
    // vaFalse, vaTrue and vaNil read as "False", "True" and "nil".
    QByteArray readIdent();
    QByteArray readBinary();

    // The tags for one value, consumed; for inspection tools.
    void expectTag(ValueTag expected);

private:
    const char *take(qsizetype count);
    quint32 readLittleEndian(int byteCount);
    qint32 readIntegerBody(ValueTag tag);

    QByteArrayView m_bytes;
    qsizetype m_position = 0;
};
