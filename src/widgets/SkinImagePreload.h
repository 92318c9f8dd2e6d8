#pragma once

#include "widgets/SkinImages.h"

#include <future>
#include <vector>

// Decodes skin images on a thread of its own into the cache that getSkinImage reads, so that a
// window built a little later finds them ready: the program starts its first window while it waits
// for the display and the ports, and the editor's background takes longer to decode than anything
// else that window needs. Whoever asks for the images waits first, or a picture is decoded twice.
class SkinImagePreload
{
public:
    explicit SkinImagePreload (std::vector<SkinImageId> images);

    // Returns once every image is in the cache. Destruction waits as well.
    void wait() const;

private:
    std::future<void> decoded;
};
