// The one way to put a stand-in in place of a desktop service (tests use the doubles of
// platform/fake/): while the ScopedService lives, Current<Service>() is the given object, unless a
// newer scope installed another; its end puts back what was in use before.
//
//     RecordingLauncher launcher;
//     ScopedService<Launcher> useLauncher(launcher);
//     StartFile(path);   // recorded, nothing started
//
// Scopes nest. One that ends out of order (fixtures that reset their members in any order) takes
// only its own stand-in away and never brings back one whose scope already ended.
#pragma once

#include "platform/currentservice.h"

template <class Service>
class ScopedService
{
public:
    // The stand-in is not owned and must outlive the scope.
    explicit ScopedService(Service &standIn)
    {
        m_installation.standIn = &standIn;
        m_installation.below = platform_detail::top<Service>;
        platform_detail::top<Service> = &m_installation;
        ++platform_detail::generation<Service>;
    }
    ~ScopedService()
    {
        platform_detail::Installation<Service> **link = &platform_detail::top<Service>;
        while (*link && *link != &m_installation)
            link = &(*link)->below;
        if (*link)
            *link = m_installation.below;
        ++platform_detail::generation<Service>;
    }
    ScopedService(const ScopedService &) = delete;
    ScopedService &operator=(const ScopedService &) = delete;

private:
    platform_detail::Installation<Service> m_installation;
};
