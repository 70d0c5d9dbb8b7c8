#include "document/PropertyStream.h"

#include "platform/AnsiText.h"
#include "platform/Color.h"
#include "platform/Cursor.h"

namespace {

void writeOrdinalValue(StreamWriter &writer, const PropertyInfo &info, qint64 value)
{
    switch (info.kind) {
    case PropertyKind::Integer:
        writer.writeInteger(qint32(value));
        break;
    case PropertyKind::Boolean:
        writer.writeBoolean(value != 0);
        break;
    case PropertyKind::Enumeration:
        if (value >= 0 && value < qint64(info.names.size()))
            writer.writeIdent(info.names[std::size_t(value)]);
        else
            writer.writeInteger(qint32(value));
        break;
    case PropertyKind::Color:
        if (const auto ident = colorToIdent(TColor(value)))
            writer.writeIdent(*ident);
        else
            writer.writeInteger(qint32(value));
        break;
    case PropertyKind::Cursor:
        if (const auto ident = cursorToIdent(TCursor(value)))
            writer.writeIdent(*ident);
        else
            writer.writeInteger(qint32(value));
        break;
    case PropertyKind::Set:
        writer.writeSet(info.names, quint32(value));
        break;
    default:
        break;
    }
}

void writePropertiesWithPrefix(StreamWriter &writer, const Persistent &object, const QByteArray &prefix)
{
    for (const PropertyInfo &info : object.publishedProperties()) {
        if (!PropertyStream::isStored(info, object))
            continue;
        const QByteArray name = prefix + info.name;
        if (info.isOrdinal()) {
            writer.writeShortString(name);
            writeOrdinalValue(writer, info, info.getOrdinal(object));
            continue;
        }
        switch (info.kind) {
        case PropertyKind::Float:
            writer.writeShortString(name);
            writer.writeFloat(info.getFloat(object));
            break;
        case PropertyKind::String:
            writer.writeShortString(name);
            writer.writeString(info.getString(object));
            break;
        case PropertyKind::StringList:
            writer.writeShortString(name + ".Strings");
            writer.writeListBegin();
            for (const QString &line : info.getStrings(object))
                writer.writeString(line);
            writer.writeListEnd();
            break;
        case PropertyKind::Binary:
            writer.writeShortString(name + ".Data");
            writer.writeBinary(info.getBinary(object));
            break;
        case PropertyKind::Nested:
            // The nested value is only read here; the accessor is shared with reading.
            writePropertiesWithPrefix(writer, *info.nested(const_cast<Persistent &>(object)), name + '.');
            break;
        default:
            break;
        }
    }
}

qint64 readNamedOrdinal(const QByteArray &ident, const std::vector<QByteArray> &names)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (QByteArrayView(names[i]).compare(ident, Qt::CaseInsensitive) == 0)
            return qint64(i);
    }
    throw StreamError::invalidPropertyValue();
}

qint64 readOrdinalValue(StreamReader &reader, const PropertyInfo &info)
{
    switch (info.kind) {
    case PropertyKind::Integer:
        return reader.readInteger();
    case PropertyKind::Boolean:
    case PropertyKind::Enumeration:
        return readNamedOrdinal(reader.readIdent(), info.names);
    case PropertyKind::Color:
    case PropertyKind::Cursor: {
        if (reader.peekTag() != ValueTag::vaIdent)
            return reader.readInteger();
        const QByteArray ident = reader.readIdent();
        const auto value = info.kind == PropertyKind::Color ? identToColor(ident) : identToCursor(ident);
        if (!value)
            throw StreamError::invalidPropertyValue();
        return *value;
    }
    case PropertyKind::Set: {
        reader.expectTag(ValueTag::vaSet);
        quint32 members = 0;
        for (QByteArray member = reader.readShortString(); !member.isEmpty();
             member = reader.readShortString())
            members |= 1u << readNamedOrdinal(member, info.names);
        return members;
    }
    default:
        throw StreamError::invalidPropertyValue();
    }
}

void readValue(StreamReader &reader, const PropertyInfo &info, Persistent &object)
{
    if (info.isOrdinal()) {
        info.setOrdinal(object, readOrdinalValue(reader, info));
        return;
    }
    switch (info.kind) {
    case PropertyKind::Float:
        info.setFloat(object, reader.readFloat());
        break;
    case PropertyKind::String:
        info.setString(object, reader.readString());
        break;
    case PropertyKind::StringList: {
        reader.readListBegin();
        QStringList lines;
        while (!reader.endOfList())
            lines.append(reader.readString());
        reader.readListEnd();
        info.setStrings(object, lines);
        break;
    }
    case PropertyKind::Binary:
        info.setBinary(object, reader.readBinary());
        break;
    default:
        throw StreamError::invalidPropertyValue();
    }
}

} // namespace

bool PropertyStream::isStored(const PropertyInfo &info, const Persistent &object)
{
    if (info.stored && !info.stored(object))
        return false;
    if (info.isOrdinal())
        return !info.defaultValue || info.getOrdinal(object) != *info.defaultValue;
    switch (info.kind) {
    case PropertyKind::Float:
        return info.getFloat(object) != 0;
    case PropertyKind::String:
        return !info.getString(object).isEmpty();
    case PropertyKind::StringList:
        return !info.getStrings(object).isEmpty();
    case PropertyKind::Binary:
        return !info.getBinary(object).isEmpty();
    default:
        return true;
    }
}

void PropertyStream::writeProperties(StreamWriter &writer, const Persistent &object)
{
    writePropertiesWithPrefix(writer, object, {});
}

void PropertyStream::readProperty(StreamReader &reader, Persistent &object)
{
    const QByteArray name = reader.readShortString();
    const QList<QByteArray> path = name.split('.');
    Persistent *target = &object;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const PropertyInfo *info = target->findProperty(path[i]);
        const qsizetype rest = path.size() - i - 1;
        if (info && info->kind == PropertyKind::Nested && rest > 0) {
            target = info->nested(*target);
            continue;
        }
        const bool plain = info && info->kind != PropertyKind::Nested &&
                           info->kind != PropertyKind::StringList && info->kind != PropertyKind::Binary &&
                           rest == 0;
        const bool strings = info && info->kind == PropertyKind::StringList && rest == 1 &&
                             path[i + 1].compare("Strings", Qt::CaseInsensitive) == 0;
        const bool data = info && info->kind == PropertyKind::Binary && rest == 1 &&
                          path[i + 1].compare("Data", Qt::CaseInsensitive) == 0;
        if (!plain && !strings && !data)
            throw StreamError::unknownProperty(fromAnsi(name));
        readValue(reader, *info, *target);
        return;
    }
    throw StreamError::unknownProperty(fromAnsi(name));
}
