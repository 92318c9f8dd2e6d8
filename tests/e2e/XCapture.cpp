#include "XCapture.h"

// Last: Xlib's macros (None, Status, KeyPress...) would clash with JUCE's names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace
{
// One colour channel of a pixel, whatever the display's depth, scaled to 8 bits.
juce::uint8 channel (unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1) == 0)
        ++shift;
    const auto maximum = mask >> shift;
    return (juce::uint8) (((pixel >> shift) & maximum) * 255 / maximum);
}
} // namespace

juce::Image captureXWindow (const juce::String& windowId)
{
    const std::unique_ptr<Display, int (*) (Display*)> display (XOpenDisplay (nullptr), XCloseDisplay);
    if (display == nullptr)
        return {};

    // Read from the screen rather than from the window itself: X refuses to read a window that
    // reaches past the edge of the screen, and a picture of the screen shows what a user sees.
    const auto root = DefaultRootWindow (display.get());
    const auto window = windowId.isEmpty() ? root : (Window)windowId.getLargeIntValue();
    XWindowAttributes attributes, screen;
    Window child;
    int left = 0, top = 0;
    if (XGetWindowAttributes (display.get(), window, &attributes) == 0 ||
        attributes.map_state != IsViewable || XGetWindowAttributes (display.get(), root, &screen) == 0 ||
        !XTranslateCoordinates (display.get(), window, root, 0, 0, &left, &top, &child))
        return {};

    const auto area = juce::Rectangle<int> (left, top, attributes.width, attributes.height)
                          .getIntersection ({screen.width, screen.height});
    if (area.isEmpty())
        return {};

    const auto destroy = [] (XImage* image) { XDestroyImage (image); };
    const std::unique_ptr<XImage, decltype (destroy)> pixels (
        XGetImage (display.get(), root, area.getX(), area.getY(), (unsigned int)area.getWidth(),
                   (unsigned int)area.getHeight(), AllPlanes, ZPixmap),
        destroy);
    if (pixels == nullptr)
        return {};

    juce::Image picture (juce::Image::RGB, area.getWidth(), area.getHeight(), false);
    const juce::Image::BitmapData data (picture, juce::Image::BitmapData::writeOnly);
    for (int y = 0; y < area.getHeight(); ++y)
    {
        for (int x = 0; x < area.getWidth(); ++x)
        {
            const auto pixel = XGetPixel (pixels.get(), x, y);
            data.setPixelColour (x, y,
                                 juce::Colour (channel (pixel, pixels->red_mask),
                                               channel (pixel, pixels->green_mask),
                                               channel (pixel, pixels->blue_mask)));
        }
    }
    return picture;
}

juce::uint64 xWindowManagerId()
{
    const std::unique_ptr<Display, int (*) (Display*)> display (XOpenDisplay (nullptr), XCloseDisplay);
    return display ? XGetSelectionOwner (display.get(), XInternAtom (display.get(), "WM_S0", False)) : 0;
}

juce::StringArray xStackingOrder()
{
    const std::unique_ptr<Display, int (*) (Display*)> display (XOpenDisplay (nullptr), XCloseDisplay);
    const auto name =
        display != nullptr ? XInternAtom (display.get(), "_NET_CLIENT_LIST_STACKING", False) : 0;
    XTextProperty list{};
    juce::StringArray ids;
    if (name != 0 && XGetTextProperty (display.get(), DefaultRootWindow (display.get()), &list, name) != 0)
        for (unsigned long i = 0; i < list.nitems; ++i)
            ids.add (juce::String ((juce::uint64) reinterpret_cast<const long*> (list.value)[i]));
    XFree (list.value);
    return ids;
}

bool askXWindowManagerToClose (const juce::String& windowId)
{
    const std::unique_ptr<Display, int (*) (Display*)> display (XOpenDisplay (nullptr), XCloseDisplay);
    if (display == nullptr)
        return false;
    // As a pager or a tool acting for the user (2) asks, at CurrentTime (0); sent as the display closes.
    const auto close = XInternAtom (display.get(), "_NET_CLOSE_WINDOW", False);
    XEvent request{};
    request.xclient = {ClientMessage, 0, True, nullptr, (Window)windowId.getLargeIntValue(), close, 32, {}};
    request.xclient.data.l[1] = 2;
    return XSendEvent (display.get(), DefaultRootWindow (display.get()), False,
                       SubstructureRedirectMask | SubstructureNotifyMask, &request) != 0;
}
