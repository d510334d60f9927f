// Inputs of a received folder that are not what their names promise.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/DrawingFolder.h"
#include "support/RunProgram.h"
#include "support/TableFiles.h"

namespace {

namespace fs = std::filesystem;

// A named pipe or a link to an endless device where the program reads a table, a settings
// file, the key store, a library or the drawing: reading it waited for a writer or read
// forever. Each must be passed over as a file that cannot be opened.
TEST(HostileInputs, PipesAndDevicesAreNeverReadAsFiles) {
    const char* inputs[] = {"NameTable.Txt",  "MakerTable.Txt",  "FootPrintList.txt",
                            "PinCvtList.txt", "vornextract.INI", "registry.reg",
                            "parts.lib",      "vorn.ini",        "a.ce2"};
    for (const char* name : inputs) {
        for (const bool pipe : {true, false}) {
            SCOPED_TRACE(std::string(name) + (pipe ? " as a pipe" : " as /dev/zero"));
            support::DrawingFolder folder;
            folder.Drawing("a.ce2", {"R1", "R2"});
            support::WriteFileBytes(folder / "registry.reg", "REGEDIT4\r\n");
            fs::remove(folder / name);
            if (pipe) {
                ASSERT_EQ(::mkfifo((folder / name).c_str(), 0644), 0);
            } else {
                fs::create_symlink("/dev/zero", folder / name);
            }
            support::RunOptions options;
            options.TimeLimitSeconds = 20;
            auto run = support::RunVornextract(folder.Path(), {"--batch", "a.ce2"}, options);
            ASSERT_NE(run.Status, -1) << "the run did not end";
            if (std::string(name) == "a.ce2") {
                EXPECT_EQ(run.Status, 1);
                EXPECT_NE(run.Err.find("a.ce2\n\tが開けません。"), std::string::npos) << run.Err;
            }
        }
    }
}

}  // namespace
