#include "document/StreamWriter.h"

#include "platform/AnsiText.h"
#include "platform/ExtendedFloat.h"

void StreamWriter::writeLittleEndian(quint32 value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        m_bytes.append(char((value >> (8 * i)) & 0xFF));
}

void StreamWriter::writeShortString(QByteArrayView text)
{
    const auto length = std::min<qsizetype>(text.size(), 255);
    m_bytes.append(char(length));
    m_bytes.append(text.first(length));
}

void StreamWriter::writeInteger(qint32 value)
{
    if (value >= -128 && value <= 127) {
        writeTag(ValueTag::vaInt8);
        writeLittleEndian(quint32(value), 1);
    } else if (value >= -32768 && value <= 32767) {
        writeTag(ValueTag::vaInt16);
        writeLittleEndian(quint32(value), 2);
    } else {
        writeTag(ValueTag::vaInt32);
        writeLittleEndian(quint32(value), 4);
    }
}

void StreamWriter::writeFloat(double value)
{
    writeTag(ValueTag::vaExtended);
    const ExtendedBytes bytes = encodeExtended(value);
    m_bytes.append(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

void StreamWriter::writeString(const QString &text)
{
    const QByteArray ansi = toAnsi(text);
    if (ansi.size() < 256) {
        writeTag(ValueTag::vaString);
        writeLittleEndian(quint32(ansi.size()), 1);
    } else {
        writeTag(ValueTag::vaLString);
        writeLittleEndian(quint32(ansi.size()), 4);
    }
    m_bytes.append(ansi);
}

void StreamWriter::writeIdent(QByteArrayView ident)
{
    if (ident.compare("False", Qt::CaseInsensitive) == 0) {
        writeTag(ValueTag::vaFalse);
    } else if (ident.compare("True", Qt::CaseInsensitive) == 0) {
        writeTag(ValueTag::vaTrue);
    } else if (ident.compare("nil", Qt::CaseInsensitive) == 0) {
        writeTag(ValueTag::vaNil);
    } else {
        writeTag(ValueTag::vaIdent);
        writeShortString(ident);
    }
}

void StreamWriter::writeSet(const std::vector<QByteArray> &memberNames, quint32 members)
{
    writeTag(ValueTag::vaSet);
    for (std::size_t i = 0; i < memberNames.size() && i < 32; ++i) {
        if (members & (1u << i))
            writeShortString(memberNames[i]);
    }
    writeShortString({});
}

void StreamWriter::writeBinary(QByteArrayView data)
{
    writeTag(ValueTag::vaBinary);
    writeLittleEndian(quint32(data.size()), 4);
    m_bytes.append(data);
}
