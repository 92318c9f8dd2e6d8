#pragma once

#if defined(__linux__) || defined(__FreeBSD__) || defined(__OpenBSD__) || defined(__NetBSD__)
#include <dlfcn.h>

namespace testing_support
{
// A program made by JUCE installs an X error handler that ignores errors, and JUCE relies on it: on
// an X server without a window manager it asks for window-manager properties that do not exist, and
// the default handler would end the process. Test and benchmark programs are no such programs, so
// they install the same kind of handler themselves. libX11 is loaded at run time by JUCE too, so it
// is looked up likewise.
inline void ignoreXErrorsLikeTheProgram()
{
    auto* x11 = ::dlopen ("libX11.so.6", RTLD_LAZY);
    if (x11 == nullptr)
        return;
    using Handler = int (*) (void*, void*);
    using SetHandler = Handler (*) (Handler);
    if (auto setHandler = reinterpret_cast<SetHandler> (::dlsym (x11, "XSetErrorHandler")))
        setHandler ([] (void*, void*) { return 0; });
}
} // namespace testing_support
#else
namespace testing_support
{
inline void ignoreXErrorsLikeTheProgram() {}
} // namespace testing_support
#endif
