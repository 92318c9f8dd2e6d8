#pragma once

#include "widgets/SkinImages.h"

#include <future>
#include <utility>
#include <vector>

// Decodes skin images on a thread of its own, so that a window built a little later finds them
// ready: the program starts its first window while it waits for the display and the ports, and the
// editor's background takes longer to decode than anything else that window needs. The thread
// only decodes; the images reach the cache that getSkinImage reads when they are collected, on the
// message thread, as the cache allows no other. Whoever asks for the images collects them first,
// or a picture is decoded twice.
class SkinImagePreload
{
public:
    explicit SkinImagePreload (std::vector<SkinImageId> images);

    // Waits for the thread and puts its images in the cache; later calls do nothing. Destruction
    // waits as well, and drops what was not collected.
    void collect();

private:
    std::future<std::vector<std::pair<SkinImageId, juce::Image>>> decoded;
};
