#include "widgets/ProgramFonts.h"

#include <gtest/gtest.h>

// The framework is sent to the program's own font folder only: a wrong folder, or none found where
// the family is installed, and the first window waits for every font file on the machine again.
TEST (ProgramFonts, SearchPathIsTheUsersOrTheFolderOfTheProgramsTypeface)
{
    const juce::TemporaryFile scratch;
    const auto root = scratch.getFile();
    const auto without = root.getChildFile ("no-dejavu");
    const auto nested = root.getChildFile ("with/truetype/ttf-dejavu");
    const auto unnameable = root.getChildFile ("a,b");
    for (const auto& folder : {without.getChildFile ("sub"), nested, unnameable})
        ASSERT_TRUE (folder.createDirectory());
    without.getChildFile ("sub/DejaVuSerif.ttf").create();
    nested.getChildFile ("DejaVuSans.ttf").create();
    unnameable.getChildFile ("DejaVuSans.ttf").create();

    const struct
    {
        const char* user;
        juce::Array<juce::File> roots;
        juce::String expected;
    } cases[] = {
        {"", {without, root.getChildFile ("with")}, nested.getFullPathName()},
        {"/home/me/fonts;/opt/fonts", {root.getChildFile ("with")}, "/home/me/fonts;/opt/fonts"},
        {" ", {root.getChildFile ("absent"), without}, {}},
        {"", {unnameable}, {}},
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.user);
        EXPECT_EQ (ProgramFonts::chooseSearchPath (c.user, c.roots), c.expected);
    }

    root.deleteRecursively();
}
