#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <functional>
#include <memory>

class TGGraphicControl;

// Label object classes by the name streams carry, compared without regard to case.
namespace ObjectClassRegistry {

using Factory = std::function<std::unique_ptr<TGGraphicControl>()>;

void registerClass(const QByteArray &className, Factory factory);
template<class T> void registerClass()
{
    registerClass(T::staticClassName(), [] { return std::make_unique<T>(); });
}
// Nothing when the class is not registered.
std::unique_ptr<TGGraphicControl> create(QByteArrayView className);
QList<QByteArray> classNames();

} // namespace ObjectClassRegistry
