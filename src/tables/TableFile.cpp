// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/TableFile.h"

#include <unistd.h>

#include <cerrno>
#include <new>
#include <system_error>

#include "platform/FileBytes.h"
#include "platform/SafeWrite.h"
#include "text/Cp932.h"

namespace tables {
namespace fs = std::filesystem;

namespace {
constexpr std::size_t kReadChunk = 64 * 1024;
constexpr char kEndOfText = '\x1a';
}  // namespace

TableLineReader::TableLineReader(const fs::path& path) {
    platform::ReadOpen opened{};
    const int fd = platform::OpenRegularForReading(path, opened);
    if (fd < 0) {
        status_ = opened == platform::ReadOpen::Missing ? Status::Missing : Status::Unreadable;
        return;
    }
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) {
        ::close(fd);
        status_ = Status::Unreadable;
        return;
    }
    file_.reset(f);
    status_ = Status::Opened;
}

int TableLineReader::Peek() {
    if (pos_ >= buffer_.size()) {
        if (!file_) {
            return -1;
        }
        buffer_.resize(kReadChunk);
        std::size_t n = std::fread(buffer_.data(), 1, kReadChunk, file_.get());
        buffer_.resize(n);
        pos_ = 0;
        if (n == 0) {
            return -1;
        }
    }
    // Ctrl-Z ends a text file where the tables come from; old editors put one at the end.
    if (buffer_[pos_] == kEndOfText) {
        file_.reset();
        buffer_.clear();
        pos_ = 0;
        return -1;
    }
    return static_cast<unsigned char>(buffer_[pos_]);
}

int TableLineReader::Get() {
    int c = Peek();
    if (c >= 0) {
        ++pos_;
    }
    return c;
}

bool TableLineReader::Next(std::string& line) {
    line.clear();
    bool afterFullPiece = continued_;
    continued_ = false;
    bool any = false;
    for (;;) {
        int c = Get();
        if (c < 0) {
            if (!any) {
                return false;
            }
            break;
        }
        if (c == '\n' || c == '\r') {
            if (c == '\r' && Peek() == '\n') {
                Get();
            }
            // The end of a line whose last full piece was already given is no new line.
            if (afterFullPiece && !any) {
                afterFullPiece = false;
                continue;
            }
            break;
        }
        any = true;
        afterFullPiece = false;
        line.push_back(static_cast<char>(c));
        if (line.size() == kMaxPiece) {
            continued_ = true;
            break;
        }
    }
    std::size_t nul = line.find('\0');
    if (nul != std::string::npos) {
        line.resize(nul);
    }
    return true;
}

bool ReadLinesIntoView(TableLineReader& reader, view::ListView& view, view::UserInterface& ui,
                       const std::function<void(const std::string&)>& onLine,
                       const std::function<void()>& onEnd, const std::function<void()>& dropAll) {
    view.BeginUpdate();
    view.Clear();
    bool complete = true;
    try {
        std::string line;
        while (reader.Next(line)) {
            onLine(line);
        }
        onEnd();
    } catch (const std::bad_alloc&) {
        dropAll();
        view.Clear();
        complete = false;
    }
    view.EndUpdate();
    if (!complete) {
        ui.ShowMessage(OutOfMemoryMessage());
    }
    return complete;
}

void SelectFirstRow(view::ListView& view) {
    if (view.RowCount() > 0) {
        view.Select(0);
        view.ScrollIntoView(0);
    }
}

std::optional<TabSplit> SplitAtTabRun(std::string_view line) {
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
        return std::nullopt;
    }
    std::size_t rest = line.find_first_not_of('\t', tab);
    if (rest == std::string_view::npos) {
        return std::nullopt;
    }
    return TabSplit{line.substr(0, tab), line.substr(rest)};
}

std::string_view KeyColumnTabs(std::size_t length) {
    if (length < 8) {
        return "\t\t\t";
    }
    return length < 16 ? "\t\t" : "\t";
}

fs::path CvtFolderPath(std::string_view cvtDirCp932, const fs::path& base) {
    return base / fs::path(text::Cp932ToUtf8(cvtDirCp932));
}

fs::path TableFileIn(const fs::path& folder, std::string_view name) {
    return folder / name;
}

std::string PathText(const fs::path& path) {
    return text::Utf8ToCp932(path.string());
}

bool WriteTableFile(const fs::path& path, std::string_view content) {
    return platform::WriteFileAtomically(path, content);
}

std::string CannotCreateMessage(const fs::path& path) {
    return PathText(path) + text::Sj("\nファイルが作成出来ません");
}

std::string CannotOpenMessage(const fs::path& path) {
    return PathText(path) + text::Sj("\nファイルが開けません");
}

std::string OutOfMemoryMessage() {
    return text::Sj("メモリが足りません。");
}

std::string ProgramTitle() {
    return text::Sj("VORN ﾈｯﾄﾘｽﾄ/部品表 抽出");
}

}  // namespace tables
