// A "*.vexob" file with any content: the check and the loader must agree, a refused file must
// leave the preset unchanged, and every outcome is one of the open results.
#include "engine/VexoBEditorEngine.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

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

// Everything lives across runs; the preset starts from whatever the previous accepted file left.
struct Fixture
{
    VexoBEditorEngine::Ptr engine = new VexoBEditorEngine (nullptr);
    OpenResults results;
    EditorPreset::Ptr preset = engine->createPreset();
    juce::File file = juce::File::createTempFile ("vexob");
    std::string path = file.getFullPathName().toStdString();
    // What the preset holds, as last seen.
    juce::Array<juce::uint8> bytes = preset->toBytes();

    Fixture() { engine->addListener (&results); }
    ~Fixture()
    {
        engine->removeListener (&results);
        file.deleteFile();
    }

    // The file holds exactly the input afterwards; the empty input stands for a missing file.
    bool write (const uint8_t* data, size_t size)
    {
        if (size == 0)
            return file.deleteFile();

        // Rewritten in place and then cut to size, without the temporary file and the flushes to disk
        // of a safe replace, or of a file emptied and written again: only this process reads it.
        {
            std::fstream out (path, std::ios::binary | std::ios::in | std::ios::out);
            if (!out.is_open())
                out.open (path, std::ios::binary | std::ios::out);
            if (!out.write (reinterpret_cast<const char*> (data), (std::streamsize)size))
                return false;
        }
        std::error_code error;
        std::filesystem::resize_file (path, size, error);
        return !error;
    }
};

bool sameBytes (const juce::Array<juce::uint8>& a, const juce::Array<juce::uint8>& b)
{
    return a.size() == b.size() && std::memcmp (a.begin(), b.begin(), (size_t)a.size()) == 0;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    static Fixture f;

    if (size > 8192 || !f.write (data, size))
        return 0;

    const bool accepted = f.engine->checkPresetFile (f.file);
    f.engine->loadPresetFile (f.file, f.preset);
    f.engine->handleAsyncUpdate();

    const int expected = size == 0
                             ? VexoEditorEngine::fileMissing
                             : (accepted ? VexoEditorEngine::fileLoaded : VexoEditorEngine::fileInvalid);
    if (f.results.last != expected)
        std::abort();

    if (accepted)
        f.bytes = f.preset->toBytes();
    else if (!sameBytes (f.preset->toBytes(), f.bytes))
        std::abort();
    return 0;
}
