#include "document/StreamReader.h"

#include <cstring>

#include "platform/AnsiText.h"
#include "platform/ExtendedFloat.h"

const char *StreamReader::take(qsizetype count)
{
    if (count < 0 || count > m_bytes.size() - m_position)
        throw StreamError::readError();
    const char *data = m_bytes.data() + m_position;
    m_position += count;
    return data;
}

quint32 StreamReader::readLittleEndian(int byteCount)
{
    const auto *data = reinterpret_cast<const unsigned char *>(take(byteCount));
    quint32 value = 0;
    for (int i = 0; i < byteCount; ++i)
        value |= quint32(data[i]) << (8 * i);
    return value;
}

ValueTag StreamReader::readTag()
{
    return ValueTag(readLittleEndian(1));
}

ValueTag StreamReader::peekTag() const
{
    if (atEnd())
        throw StreamError::readError();
    return ValueTag(quint8(m_bytes[m_position]));
}

void StreamReader::expectTag(ValueTag expected)
{
    if (readTag() != expected)
        throw StreamError::invalidPropertyValue();
}

void StreamReader::readSignature()
{
    if (std::memcmp(take(4), objectSignature, 4) != 0)
        throw StreamError::invalidFormat();
}

QByteArray StreamReader::readShortString()
{
    const auto length = qsizetype(readLittleEndian(1));
    return QByteArray(take(length), length);
}

qint32 StreamReader::readIntegerBody(ValueTag tag)
{
    switch (tag) {
    case ValueTag::vaInt8:
        return qint8(readLittleEndian(1));
    case ValueTag::vaInt16:
        return qint16(readLittleEndian(2));
    case ValueTag::vaInt32:
        return qint32(readLittleEndian(4));
    default:
        throw StreamError::invalidPropertyValue();
    }
}

qint32 StreamReader::readInteger()
{
    return readIntegerBody(readTag());
}

double StreamReader::readFloat()
{
    const ValueTag tag = readTag();
    if (tag != ValueTag::vaExtended)
        return readIntegerBody(tag);
    ExtendedBytes bytes;
    std::memcpy(bytes.data(), take(qsizetype(bytes.size())), bytes.size());
    return decodeExtended(bytes);
}

QString StreamReader::readString()
{
    qsizetype length = 0;
    switch (readTag()) {
    case ValueTag::vaString:
        length = qsizetype(readLittleEndian(1));
        break;
    case ValueTag::vaLString:
        length = qsizetype(readLittleEndian(4));
        break;
    default:
        throw StreamError::invalidPropertyValue();
    }
    return fromAnsi(QByteArrayView(take(length), length));
}

QByteArray StreamReader::readIdent()
{
    switch (readTag()) {
    case ValueTag::vaIdent:
        return readShortString();
    case ValueTag::vaFalse:
        return QByteArrayLiteral("False");
    case ValueTag::vaTrue:
        return QByteArrayLiteral("True");
    case ValueTag::vaNil:
        return QByteArrayLiteral("nil");
    default:
        throw StreamError::invalidPropertyValue();
    }
}

QByteArray StreamReader::readBinary()
{
    expectTag(ValueTag::vaBinary);
    const auto length = qsizetype(readLittleEndian(4));
    return QByteArray(take(length), length);
}
