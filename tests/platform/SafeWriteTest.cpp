#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/SafeWrite.h"
#include "support/FullDisk.h"
#include "support/TableFiles.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(SafeWrite, EveryFailureLeavesThePreviousFileAsItWas) {
    support::TempDir dir;
    std::string path = dir / "table.txt";
    support::WriteFileBytes(path, "previous bytes");
    {
        support::ScopedFullDisk full(8);  // the new text runs out of room half-way
        EXPECT_EQ(platform::SaveFileAtomically(path, std::string(100, 'x')),
                  platform::SaveResult::CannotWrite);
    }
    EXPECT_EQ(support::ReadBytesFile(path), "previous bytes");

    std::string folder = dir.MakeDir("folder.txt");
    EXPECT_EQ(platform::SaveFileAtomically(folder, "x"), platform::SaveResult::CannotCreate);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(platform::SaveFileAtomically(dir / "missing/file.txt", "x"),
              platform::SaveResult::CannotCreate);
    // A pipe (as a device such as /dev/full) is not a file to replace: it stays what it is.
    std::string pipe = dir / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(platform::SaveFileAtomically(pipe, "x"), platform::SaveResult::CannotCreate);
    EXPECT_TRUE(fs::is_fifo(pipe));

    EXPECT_EQ(support::FileCount(dir.Path().string()), 3);  // no temporary file stays
    EXPECT_EQ(platform::SaveFileAtomically(path, "new"), platform::SaveResult::Saved);
    EXPECT_EQ(support::ReadBytesFile(path), "new");
}

}  // namespace
