// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

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

TEST(SafeWrite, InterruptedSaveRemovesItsTemporary) {
    for (int signal : {SIGINT, SIGTERM}) {
        support::TempDir dir;
        std::string path = dir / "a.net";
        support::WriteFileBytes(path, "previous");
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            platform::SaveFileAtomically(path, [signal](const platform::PieceWriter& write) {
                write("half");
                std::raise(signal);
                write(" and the rest");
            });
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(support::FileCount(dir.Path().string()), 1) << signal;
        EXPECT_EQ(support::ReadBytesFile(path), "previous");
    }
}

TEST(SafeWrite, ReplacedFileKeepsItsOwnerAndMode) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root may give a file to another user";
    }
    support::TempDir dir;
    std::string path = dir / "shared.net";
    support::WriteFileBytes(path, "old");
    const uid_t nobody = 65534;
    ASSERT_EQ(::chown(path.c_str(), nobody, nobody), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(platform::SaveFileAtomically(path, "new"), platform::SaveResult::Saved);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, nobody);
    EXPECT_EQ(st.st_gid, nobody);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

}  // namespace
