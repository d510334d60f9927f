// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/LibraryFiles.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <new>

#include "platform/ProgramHome.h"
#include "platform/WindowsPath.h"
#include "text/Compare.h"
#include "text/Cp932.h"
#include "text/Sjis.h"

namespace library {
namespace fs = std::filesystem;

namespace {

constexpr char kLibSignature[] = "LIB FOR CE000\x1A";
constexpr std::size_t kLibSignatureSize = 14;
constexpr std::size_t kLibHeaderSize = 54;
constexpr std::size_t kLibRecordHead = 12;
constexpr char kLb3FirstLine[] = "+VORN3_LIB_V.1.0\r\n";
constexpr std::size_t kLb3FirstLineSize = 18;
constexpr std::size_t kLb3LineMax = 4094;

void Tell(view::UserInterface& ui, std::string_view name, const char* tailUtf8) {
    ui.ShowMessage(std::string(name) + text::Sj(tailUtf8));
}

// A settings file is a file: a folder of that name is passed over.
bool IsRegularFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

bool IsFile(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

// Opens only a regular file, so a folder of that name is "cannot open" and a device never
// blocks the read.
bool OpenRegular(const fs::path& p, std::ifstream& in) {
    std::error_code ec;
    if (!fs::is_regular_file(p, ec)) {
        return false;
    }
    in.open(p, std::ios::binary);
    return static_cast<bool>(in);
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::uint64_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16)) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint16_t U16At(const std::vector<std::uint8_t>& b, std::uint64_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

// An empty name or a missing file is no library and is passed over quietly; one that
// exists but cannot be opened is told.
bool OpenLibrary(const std::string& name, const fs::path& folder, view::UserInterface& ui,
                 std::ifstream& in, fs::path& path) {
    if (name.empty()) {
        return false;
    }
    path = platform::ResolveWindowsPath(name, folder);
    if (!IsFile(path)) {
        return false;
    }
    if (!OpenRegular(path, in)) {
        Tell(ui, name, "\n\tが開けません。");
        return false;
    }
    return true;
}

// What a user without the editor's settings needs to know to point the program at the
// libraries: where it looked, and the two ways it finds them.
std::string EditorSettingsHelp(const fs::path& local, const fs::path& installed,
                               const fs::path& keyStore) {
    std::string help =
        "\n\n探した場所: " + local.string() + " と " + installed.string() +
        "\n部品ライブラリを読むには、図面と同じフォルダに vorn.ini を置くか、キーストア " +
        keyStore.string() + " のキー " + text::Cp932ToUtf8(platform::kEditorOpenCommandKey) +
        " に、vorn.ini と同じフォルダにあるエディタの起動コマンドを登録してください" +
        " (キーストアのファイルは環境変数 VORNEXTRACT_REGISTRY で変えられます)。";
    return text::Sj(help);
}

bool NameExtensionIs(std::string_view name, std::string_view ext) {
    return name.size() >= ext.size() &&
           text::EqualAsciiNoCase(name.substr(name.size() - ext.size()), ext);
}

}  // namespace

std::string SettingsPathFromCommand(std::string_view command) {
    std::string_view program = command;
    if (!program.empty() && program.front() == '"') {
        program.remove_prefix(1);
        program = program.substr(0, program.find('"'));
    }
    // A switch such as "/p" after an unquoted program is no folder; only a command that is
    // a path of this system itself is cut at slashes.
    std::string folder =
        platform::WindowsFolderPart(program, !program.empty() && program.front() == '/');
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') {
        folder.push_back('\\');
    }
    return folder + "vorn.ini";
}

std::optional<fs::path> LocateEditorSettings(const fs::path& folder, view::UserInterface& ui,
                                             const platform::KeyStore& store) {
    std::string command = text::Utf8ToCp932(platform::ProgramPath().string());
    if (std::optional<std::string> registered = platform::EditorOpenCommand(store)) {
        command = *registered;
    }
    std::string settings = SettingsPathFromCommand(command);
    fs::path local = platform::ResolveWindowsPath(".\\vorn.ini", folder);
    if (IsRegularFile(local)) {
        return local;
    }
    fs::path installed = platform::ResolveWindowsPath(settings, folder);
    if (!IsRegularFile(installed)) {
        std::error_code ec;
        fs::path here = fs::absolute(local, ec).lexically_normal();
        ui.ShowMessage(settings + text::Sj("\n\tが見つかりません") +
                       EditorSettingsHelp(here, installed, store.File()));
        return std::nullopt;
    }
    return installed;
}

// The first value of each key wins, as the editor reads it; names and the section compare
// without regard to ASCII case, and quotes around a value are not part of it.
std::array<std::string, kLibrarySlots> ReadLibraryNames(const fs::path& ini) {
    std::array<std::string, kLibrarySlots> names;
    std::array<bool, kLibrarySlots> seen{};
    std::ifstream in(ini, std::ios::binary);
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        std::string_view l = Trim(line);
        if (!l.empty() && l.front() == '[') {
            std::size_t close = l.find(']');
            inSection = close != std::string_view::npos &&
                        text::EqualAsciiNoCase(Trim(l.substr(1, close - 1)), "Library");
            continue;
        }
        std::size_t eq = l.find('=');
        if (!inSection || eq == std::string_view::npos) {
            continue;
        }
        std::string_view key = Trim(l.substr(0, eq));
        std::string_view value = Trim(l.substr(eq + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        for (int slot = 0; slot < kLibrarySlots; ++slot) {
            if (!seen[slot] && text::EqualAsciiNoCase(key, "LIB" + std::to_string(slot))) {
                names[slot] = std::string(value);
                seen[slot] = true;
            }
        }
    }
    return names;
}

bool LoadLibraries(TLibList& list, const fs::path& folder, view::UserInterface& ui,
                   const platform::KeyStore& store) {
    std::optional<fs::path> ini = LocateEditorSettings(folder, ui, store);
    if (!ini) {
        return false;
    }
    list.Clear();
    list.FileNames = ReadLibraryNames(*ini);
    for (int slot = 0; slot < kLibrarySlots; ++slot) {
        const std::string& name = list.FileNames[slot];
        if (NameExtensionIs(name, ".lib")) {
            ReadLibFile(list, slot, folder, ui);
        } else if (NameExtensionIs(name, ".lb3")) {
            ReadLb3File(list, slot, folder, ui);
        }
    }
    return true;
}

namespace {

// The symbols of a binary library image whose header was checked. Every table, name
// and record is checked to lie inside the image before it is used; false at the first
// that does not (the symbols added before it stay).
bool AddLibSymbols(TLibList& list, const std::vector<std::uint8_t>& image) {
    const std::uint64_t size = image.size();
    const auto count = static_cast<std::int16_t>(U16At(image, 16));
    if (count < 0) {
        return false;
    }
    const std::uint64_t n = static_cast<std::uint64_t>(count);
    const std::uint64_t nameTable = U32At(image, 18);
    const std::uint64_t dataTable = U32At(image, 22);
    const std::uint64_t dataBase = U32At(image, 26);
    const std::uint64_t nameBase = U32At(image, 38);
    if (nameTable + 4 * n > size || dataTable + 2 * n > size) {
        return false;
    }
    for (std::uint64_t i = 0; i < n; ++i) {
        const std::uint64_t nameAt = nameBase + U32At(image, nameTable + 4 * i);
        if (nameAt >= size) {
            return false;
        }
        const void* nul = std::memchr(image.data() + nameAt, 0, size - nameAt);
        if (!nul) {
            return false;
        }
        // Unsigned: read signed, every symbol past 32 KB of data would point before the
        // data base, which no library can mean.
        const std::uint64_t recordAt = dataBase + U16At(image, dataTable + 2 * i);
        if (recordAt + kLibRecordHead > size) {
            return false;
        }
        const std::uint8_t* record = image.data() + recordAt;
        const std::uint64_t blocks = record[2];
        const std::uint64_t pins = (record[10] | (record[11] << 8)) & 0x0FFF;
        const std::uint64_t length = kLibRecordHead + pins * (2 * blocks + 4);
        if (recordAt + length > size) {
            return false;
        }
        std::string_view name(reinterpret_cast<const char*>(image.data() + nameAt),
                              static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) -
                                                       (image.data() + nameAt)));
        if (TSymbolEntry* entry = list.AddSymbol(name, false)) {
            entry->LibData =
                std::span<const std::uint8_t>(record, static_cast<std::size_t>(length));
        }
    }
    return true;
}

}  // namespace

void ReadLibFile(TLibList& list, int slot, const fs::path& folder, view::UserInterface& ui) {
    const std::string& name = list.FileNames[slot];
    std::ifstream in;
    fs::path path;
    if (!OpenLibrary(name, folder, ui, in, path)) {
        return;
    }
    std::error_code ec;
    const std::uintmax_t length = fs::file_size(path, ec);
    auto& image = list.Images[slot];
    try {
        image = std::make_unique<std::vector<std::uint8_t>>(ec ? 0 : length);
    } catch (const std::exception&) {
        Tell(ui, name, "\n\tの読み込みに失敗しました。");
        return;
    }
    auto fail = [&](const char* tail) {
        image.reset();
        Tell(ui, name, tail);
    };
    char* data = reinterpret_cast<char*>(image->data());
    if (image->size() < kLibHeaderSize || !in.read(data, kLibHeaderSize)) {
        fail("\n\tが読めません。");
        return;
    }
    if (std::memcmp(data, kLibSignature, kLibSignatureSize) != 0) {
        fail("\n\tは異常です。");
        return;
    }
    const auto rest = static_cast<std::streamsize>(image->size() - kLibHeaderSize);
    if (!in.read(data + kLibHeaderSize, rest) || in.gcount() != rest) {
        fail("\n\tが読めません。");
        return;
    }
    if (!AddLibSymbols(list, *image)) {
        Tell(ui, name, "\n\tの読み込みに失敗しました。");
    }
}

namespace {

// Reads a line as the editor does: up to `max` bytes or through the line feed; a longer
// line goes on as the next one. Empty at the end of the file. A NUL ends the line's text.
bool ReadLine(std::istream& in, std::size_t max, std::string& line) {
    line.clear();
    int c = 0;
    while (line.size() < max && (c = in.get()) != std::char_traits<char>::eof()) {
        line.push_back(static_cast<char>(c));
        if (c == '\n') {
            break;
        }
    }
    if (line.empty()) {
        return false;
    }
    std::size_t nul = line.find('\0');
    if (nul != std::string::npos) {
        line.resize(nul);
    }
    return true;
}

// The tokens of one line: the first ends at a blank, comma, tab or line end; the later
// ones only at a comma or line end, so they may hold blanks. Empty tokens do not occur.
std::vector<std::string_view> Tokens(std::string_view line) {
    std::vector<std::string_view> tokens;
    std::string_view delimiters = " ,\t\r\n";
    std::size_t pos = 0;
    while (true) {
        std::size_t start = line.find_first_not_of(delimiters, pos);
        if (start == std::string_view::npos) {
            break;
        }
        std::size_t end = line.find_first_of(delimiters, start);
        if (end == std::string_view::npos) {
            end = line.size();
        }
        tokens.push_back(line.substr(start, end - start));
        pos = end + 1;  // the delimiter that ended the token is used up
        delimiters = ",\r\n";
        if (end >= line.size()) {
            break;
        }
    }
    return tokens;
}

// A decimal number as a C library reads it (blanks, one sign, digits), held within the
// 16-bit field instead of wrapping.
std::int16_t DecimalField(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    long value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = std::min<long>(value * 10 + (s[i] - '0'), 100000);
    }
    value = negative ? -value : value;
    return static_cast<std::int16_t>(std::clamp<long>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

class Lb3Parser {
  public:
    Lb3Parser(TLibList& list, view::UserInterface& ui) : list_(list), ui_(ui) {}

    void Line(std::string_view line) {
        for (std::string_view token : Tokens(line)) {
            Token(token);
        }
    }

  private:
    void Token(std::string_view token) {
        if (token.front() == '+' || token.front() == '-') {
            Section(token);
        } else if (comp_ && !pin_ && !alias_) {
            CompToken(token);
        } else if (comp_ && pin_ && !alias_) {
            if (current_ && !current_->Lb3Data->PinLines.empty()) {
                current_->WritableLb3Data().PinLines.back().append(",").append(token);
            }
        } else if (alias_ && !comp_ && !pin_) {
            AliasToken(token);
        }
    }

    void Section(std::string_view token) {
        if (token == "+COMP") {
            comp_ = true;
        } else if (token == "-COMP") {
            comp_ = false;
            current_ = nullptr;
        } else if (token == "+PIN") {
            pin_ = true;
            if (current_) {
                current_->WritableLb3Data().PinLines.emplace_back();
            }
        } else if (token == "-PIN") {
            pin_ = false;
        } else if (token == "+ALIAS") {
            alias_ = true;
        } else if (token == "-ALIAS") {
            alias_ = false;
            current_ = nullptr;
        }
    }

    void CompToken(std::string_view token) {
        if (StartsWith(token, "N:")) {
            current_ = list_.AddSymbol(token.substr(2), true);
        } else if (current_ && StartsWith(token, "X:")) {
            current_->WritableLb3Data().SymWidth = DecimalField(token.substr(2));
        } else if (current_ && StartsWith(token, "Y:")) {
            current_->WritableLb3Data().SymHeight = DecimalField(token.substr(2));
        }
    }

    void AliasToken(std::string_view token) {
        if (StartsWith(token, "A:")) {
            current_ = list_.AddSymbol(token.substr(2), true);
        } else if (current_ && StartsWith(token, "N:")) {
            std::string targetName = Lb3SymbolName(token.substr(2));
            const TSymbolEntry* target = list_.FindSymbol(targetName);
            // A binary library's symbol has no pin texts to copy; the alias is refused
            // rather than given a symbol of another shape.
            if (target && target->Lb3Data && target != current_) {
                current_->Lb3Data = target->Lb3Data;
            } else {
                ui_.ShowMessage(text::Sj("パーツ[") + current_->SymbolName +
                                text::Sj("]が、\nパーツ[") + targetName +
                                text::Sj("]に、\nエリアス設定出来ませんでした"));
            }
        }
    }

    TLibList& list_;
    view::UserInterface& ui_;
    bool comp_ = false;
    bool pin_ = false;
    bool alias_ = false;
    TSymbolEntry* current_ = nullptr;
};

}  // namespace

void ReadLb3File(TLibList& list, int slot, const fs::path& folder, view::UserInterface& ui) {
    const std::string& name = list.FileNames[slot];
    std::ifstream in;
    fs::path path;
    if (!OpenLibrary(name, folder, ui, in, path)) {
        return;
    }
    std::string line;
    if (!ReadLine(in, kLb3FirstLineSize, line)) {
        Tell(ui, name, "\n\tが読めません。");
        return;
    }
    if (line != std::string_view(kLb3FirstLine, kLb3FirstLineSize)) {
        Tell(ui, name, "\n\tは異常です。");
        return;
    }
    try {
        Lb3Parser parser(list, ui);
        while (ReadLine(in, kLb3LineMax, line)) {
            parser.Line(line);
        }
    } catch (const std::exception&) {  // out of memory, or a read error of the device
        Tell(ui, name, "\n\tの読み込みに失敗しました。");
    }
}

}  // namespace library
