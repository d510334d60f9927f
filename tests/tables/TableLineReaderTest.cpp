// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "support/TableFiles.h"
#include "support/TempDir.h"
#include "tables/TableFile.h"

namespace {

namespace fs = std::filesystem;
using tables::TableLineReader;
using namespace std::string_literals;

std::vector<std::string> Lines(const std::string& path) {
    TableLineReader reader(path);
    std::vector<std::string> lines;
    std::string line;
    while (reader.Next(line)) {
        lines.push_back(line);
    }
    return lines;
}

TEST(TableLineReader, LineEndsNulBytesAndLongLines) {
    support::TempDir dir;
    std::string path = dir / "t.txt";
    support::WriteFileBytes(path, "crlf\r\nlf\ncr only\rnext\r\n\r\nnul\0cut\nlast"s);
    EXPECT_EQ(Lines(path),
              (std::vector<std::string>{"crlf", "lf", "cr only", "next", "", "nul", "last"}));

    // A line of exactly 254 bytes is one line; its line end makes no empty line.
    std::string exact(254, 'e');
    std::string longer(600, 'l');
    support::WriteFileBytes(path, exact + "\r\n" + longer + "\nend");
    EXPECT_EQ(Lines(path),
              (std::vector<std::string>{exact, std::string(254, 'l'), std::string(254, 'l'),
                                        std::string(92, 'l'), "end"}));
    support::WriteFileBytes(path, "A\tB\r\n\x1a\r\nC\tD\r\n");
    EXPECT_EQ(Lines(path), std::vector<std::string>{"A\tB"});
    // A lone lead byte at the end of the file stays a byte of its own.
    support::WriteFileBytes(path, "A\t\x82");
    EXPECT_EQ(Lines(path), std::vector<std::string>{"A\t\x82"});
}

TEST(TableLineReader, MissingUnreadableAndHugeFiles) {
    support::TempDir dir;
    EXPECT_EQ(TableLineReader(dir / "none").OpenStatus(), TableLineReader::Status::Missing);
    EXPECT_EQ(TableLineReader(dir / "none/sub").OpenStatus(), TableLineReader::Status::Missing);
    fs::create_directory(dir / "folder");
    TableLineReader folder(dir / "folder");
    EXPECT_EQ(folder.OpenStatus(), TableLineReader::Status::Unreadable);
    std::string line;
    EXPECT_FALSE(folder.Next(line));

    // Eight megabytes without a line end: pieces of 254 bytes, read as a stream.
    std::string huge(8 * 1024 * 1024, 'h');
    support::WriteFileBytes(dir / "huge", huge);
    TableLineReader reader(dir / "huge");
    std::size_t pieces = 0;
    std::size_t bytes = 0;
    while (reader.Next(line)) {
        ++pieces;
        bytes += line.size();
    }
    EXPECT_EQ(bytes, huge.size());
    EXPECT_EQ(pieces, (huge.size() + 253) / 254);
}

}  // namespace
