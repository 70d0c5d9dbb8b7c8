#include "document/ObjectClassRegistry.h"

#include <vector>

#include "design/TGGraphicControl.h"

namespace {
struct RegisteredClass
{
    QByteArray name;
    ObjectClassRegistry::Factory factory;
};

std::vector<RegisteredClass> &registeredClasses()
{
    static std::vector<RegisteredClass> classes;
    return classes;
}

RegisteredClass *find(QByteArrayView className)
{
    for (RegisteredClass &entry : registeredClasses()) {
        if (QByteArrayView(entry.name).compare(className, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}
} // namespace

void ObjectClassRegistry::registerClass(const QByteArray &className, Factory factory)
{
    if (RegisteredClass *existing = find(className))
        existing->factory = std::move(factory);
    else
        registeredClasses().push_back({className, std::move(factory)});
}

std::unique_ptr<TGGraphicControl> ObjectClassRegistry::create(QByteArrayView className)
{
    const RegisteredClass *entry = find(className);
    return entry ? entry->factory() : nullptr;
}

QList<QByteArray> ObjectClassRegistry::classNames()
{
    QList<QByteArray> names;
    for (const RegisteredClass &entry : registeredClasses())
        names.append(entry.name);
    return names;
}
