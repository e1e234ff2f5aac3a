#pragma once

#include "core/persistence/ListLayout.h"

#include <QObject>

#include <typeindex>
#include <unordered_map>

namespace Velmora {

/// Campaign data that several parts show, announced by the part that changed it.
enum class SharedData { Pictures, LabelCaptions, Calendar, Moons };

/// How one part uses a service of another without knowing its class: a part provides a small
/// interface ("load this Battle Box file", "retitle the reference lists"), another finds it by
/// that interface. A part that changes shared campaign data announces it; the others listen.
class PartServices : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    template<typename Service> void provide(Service *service)
    {
        m_services[std::type_index(typeid(Service))] = service;
    }
    /// The part that provides `Service`, or nullptr when no installed part does.
    template<typename Service> Service *find() const
    {
        const auto found = m_services.find(std::type_index(typeid(Service)));
        return found == m_services.end() ? nullptr : static_cast<Service *>(found->second);
    }
    void announce(SharedData what) { emit changed(what); }
    /// The list-layout reset put `list` back at its initial column widths: the part that shows
    /// the list takes them (and keeps them for the next save).
    void resetColumns(LayoutList list) { emit columnsReset(list); }

signals:
    void changed(Velmora::SharedData what);
    void columnsReset(Velmora::LayoutList list);

private:
    std::unordered_map<std::type_index, void *> m_services;
};

} // namespace Velmora
