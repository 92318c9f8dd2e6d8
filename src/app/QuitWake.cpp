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
    const char byte = 0;
    if (pipeEnds[1] >= 0) [[maybe_unused]]
        const auto written = ::write (pipeEnds[1], &byte, 1);
}

#else

QuitWake::QuitWake() = default;
QuitWake::~QuitWake() = default;
void QuitWake::wake() {}

#endif
