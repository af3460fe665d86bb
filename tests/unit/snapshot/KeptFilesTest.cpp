// The system files kept with the snapshots: each is kept under a name of its content, so a
// file changed between two snapshots is kept again, and each snapshot brings back the
// content it saw.
#include "fake/FakeWindows.h"
#include "platform/Platform.h"
#include "snapshot/Snapshots.h"

#include <gtest/gtest.h>

namespace {

TEST(KeptFiles, EachSnapshotBringsBackTheContentItSaw) {
    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    const std::string logo = "c:\\logo.sys";
    // Contents as long as each other, told apart only by their last byte.
    fake.makeFile(logo, "start-up 0001");
    snapshot::takeSnapshot(platform, "98");
    fake.makeFile(logo, "start-up 0002");
    snapshot::takeSnapshot(platform, "98");
    fake.makeFile(logo, "start-up 0003");

    snapshot::restoreKept(platform, snapshot::Kept::previous, themefile::AspectSet::all(), "98");
    EXPECT_EQ(fake.fileBytes(logo), "start-up 0002");
    snapshot::restoreKept(platform, snapshot::Kept::original, themefile::AspectSet::all(), "98");
    EXPECT_EQ(fake.fileBytes(logo), "start-up 0001");
    snapshot::restoreKept(platform, snapshot::Kept::previous, themefile::AspectSet::all(), "98");
    EXPECT_EQ(fake.fileBytes(logo), "start-up 0002");
}

} // namespace
