// Which implementation of a desktop service Quorix talks to. Every service of platform/ is an
// abstract class with a static Platform() that gives the Linux implementation (all of them are
// chosen in platformservices.cpp); Current<Service>() gives the stand-in a test installed with
// ScopedService (platform/scopedservice.h) instead, while there is one.
#pragma once

#include <QtGlobal>

namespace platform_detail {
// One installed stand-in, on the stack of a service's installations (newest on top).
template <class Service>
struct Installation
{
    Service *standIn = nullptr;
    Installation *below = nullptr;
};
// The newest installation of each service; changed by ScopedService alone.
template <class Service>
inline Installation<Service> *top = nullptr;
// Counts installations and removals of stand-ins, per service.
template <class Service>
inline quint64 generation = 0;
} // namespace platform_detail

// The service in use: the newest installed stand-in, else the platform's own.
template <class Service>
Service &Current()
{
    if (const platform_detail::Installation<Service> *installed = platform_detail::top<Service>)
        return *installed->standIn;
    return Service::Platform();
}

// Changes whenever a stand-in for the service is installed or removed: what was read from the
// service before may have come from another implementation.
template <class Service>
quint64 ServiceGeneration()
{
    return platform_detail::generation<Service>;
}
