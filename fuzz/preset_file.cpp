// A "*.vexob" file with any content: the check and the loader must agree, a refused file must
// leave the preset unchanged, and every outcome is one of the open results.
#include "engine/VexoBEditorEngine.h"

#include <cstdlib>

namespace
{
struct OpenResults : VexoEditorEngine::Listener
{
    int last = -1;
    void sendPresetResult (EditorPreset::Ptr, int) override {}
    void requestPresetResult (int) override {}
    void openPresetFileResult (int result) override { last = result; }
    void savePresetFileResult (int) override {}
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    struct Fixture
    {
        VexoBEditorEngine::Ptr engine = new VexoBEditorEngine (nullptr);
        OpenResults results;
        EditorPreset::Ptr preset = engine->createPreset();
        juce::File file = juce::File::createTempFile ("vexob");

        Fixture() { engine->addListener (&results); }
        ~Fixture()
        {
            engine->removeListener (&results);
            file.deleteFile();
        }
    };
    static Fixture f;

    if (size > 8192)
        return 0;

    // Writing nothing removes the file: the empty input stands for a missing file.
    if (!f.file.replaceWithData (data, size) && size > 0)
        return 0;

    const auto before = f.preset->toBytes();
    const bool accepted = f.engine->checkPresetFile (f.file);
    f.engine->loadPresetFile (f.file, f.preset);
    f.engine->handleAsyncUpdate();

    const int expected = size == 0
                             ? VexoEditorEngine::fileMissing
                             : (accepted ? VexoEditorEngine::fileLoaded : VexoEditorEngine::fileInvalid);
    if (f.results.last != expected)
        std::abort();
    if (!accepted && f.preset->toBytes() != before)
        std::abort();
    return 0;
}
