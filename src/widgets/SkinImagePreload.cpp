#include "widgets/SkinImagePreload.h"

#include <system_error>

SkinImagePreload::SkinImagePreload (std::vector<SkinImageId> images)
{
    // Without a thread to spare, the images are simply decoded when they are asked for.
    try
    {
        // The image cache is locked against other threads, and decoding touches nothing else shared.
        decoded = std::async (std::launch::async,
                              [images = std::move (images)]
                              {
                                  for (const auto id : images)
                                      getSkinImage (id);
                              });
    }
    catch (const std::system_error&)
    {
    }
}

void SkinImagePreload::wait() const
{
    if (decoded.valid())
        decoded.wait();
}
