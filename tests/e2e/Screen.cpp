#include "Screen.h"

#include "TestProcess.h"
#include "XCapture.h"

#include <cstring>
#include <utility>

namespace screen
{
namespace
{
struct ToolResult
{
    bool succeeded = false;
    juce::String output;
};

ToolResult xdotool (const juce::StringArray& arguments)
{
    juce::StringArray command{"xdotool"};
    command.addArray (arguments);

    // Its complaints about windows that have just gone are no news to a test, so only its standard
    // output is kept.
    TestProcess child;
    if (!child.start (command, juce::ChildProcess::wantStdOut))
        return {};
    auto output = child.readAllProcessOutput();
    if (!child.waitForProcessToFinish (5000))
        return {};
    return {child.getExitCode() == 0, output};
}

juce::String asRegexMatchingExactly (const juce::String& text)
{
    juce::String pattern ("^");
    for (const auto character : text)
    {
        if (juce::String ("\\^$.|?*+()[]{}").containsChar (character))
            pattern << '\\';
        pattern << juce::String::charToString (character);
    }
    return pattern + "$";
}

juce::String findShowing (const juce::String& title)
{
    // xdotool matches titles by a regular expression that ignores case, so its answer only narrows
    // the search down; each candidate's own title decides.
    const auto found = xdotool ({"search", "--onlyvisible", "--name", asRegexMatchingExactly (title)});
    for (const auto& line : juce::StringArray::fromLines (found.output))
    {
        const auto id = line.trim();
        if (id.isNotEmpty() && xdotool ({"getwindowname", id}).output.trimCharactersAtEnd ("\r\n") == title)
            return id;
    }
    return {};
}

bool focus (const juce::String& id)
{
    // No window manager hands the focus around on the test display, and a window the program has
    // just closed leaves it on the root window; so the window is given the focus here, and that is
    // checked, since the program may itself be moving the focus to a window it has just opened.
    const auto hasFocus = [&id] { return xdotool ({"getwindowfocus", "-f"}).output.trim() == id; };
    return waitUntil (
        [&]
        {
            if (hasFocus())
                return true;
            xdotool ({"windowfocus", id});
            return hasFocus();
        },
        3000);
}

// Lets go of the modifiers that xdotool's "ctrl", "shift", "alt" and "super" press, in case an
// earlier command was cut short while it held one. For a key that is not down the server sends
// nothing, so this costs the program nothing. Chained in front of the command that follows.
juce::StringArray releasingModifiersFirst (const juce::StringArray& command)
{
    juce::StringArray chained{"keyup", "Control_L", "Shift_L", "Alt_L", "Super_L"};
    chained.addArray (command);
    return chained;
}

juce::Rectangle<int> getBoundsOf (const juce::String& id)
{
    juce::StringPairArray values;
    for (const auto& line :
         juce::StringArray::fromLines (xdotool ({"getwindowgeometry", "--shell", id}).output))
        values.set (line.upToFirstOccurrenceOf ("=", false, false),
                    line.fromFirstOccurrenceOf ("=", false, false));
    if (values["WIDTH"].isEmpty())
        return {};
    return {values["X"].getIntValue(), values["Y"].getIntValue(), values["WIDTH"].getIntValue(),
            values["HEIGHT"].getIntValue()};
}

bool samePixels (const juce::Image& first, const juce::Image& second)
{
    if (first.isNull() || first.getBounds() != second.getBounds())
        return false;
    const juce::Image::BitmapData a (first, juce::Image::BitmapData::readOnly);
    const juce::Image::BitmapData b (second, juce::Image::BitmapData::readOnly);
    for (int y = 0; y < first.getHeight(); ++y)
        if (std::memcmp (a.getLinePointer (y), b.getLinePointer (y),
                         (size_t)(first.getWidth() * a.pixelStride)) != 0)
            return false;
    return true;
}

bool writePng (const juce::Image& picture, const juce::File& png)
{
    if (picture.isNull() || !png.getParentDirectory().createDirectory() || !png.deleteFile())
        return false;
    juce::FileOutputStream stream (png);
    return stream.openedOk() && juce::PNGImageFormat().writeImageToStream (picture, stream);
}

bool pressKeysInWindow (const juce::String& title, const juce::String& keys, int windowTimeoutMs)
{
    const auto id = waitForWindow (title, windowTimeoutMs);
    if (id.isEmpty() || !focus (id))
        return false;

    // Press and release go out together: the server delivers both to the window that has the focus
    // before the program has even read the press, so a key that closes the window cannot send its
    // release elsewhere.
    juce::StringArray command{"key", "--delay", "0"};
    command.addTokens (keys, " ", {});
    command.removeEmptyStrings();
    return xdotool (releasingModifiersFirst (command)).succeeded;
}
} // namespace

bool waitUntil (const std::function<bool()>& condition, int timeoutMs)
{
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32)timeoutMs;
    while (!condition())
    {
        if (juce::Time::getMillisecondCounter() >= deadline)
            return false;
        juce::Thread::sleep (50);
    }
    return true;
}

juce::String waitForWindow (const juce::String& title, int timeoutMs)
{
    juce::String id;
    waitUntil (
        [&]
        {
            id = findShowing (title);
            return id.isNotEmpty();
        },
        timeoutMs);
    return id;
}

bool isShowing (const juce::String& title)
{
    return findShowing (title).isNotEmpty();
}

juce::Rectangle<int> getBounds (const juce::String& title)
{
    const auto id = findShowing (title);
    return id.isEmpty() ? juce::Rectangle<int>() : getBoundsOf (id);
}

bool pressKeys (const juce::String& title, const juce::String& keys)
{
    return pressKeysInWindow (title, keys, 15000);
}

bool pressKeysUntil (const juce::String& title, const juce::String& keys, const std::function<bool()>& effect,
                     int timeoutMs)
{
    // The window is looked up for every try: JUCE sometimes replaces a window's native one with a
    // new one, under the same title.
    return waitUntil ([&] { return pressKeysInWindow (title, keys, 2000) && waitUntil (effect, 3000); },
                      timeoutMs);
}

bool typeText (const juce::String& title, const juce::String& text)
{
    const auto id = waitForWindow (title);
    return id.isNotEmpty() && focus (id) &&
           xdotool (releasingModifiersFirst ({"type", "--delay", "10", "--", text})).succeeded;
}

bool click (const juce::String& title, juce::Point<int> position, int button, int count)
{
    const auto id = waitForWindow (title);
    return id.isNotEmpty() &&
           xdotool (releasingModifiersFirst ({"windowraise", id, "mousemove", "--window", id, "--sync",
                                              juce::String (position.x), juce::String (position.y), "click",
                                              "--repeat", juce::String (count), "--delay", "80",
                                              juce::String (button)}))
               .succeeded;
}

bool pressKeysInFocus (const juce::String& keys)
{
    juce::StringArray command{"key", "--delay", "60"};
    command.addTokens (keys, " ", {});
    command.removeEmptyStrings();
    return xdotool (releasingModifiersFirst (command)).succeeded;
}

bool chooseMenuItem (const juce::String& title, int menuIndex, int itemIndex,
                     const std::function<bool()>& effect, int timeoutMs)
{
    // The open menu has the keyboard focus, not the main window.
    juce::StringArray keys;
    for (int i = 0; i < menuIndex; ++i)
        keys.add ("Right");
    for (int i = 0; i <= itemIndex; ++i)
        keys.add ("Down");
    keys.add ("Return");

    return waitUntil (
        [&]
        {
            // Onto the bar from below: under a window manager a bar whose menu went as a window took the
            // focus may count it as open, ignore a click and open a menu only as the pointer comes over.
            const auto id = waitForWindow (title);
            if (!xdotool ({"mousemove", "--window", id, "--sync", "20", "60", "sleep", "0.2"}).succeeded ||
                !click (title, {20, 12}))
                return false;
            juce::Thread::sleep (400);
            return pressKeysInFocus (keys.joinIntoString (" ")) && waitUntil (effect, 3000);
        },
        timeoutMs);
}

bool drag (const juce::String& title, juce::Point<int> from, juce::Point<int> to, int steps)
{
    const auto id = waitForWindow (title);
    if (id.isEmpty() || steps < 1)
        return false;
    const auto origin = getBoundsOf (id).getPosition();

    const auto moveTo = [&origin] (juce::Point<int> point) -> juce::StringArray
    {
        const auto onScreen = origin + point;
        return {"mousemove", "--sync", juce::String (onScreen.x), juce::String (onScreen.y)};
    };
    auto command = releasingModifiersFirst ({"windowraise", id});
    command.addArray (moveTo (from));
    command.addArray ({"mousedown", "1"});
    for (int step = 1; step <= steps; ++step)
    {
        command.addArray ({"sleep", "0.02"});
        command.addArray (moveTo (from + (to - from) * step / steps));
    }
    command.addArray ({"sleep", "0.02", "mouseup", "1"});
    return xdotool (command).succeeded;
}

juce::Image takePicture (const juce::String& title)
{
    const auto id = waitForWindow (title);
    if (id.isEmpty() || !xdotool ({"windowraise", id}).succeeded)
        return {};

    // A window just raised, opened or changed is still being painted: the picture is taken again
    // until two in a row agree.
    juce::Image picture = captureXWindow (id), previous;
    waitUntil (
        [&]
        {
            previous = std::exchange (picture, captureXWindow (id));
            return samePixels (picture, previous);
        },
        3000);
    return picture;
}

bool saveScreenshot (const juce::String& title, const juce::File& png)
{
    return writePng (takePicture (title), png);
}

bool saveScreenshot (const juce::File& png)
{
    return writePng (captureXWindow ({}), png);
}
} // namespace screen
