#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <type_traits>
#include <vector>

class Persistent;

// How a published property is streamed. Ordinal kinds (integers, Booleans, enumerations, colours,
// cursors, sets) share one integer accessor; the others have their own.
enum class PropertyKind {
    Integer,
    Boolean,
    Enumeration,
    Color,
    Cursor,
    Set,
    Float,
    String,
    StringList, // streamed as Name.Strings
    Binary,     // streamed as Name.Data; an empty block means "nothing to store"
    Nested      // a font, pen or brush: its own properties under Name.Sub
};

struct PropertyInfo
{
    QByteArray name;
    PropertyKind kind = PropertyKind::Integer;
    // Enumeration values or set members, by ordinal.
    std::vector<QByteArray> names;
    // Ordinal kinds are skipped when equal to this; without one they are always written.
    std::optional<qint64> defaultValue;
    // Further condition for writing; empty means always.
    std::function<bool(const Persistent &)> stored;

    std::function<qint64(const Persistent &)> getOrdinal;
    std::function<void(Persistent &, qint64)> setOrdinal;
    std::function<double(const Persistent &)> getFloat;
    std::function<void(Persistent &, double)> setFloat;
    std::function<QString(const Persistent &)> getString;
    std::function<void(Persistent &, const QString &)> setString;
    std::function<QStringList(const Persistent &)> getStrings;
    std::function<void(Persistent &, const QStringList &)> setStrings;
    std::function<QByteArray(const Persistent &)> getBinary;
    std::function<void(Persistent &, const QByteArray &)> setBinary;
    std::function<Persistent *(Persistent &)> nested;

    bool isOrdinal() const;
};

using PropertyTable = std::vector<PropertyInfo>;

// Anything whose state is its published properties: label objects and their fonts, pens and
// brushes. The stream, clones and the document inspector work only through this table.
class Persistent
{
public:
    virtual ~Persistent() = default;
    virtual const PropertyTable &publishedProperties() const = 0;

    const PropertyInfo *findProperty(QByteArrayView name) const;
};

// Builds a subclass table: the base's properties first, then the subclass's in declaration order.
PropertyTable inheritProperties(const PropertyTable &base, std::vector<PropertyInfo> own);

// Declaration helpers: member-function accessors of class T.
namespace Published {

template<class T, class V>
PropertyInfo ordinal(QByteArray name, PropertyKind kind, V (T::*get)() const, void (T::*set)(V),
                     std::optional<qint64> defaultValue = std::nullopt, std::vector<QByteArray> names = {})
{
    PropertyInfo info;
    info.name = std::move(name);
    info.kind = kind;
    info.names = std::move(names);
    info.defaultValue = defaultValue;
    info.getOrdinal = [get](const Persistent &object) {
        return static_cast<qint64>((static_cast<const T &>(object).*get)());
    };
    info.setOrdinal = [set](Persistent &object, qint64 value) {
        (static_cast<T &>(object).*set)(static_cast<V>(value));
    };
    return info;
}

template<class T>
PropertyInfo integer(QByteArray name, int (T::*get)() const, void (T::*set)(int),
                     std::optional<qint64> defaultValue = std::nullopt)
{
    return ordinal(std::move(name), PropertyKind::Integer, get, set, defaultValue);
}

template<class T>
PropertyInfo boolean(QByteArray name, bool (T::*get)() const, void (T::*set)(bool),
                     std::optional<bool> defaultValue = std::nullopt)
{
    std::optional<qint64> ordinalDefault;
    if (defaultValue)
        ordinalDefault = *defaultValue ? 1 : 0;
    return ordinal(std::move(name), PropertyKind::Boolean, get, set, ordinalDefault, {"False", "True"});
}

template<class T, class E>
PropertyInfo enumeration(QByteArray name, E (T::*get)() const, void (T::*set)(E),
                         std::vector<QByteArray> names,
                         std::type_identity_t<std::optional<E>> defaultValue = std::nullopt)
{
    std::optional<qint64> ordinalDefault;
    if (defaultValue)
        ordinalDefault = static_cast<qint64>(*defaultValue);
    return ordinal(std::move(name), PropertyKind::Enumeration, get, set, ordinalDefault, std::move(names));
}

template<class T, class V> PropertyInfo floating(QByteArray name, V (T::*get)() const, void (T::*set)(V))
{
    PropertyInfo info;
    info.name = std::move(name);
    info.kind = PropertyKind::Float;
    info.getFloat = [get](const Persistent &object) {
        return double((static_cast<const T &>(object).*get)());
    };
    info.setFloat = [set](Persistent &object, double value) { (static_cast<T &>(object).*set)(V(value)); };
    return info;
}

template<class T>
PropertyInfo string(QByteArray name, QString (T::*get)() const, void (T::*set)(const QString &))
{
    PropertyInfo info;
    info.name = std::move(name);
    info.kind = PropertyKind::String;
    info.getString = [get](const Persistent &object) { return (static_cast<const T &>(object).*get)(); };
    info.setString = [set](Persistent &object, const QString &value) {
        (static_cast<T &>(object).*set)(value);
    };
    return info;
}

template<class T>
PropertyInfo strings(QByteArray name, QStringList (T::*get)() const, void (T::*set)(const QStringList &))
{
    PropertyInfo info;
    info.name = std::move(name);
    info.kind = PropertyKind::StringList;
    info.getStrings = [get](const Persistent &object) { return (static_cast<const T &>(object).*get)(); };
    info.setStrings = [set](Persistent &object, const QStringList &value) {
        (static_cast<T &>(object).*set)(value);
    };
    return info;
}

template<class T>
PropertyInfo binary(QByteArray name, QByteArray (T::*get)() const, void (T::*set)(const QByteArray &))
{
    PropertyInfo info;
    info.name = std::move(name);
    info.kind = PropertyKind::Binary;
    info.getBinary = [get](const Persistent &object) { return (static_cast<const T &>(object).*get)(); };
    info.setBinary = [set](Persistent &object, const QByteArray &value) {
        (static_cast<T &>(object).*set)(value);
    };
    return info;
}

template<class T, class N> PropertyInfo nested(QByteArray name, N &(T::*get)())
{
    PropertyInfo info;
    info.name = std::move(name);
    info.kind = PropertyKind::Nested;
    info.nested = [get](Persistent &object) -> Persistent * { return &(static_cast<T &>(object).*get)(); };
    return info;
}

} // namespace Published
