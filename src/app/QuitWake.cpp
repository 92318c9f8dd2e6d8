#include "app/QuitWake.h"

#if JUCE_LINUX || JUCE_BSD
#include <fcntl.h>
#include <unistd.h>

QuitWake::QuitWake()
{
    if (::pipe2 (pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
    {
        pipeEnds[0] = pipeEnds[1] = -1;
        return;
    }

    juce::LinuxEventLoop::registerFdCallback (pipeEnds[0],
                                              [] (int fd)
                                              {
                                                  char bytes[16];
                                                  while (::read (fd, bytes, sizeof (bytes)) > 0)
                                                  {
                                                  }
                                              });
}

QuitWake::~QuitWake()
{
    if (pipeEnds[0] < 0)
        return;
    juce::LinuxEventLoop::unregisterFdCallback (pipeEnds[0]);
    ::close (pipeEnds[0]);
    ::close (pipeEnds[1]);
}

void QuitWake::wake()
{
    if (pipeEnds[1] < 0)
        return;
    // The pipe never blocks, and it refuses a byte only when it is full, that is when wakes are
    // already waiting to be read: a byte lost here is harmless, so the result is not looked at.
    const char byte = 0;
    [[maybe_unused]] const auto lostOnlyWhenAWakeIsWaiting = ::write (pipeEnds[1], &byte, 1);
}

#else

QuitWake::QuitWake() = default;
QuitWake::~QuitWake() = default;
void QuitWake::wake() {}

#endif
