#include "platform/Persistent.h"

bool PropertyInfo::isOrdinal() const
{
    switch (kind) {
    case PropertyKind::Integer:
    case PropertyKind::Boolean:
    case PropertyKind::Enumeration:
    case PropertyKind::Color:
    case PropertyKind::Cursor:
    case PropertyKind::Set:
        return true;
    default:
        return false;
    }
}

const PropertyInfo *Persistent::findProperty(QByteArrayView name) const
{
    for (const PropertyInfo &info : publishedProperties()) {
        if (QByteArrayView(info.name).compare(name, Qt::CaseInsensitive) == 0)
            return &info;
    }
    return nullptr;
}

PropertyTable inheritProperties(const PropertyTable &base, std::vector<PropertyInfo> own)
{
    PropertyTable table = base;
    for (PropertyInfo &info : own)
        table.push_back(std::move(info));
    return table;
}
