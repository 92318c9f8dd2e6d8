#include "PixelProbe.h"
#include "widgets/SkinImagePreload.h"
#include "widgets/SkinImages.h"

#include <gtest/gtest.h>

using pixel_probe::averageLuminance;
using pixel_probe::maxLuminance;

TEST (SkinImages, EveryImageIsEmbeddedAndDecodesAtItsSize)
{
    ASSERT_EQ (numSkinImages, 64);

    for (const auto& info : skinImageCatalogue)
    {
        SCOPED_TRACE (info.fileStem);
        const auto image = getSkinImage (info.id);
        ASSERT_TRUE (image.isValid());
        EXPECT_EQ (image.getWidth(), info.width);
        EXPECT_EQ (image.getHeight(), info.height);
    }
}

TEST (SkinImages, CatalogueIsIndexedByIdentifier)
{
    for (int i = 0; i < numSkinImages; ++i)
        EXPECT_EQ ((int)getSkinImageInfo ((SkinImageId)i).id, i);

    EXPECT_EQ (getSkinImageInfo (SkinImageId::mainEditorBackground).width, 1176);
    EXPECT_EQ (getSkinImageInfo (SkinImageId::mainEditorBackground).height, 721);
}

TEST (SkinImages, RepeatedRequestsShareTheDecodedPixels)
{
    const auto first = getSkinImage (SkinImageId::knobNormal);
    const auto second = getSkinImage (SkinImageId::knobNormal);
    EXPECT_EQ (first.getPixelData(), second.getPixelData());
}

// The start-up's thread only decodes: the images reach the shared cache, which is the message
// thread's, when they are collected there.
TEST (SkinImages, APreloadCachesOnlyWhatTheMessageThreadCollects)
{
    juce::ImageCache::releaseUnusedImages();
    const std::vector ids{SkinImageId::mainEditorBackground, SkinImageId::aboutLogo};
    SkinImagePreload (std::vector (ids)); // waits for its thread as it goes
    for (auto id : ids)
        EXPECT_TRUE (findCachedSkinImage (id).isNull()) << "cached from the thread";

    SkinImagePreload preload (ids);
    preload.collect();
    preload.collect();
    for (auto id : ids)
        EXPECT_EQ (getSkinImage (id).getPixelData(), findCachedSkinImage (id).getPixelData());
}

// White writing goes on dark places and black writing on light ones; these checks stand where
// the windows write.
TEST (SkinImages, BackgroundIsDarkWhereTheEditorWritesWhite)
{
    const auto background = getSkinImage (SkinImageId::mainEditorBackground);

    EXPECT_LT (averageLuminance (background, {75, 95, 490, 100}), 60.0f) << "control screen";
    EXPECT_LT (averageLuminance (background, {600, 95, 300, 100}), 60.0f) << "common-parameters screen";

    for (int i = 0; i < 8; ++i)
        EXPECT_LT (averageLuminance (background, {501 + 77 * i, 329, 63, 16}), 60.0f) << "fader number " << i;
}

TEST (SkinImages, ControlsCarryingWhiteWritingAreDarkInEveryState)
{
    for (auto id : {SkinImageId::padNormal, SkinImageId::padOver, SkinImageId::padOn})
    {
        const auto pad = getSkinImage (id);
        EXPECT_LT (maxLuminance (pad, {8, 10, 85, 80}), 130.0f) << getSkinImageInfo (id).role;
    }

    // The overlay lies over the writing: it may only shade it a little.
    const auto overlay = getSkinImage (SkinImageId::padOverlay);
    for (int y = 0; y < overlay.getHeight(); ++y)
        for (int x = 0; x < overlay.getWidth(); ++x)
            ASSERT_LT (overlay.getPixelAt (x, y).getAlpha(), 40) << x << ", " << y;
}

TEST (SkinImages, KeysCarryingBlackWritingAreLightInEveryState)
{
    for (auto id : {SkinImageId::switchNormal, SkinImageId::switchOver, SkinImageId::switchOn})
        EXPECT_GT (averageLuminance (getSkinImage (id), {8, 8, 24, 15}), 170.0f)
            << getSkinImageInfo (id).role;

    for (auto id : {SkinImageId::bankButtonNormal, SkinImageId::bankButtonOver, SkinImageId::bankButtonOn})
        EXPECT_GT (averageLuminance (getSkinImage (id), {5, 5, 11, 11}), 170.0f)
            << getSkinImageInfo (id).role;

    const auto dialog = getSkinImage (SkinImageId::dialogBackground);
    EXPECT_GT (averageLuminance (dialog, {0, 40, 633, 600}), 170.0f);
}

TEST (SkinImages, ControlStatesCanBeToldApart)
{
    const std::array<std::array<SkinImageId, 3>, 5> kinds{{
        {SkinImageId::knobNormal, SkinImageId::knobOver, SkinImageId::knobOn},
        {SkinImageId::faderNormal, SkinImageId::faderOver, SkinImageId::faderOn},
        {SkinImageId::switchNormal, SkinImageId::switchOver, SkinImageId::switchOn},
        {SkinImageId::padNormal, SkinImageId::padOver, SkinImageId::padOn},
        {SkinImageId::bankButtonNormal, SkinImageId::bankButtonOver, SkinImageId::bankButtonOn},
    }};

    for (const auto& states : kinds)
    {
        SCOPED_TRACE (getSkinImageInfo (states[0]).role);
        const auto normal = getSkinImage (states[0]);
        const auto over = getSkinImage (states[1]);
        const auto on = getSkinImage (states[2]);
        EXPECT_FALSE (pixel_probe::samePixels (normal, over));
        EXPECT_FALSE (pixel_probe::samePixels (normal, on));
        EXPECT_FALSE (pixel_probe::samePixels (over, on));
    }
}

TEST (SkinImages, AboutLogoLeavesItsTextLinesPlain)
{
    const auto logo = getSkinImage (SkinImageId::aboutLogo);

    // The version line and the two notice lines are written in white there.
    EXPECT_LT (maxLuminance (logo, {0, 107, 501, 15}), 70.0f);
    EXPECT_LT (maxLuminance (logo, {0, 211, 501, 31}), 70.0f);
    // And the name stands out above them.
    EXPECT_GT (maxLuminance (logo, {0, 20, 501, 80}), 240.0f);
}
