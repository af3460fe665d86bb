#include "utilities/Sound_Engine.h"

#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

namespace {

TEST(Sound_EngineTest, PlaysAsynchronouslyAndNeverTheDefaultSound) {
    fake::FakeWindows fake;
    const std::string wave = fake.appPath() + "\\Zuve Zivi ziz Odida.wav";
    fake.makeFile(wave, "RIFF");

    utilities::PlaySound(fake, wave);
    utilities::PlaySound(fake, fake.appPath() + "\\missing.wav");

    ASSERT_EQ(fake.soundsPlayed().size(), 2u);
    EXPECT_EQ(fake.soundsPlayed()[0].path, wave);
    EXPECT_EQ(fake.soundsPlayed()[0].flags, 3u); // SND_ASYNC | SND_NODEFAULT
    EXPECT_EQ(fake.soundsPlayed()[1].flags, 3u);
    EXPECT_TRUE(fake.messageBoxes().empty());
}

} // namespace
