#include "widgets/ProgramFonts.h"

#include <cstdlib>

namespace
{
// The file of the program's typeface, which names the folder to look in.
const char* const typefaceFileName = "DejaVuSans.ttf";

juce::File findFolderHolding (const juce::File& root, const juce::String& fileName)
{
    // Where Debian and its derivatives put the family, looked at before walking the whole tree.
    if (const auto usual = root.getChildFile ("truetype/dejavu");
        usual.getChildFile (fileName).existsAsFile())
        return usual;

    for (const auto& entry : juce::RangedDirectoryIterator (root, true, fileName, juce::File::findFiles))
        return entry.getFile().getParentDirectory();

    return {};
}
} // namespace

juce::String ProgramFonts::chooseSearchPath (const juce::String& userSetting,
                                             const juce::Array<juce::File>& roots)
{
    if (userSetting.trim().isNotEmpty())
        return userSetting;

    for (const auto& root : roots)
    {
        const auto folder = findFolderHolding (root, typefaceFileName).getFullPathName();

        // The framework splits the setting at these characters, so such a folder cannot be named.
        if (folder.isNotEmpty() && !folder.containsAnyOf (";,"))
            return folder;
    }
    return {};
}

void ProgramFonts::limitSearchToProgramFamily()
{
#if JUCE_LINUX
    const auto userSetting = juce::SystemStats::getEnvironmentVariable ("JUCE_FONT_PATH", {});
    if (userSetting.trim().isNotEmpty())
        return;

    // The shared data folders of the base-directory convention; the user's own are left out on
    // purpose, as they are where many fonts gather.
    auto dataFolders = juce::StringArray::fromTokens (
        juce::SystemStats::getEnvironmentVariable ("XDG_DATA_DIRS", {}), ":", {});
    dataFolders.removeEmptyStrings();
    if (dataFolders.isEmpty())
        dataFolders = {"/usr/local/share", "/usr/share"};

    juce::Array<juce::File> roots;
    for (const auto& folder : dataFolders)
        if (juce::File::isAbsolutePath (folder))
            roots.add (juce::File (folder).getChildFile ("fonts"));

    const auto path = chooseSearchPath (userSetting, roots);
    if (path.isNotEmpty())
        setenv ("JUCE_FONT_PATH", path.toRawUTF8(), 1);
#endif
}
