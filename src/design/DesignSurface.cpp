#include "design/DesignSurface.h"

#include <algorithm>

#include "design/TGGraphicControl.h"

DesignSurface::DesignSurface() = default;

DesignSurface::~DesignSurface()
{
    // Objects go first so that nothing they do on the way out reaches a half-destroyed surface.
    while (!m_objects.empty()) {
        std::unique_ptr<TGGraphicControl> object = std::move(m_objects.back());
        m_objects.pop_back();
        object->setParentSurface(nullptr);
    }
}

TGGraphicControl *DesignSurface::objectAt(int index) const
{
    if (index < 0 || index >= objectCount())
        return nullptr;
    return m_objects[std::size_t(index)].get();
}

int DesignSurface::indexOf(const TGGraphicControl &object) const
{
    const auto found = std::find_if(m_objects.begin(), m_objects.end(),
                                    [&object](const auto &owned) { return owned.get() == &object; });
    return found == m_objects.end() ? -1 : int(found - m_objects.begin());
}

TGGraphicControl *DesignSurface::addObject(std::unique_ptr<TGGraphicControl> object)
{
    TGGraphicControl *added = object.get();
    m_objects.push_back(std::move(object));
    added->setParentSurface(this);
    return added;
}

std::unique_ptr<TGGraphicControl> DesignSurface::takeObject(TGGraphicControl &object)
{
    const int index = indexOf(object);
    if (index < 0)
        return nullptr;
    objectLeaving(object);
    std::unique_ptr<TGGraphicControl> taken = std::move(m_objects[std::size_t(index)]);
    m_objects.erase(m_objects.begin() + index);
    taken->setParentSurface(nullptr);
    repaintSurface();
    return taken;
}

void DesignSurface::deleteObject(TGGraphicControl &object)
{
    takeObject(object).reset();
}

void DesignSurface::bringToFront(TGGraphicControl &object)
{
    const int index = indexOf(object);
    if (index < 0)
        return;
    std::rotate(m_objects.begin() + index, m_objects.begin() + index + 1, m_objects.end());
    objectNeedsRepaint(object);
}

void DesignSurface::sendToBack(TGGraphicControl &object)
{
    const int index = indexOf(object);
    if (index < 0)
        return;
    std::rotate(m_objects.begin(), m_objects.begin() + index, m_objects.begin() + index + 1);
    repaintSurface();
}

bool DesignSurface::hasObjectNamed(const QString &name) const
{
    return std::any_of(m_objects.begin(), m_objects.end(), [&name](const auto &object) {
        return object->name().compare(name, Qt::CaseInsensitive) == 0;
    });
}

QString DesignSurface::uniqueObjectName(const QString &prefix, int first, int last) const
{
    for (int number = first; number <= last; ++number) {
        const QString candidate = prefix + QString::number(number);
        if (!hasObjectNamed(candidate))
            return candidate;
    }
    return {};
}

void DesignSurface::hookObjectEvents()
{
    for (const auto &object : m_objects)
        object->setScale(m_scale);
}
