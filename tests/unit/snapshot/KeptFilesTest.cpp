// The system files kept with the snapshots: each is kept under a name of its content, so a
// file changed between two snapshots is kept again, and each snapshot brings back the
// content it saw.
#include "fake/FakeWindows.h"
#include "platform/Platform.h"
#include "snapshot/Snapshots.h"

#include <gtest/gtest.h>

namespace {

// The files kept are the ones the apply writes, in the Windows folder of the version tag:
// here the tag is 2000 while Windows runs from C:\WINDOWS, as a 2000 put over 98 does.
TEST(KeptFiles, EachSnapshotBringsBackTheContentItSaw) {
    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    const std::string logos = "c:\\WINNT\\logos.sys";
    fake.makeFolder("c:\\WINNT");
    // Contents as long as each other, told apart only by their last byte.
    fake.makeFile(logos, "start-up 0001");
    snapshot::takeSnapshot(platform, "2000");
    fake.makeFile(logos, "start-up 0002");
    snapshot::takeSnapshot(platform, "2000");
    fake.makeFile(logos, "start-up 0003");

    snapshot::restoreKept(platform, snapshot::Kept::previous, themefile::AspectSet::all(), "2000");
    EXPECT_EQ(fake.fileBytes(logos), "start-up 0002");
    snapshot::restoreKept(platform, snapshot::Kept::original, themefile::AspectSet::all(), "2000");
    EXPECT_EQ(fake.fileBytes(logos), "start-up 0001");
    snapshot::restoreKept(platform, snapshot::Kept::previous, themefile::AspectSet::all(), "2000");
    EXPECT_EQ(fake.fileBytes(logos), "start-up 0002");
}

} // namespace
