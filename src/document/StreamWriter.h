#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

#include "document/ValueTag.h"

// Writes tagged values, little-endian, into a byte buffer.
class StreamWriter
{
public:
    const QByteArray &bytes() const { return m_bytes; }

    void writeTag(ValueTag tag) { m_bytes.append(char(tag)); }
    void writeListBegin() { writeTag(ValueTag::vaList); }
    void writeListEnd() { writeTag(ValueTag::vaNull); }
    void writeSignature() { m_bytes.append(objectSignature, 4); }
    // Untagged: one length byte, then at most 255 characters.
    void writeShortString(QByteArrayView text);

    // The smallest of vaInt8, vaInt16 and vaInt32 that holds the value.
    void writeInteger(qint32 value);
    void writeFloat(double value);
    // vaString below 256 characters, otherwise vaLString; Windows-1252 bytes.
    void writeString(const QString &text);
    // "False", "True" and "nil" have tags of their own.
    void writeIdent(QByteArrayView ident);
    void writeBoolean(bool value) { writeTag(value ? ValueTag::vaTrue : ValueTag::vaFalse); }
    // Members in ordinal order, ended by an empty name.
    void writeSet(const std::vector<QByteArray> &memberNames, quint32 members);
    void writeBinary(QByteArrayView data);

private:
    void writeLittleEndian(quint32 value, int byteCount);

    QByteArray m_bytes;
};
