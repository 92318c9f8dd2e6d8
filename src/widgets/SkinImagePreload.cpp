#include "widgets/SkinImagePreload.h"

#include <juce_events/juce_events.h>

#include <system_error>

SkinImagePreload::SkinImagePreload (std::vector<SkinImageId> images)
{
    // Without a thread to spare, the images are simply decoded when they are asked for.
    try
    {
        decoded = std::async (std::launch::async,
                              [images = std::move (images)]
                              {
                                  std::vector<std::pair<SkinImageId, juce::Image>> done;
                                  for (const auto id : images)
                                      done.emplace_back (id, decodeSkinImage (id));
                                  return done;
                              });
    }
    catch (const std::system_error&)
    {
    }
}

void SkinImagePreload::collect()
{
    JUCE_ASSERT_MESSAGE_THREAD
    if (decoded.valid())
        for (const auto& [id, image] : decoded.get())
            addSkinImageToCache (id, image);
}
