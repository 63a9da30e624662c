#pragma once

#include <utility>

namespace zorv {

// A process-wide service that a lower layer calls and a higher one provides: the platform, the
// main frame, the result links, the journal. The provider is installed by an InstalledScope for as
// long as it lives; a test installs its fake the same way. Not owned; nullptr when none is
// installed, which each caller turns into its own fallback.
template<class T>
class Installed
{
public:
    static T *get() { return s_current; }

    // Installs `service` (nullptr: none) and returns the one it replaces.
    static T *set(T *service) { return std::exchange(s_current, service); }

private:
    static inline T *s_current = nullptr;
};

// Installs a service for the lifetime of the scope, then puts back the one it found. Scopes nest.
template<class T>
class InstalledScope
{
public:
    explicit InstalledScope(T &service)
        : m_previous(Installed<T>::set(&service))
    {}

    ~InstalledScope() { Installed<T>::set(m_previous); }

    InstalledScope(const InstalledScope &) = delete;
    InstalledScope &operator=(const InstalledScope &) = delete;

private:
    T *m_previous;
};

} // namespace zorv
