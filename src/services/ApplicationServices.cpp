#include "services/ApplicationServices.h"

namespace
{
// Made and released on the message thread only, as the application and the windows are.
ApplicationServices* current = nullptr;
} // namespace

ApplicationServices::ApplicationServices() noexcept
    : previous (current)
{
    current = this;
}

ApplicationServices::~ApplicationServices()
{
    // Released in the reverse order of making, so the one made before this one is current again.
    jassert (current == this);
    if (current == this)
        current = previous;
}

ApplicationServices* ApplicationServices::get() noexcept
{
    return current;
}
