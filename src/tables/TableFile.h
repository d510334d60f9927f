// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "view/ListView.h"
#include "view/UserInterface.h"

// What the four conversion table files share: where they live, how their lines are read
// and written, and the texts the tables show.
namespace tables {

// Reads a table file line by line the way the files have always been read: a line ends at
// LF, CR LF or a lone CR; a longer line comes as several pieces of at most 254 bytes; a
// piece ends at its first NUL; a Ctrl-Z ends the file. The file is read as a stream, so
// its size does not matter.
class TableLineReader {
  public:
    enum class Status { Opened, Missing, Unreadable };

    explicit TableLineReader(const std::filesystem::path& path);

    Status OpenStatus() const { return status_; }
    // The next line; false at the end of the file (or at a read error).
    bool Next(std::string& line);

    static constexpr std::size_t kMaxPiece = 254;

  private:
    int Get();
    int Peek();

    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    Status status_ = Status::Missing;
    std::string buffer_;
    std::size_t pos_ = 0;
    bool continued_ = false;  // the last line was a full piece of a longer line
};

// Reads every line of an opened table while its view is held and cleared: `onLine` takes
// each line, then `onEnd` files what was taken. When memory runs out, `dropAll` empties
// the lists, the view is left empty and "メモリが足りません。" is shown; false then.
bool ReadLinesIntoView(TableLineReader& reader, view::ListView& view, view::UserInterface& ui,
                       const std::function<void(const std::string&)>& onLine,
                       const std::function<void()>& onEnd, const std::function<void()>& dropAll);

// Selects the first row, when there is one, and scrolls it into view.
void SelectFirstRow(view::ListView& view);

// A line split at its first TAB: the text before it and the rest after the run of TABs
// that starts there. None when the line has no TAB or nothing after the run.
struct TabSplit {
    std::string_view Before;
    std::string_view After;
};
std::optional<TabSplit> SplitAtTabRun(std::string_view line);

// The TABs that follow a first column of `length` bytes so the second column lines up
// at column 24 (8-column tabs) for names up to 23 bytes.
std::string_view KeyColumnTabs(std::size_t length);

// The conversion folder named by the CvtDir text (CP932) as a Linux path; relative text
// (and empty text) is taken in `base`.
std::filesystem::path CvtFolderPath(std::string_view cvtDirCp932,
                                    const std::filesystem::path& base);

// The table file `name` in the conversion folder `folder`; a table is written to the file
// it was read from.
std::filesystem::path TableFileIn(const std::filesystem::path& folder, std::string_view name);

// A path as CP932 text for messages.
std::string PathText(const std::filesystem::path& path);

// Writes a whole table file safely (temporary file and rename).
bool WriteTableFile(const std::filesystem::path& path, std::string_view content);

// Message texts shared by the tables, as CP932.
std::string CannotCreateMessage(
    const std::filesystem::path& path);  // path + "\nファイルが作成出来ません"
std::string CannotOpenMessage(
    const std::filesystem::path& path);  // path + "\nファイルが開けません"
std::string OutOfMemoryMessage();        // "メモリが足りません。"
// Caption of the program's questions.
std::string ProgramTitle();

}  // namespace tables
