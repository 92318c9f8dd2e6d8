// Draws the program's skin into PNG files, one per image of the catalogue, plus a contact sheet.
// It runs at build time without a display: everything is rendered in software.

#include "skin/ContactSheet.h"
#include "skin/Preview.h"
#include "skin/SkinRenderer.h"
#include "widgets/SkinImages.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <iostream>

namespace
{
bool writePng (const juce::Image& image, const juce::File& file)
{
    juce::MemoryOutputStream png;

    if (!juce::PNGImageFormat().writeImageToStream (image, png))
        return false;

    return file.replaceWithData (png.getData(), png.getDataSize());
}
} // namespace

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: vexob_skin_generator <output folder>\n";
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI juce;
    const juce::File folder (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));

    if (!folder.createDirectory())
    {
        std::cerr << "cannot create " << folder.getFullPathName() << "\n";
        return 1;
    }

    std::vector<RenderedSkinImage> rendered;

    for (const auto& info : skinImageCatalogue)
    {
        auto image = renderSkinImage (info.id);

        if (image.getWidth() != info.width || image.getHeight() != info.height)
        {
            std::cerr << info.fileStem << ": drawn at " << image.getWidth() << " x " << image.getHeight()
                      << ", needs " << info.width << " x " << info.height << "\n";
            return 1;
        }

        if (!writePng (image, folder.getChildFile (juce::String (info.fileStem) + ".png")))
        {
            std::cerr << "cannot write " << info.fileStem << ".png\n";
            return 1;
        }

        rendered.push_back ({info, image});
    }

    if (!writePng (paintContactSheet (rendered), folder.getChildFile ("contact_sheet.png")) ||
        !writePng (skin::paintDevicePreview(), folder.getChildFile ("preview_device.png")) ||
        !writePng (skin::paintDialogPreview(), folder.getChildFile ("preview_dialogs.png")) ||
        !writePng (skin::paintControlsPreview(), folder.getChildFile ("preview_controls.png")))
    {
        std::cerr << "cannot write the contact sheet or the previews\n";
        return 1;
    }

    return 0;
}
