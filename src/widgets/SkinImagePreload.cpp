#include "widgets/SkinImagePreload.h"

SkinImagePreload::SkinImagePreload (std::vector<SkinImageId> images)
    // The image cache is locked against other threads, and decoding touches nothing else shared.
    : decoded (std::async (std::launch::async,
                           [images = std::move (images)]
                           {
                               for (const auto id : images)
                                   getSkinImage (id);
                           }))
{
}

void SkinImagePreload::wait() const
{
    if (decoded.valid())
        decoded.wait();
}
