#include "support/FakeApplicationServices.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

TEST (ApplicationServices, TheMostRecentlyMadeServicesAreCurrentUntilTheyGo)
{
    EXPECT_EQ (ApplicationServices::get(), nullptr);
    {
        FakeApplicationServices outer;
        EXPECT_EQ (ApplicationServices::get(), &outer);
        {
            FakeApplicationServices inner;
            EXPECT_EQ (ApplicationServices::get(), &inner);
        }
        EXPECT_EQ (ApplicationServices::get(), &outer);
    }
    EXPECT_EQ (ApplicationServices::get(), nullptr);
}

// What every window built on the fake relies on: a real engine on a device the test scripts.
TEST (ApplicationServices, TheFakeTalksToAScriptedDeviceThroughTheRealEngine)
{
    FakeApplicationServices services (300);
    auto* current = ApplicationServices::get();
    ASSERT_NE (current, nullptr);
    ASSERT_NE (current->getEngine(), nullptr);
    ASSERT_EQ (current->getMidiManager()->getNumOpenOutputs(), 1);

    auto preset = current->createDefaultPreset();
    ASSERT_NE (preset, nullptr);
    services.device().setSilent (true);

    struct Results : VexoEditorEngine::Listener
    {
        std::vector<int> sends;
        void sendPresetResult (EditorPreset::Ptr, int result) override { sends.push_back (result); }
        void requestPresetResult (int) override {}
        void openPresetFileResult (int) override {}
        void savePresetFileResult (int) override {}
    } results;

    current->getEngine()->addListener (&results);
    current->getEngine()->sendPreset (3, preset);
    EXPECT_TRUE (testing_support::pumpUntil ([&] { return !results.sends.empty(); }, 3000));
    current->getEngine()->removeListener (&results);
    ASSERT_EQ (results.sends.size(), 1u);
    EXPECT_EQ (results.sends[0], VexoEditorEngine::resultNoReply);
}
