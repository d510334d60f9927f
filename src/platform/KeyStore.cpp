// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyStore.h"

#include <charconv>
#include <cstdlib>

#include "platform/FileBytes.h"
#include "platform/ProgramHome.h"
#include "platform/SafeWrite.h"
#include "platform/WindowsPath.h"
#include "text/Compare.h"
#include "text/Cp932.h"
#include "text/Sjis.h"

namespace platform {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kHeader = "REGEDIT4";

std::string_view TrimKey(std::string_view key) {
    while (!key.empty() && (key.back() == '\\' || key.back() == ' ')) {
        key.remove_suffix(1);
    }
    return key;
}

// `key` lies below `parent` (not equal to it).
bool IsBelow(std::string_view key, std::string_view parent) {
    return key.size() > parent.size() + 1 && key[parent.size()] == '\\' &&
           text::EqualAsciiNoCase(key.substr(0, parent.size()), parent);
}

bool ReadWhole(const fs::path& file, std::string& data) {
    std::optional<std::string> bytes = ReadFileBytes(file);
    if (!bytes) {
        return false;
    }
    data = std::move(*bytes);
    return true;
}

std::vector<std::string_view> SplitLines(std::string_view data) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < data.size()) {
        std::size_t end = data.find('\n', start);
        if (end == std::string_view::npos) {
            end = data.size();
        }
        std::string_view line = data.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The text of a quoted REGEDIT4 string starting at `quoted` (after the opening quote):
// a backslash takes the next character as it is; double-byte characters are whole.
std::optional<std::string> UnquoteCp932(std::string_view quoted) {
    std::string out;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        char c = quoted[i];
        if (text::IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < quoted.size()) {
            out.push_back(c);
            out.push_back(quoted[++i]);
        } else if (c == '\\' && i + 1 < quoted.size()) {
            out.push_back(quoted[++i]);
        } else if (c == '"') {
            return out;
        } else {
            out.push_back(c);
        }
    }
    return std::nullopt;  // no closing quote
}

std::string QuoteCp932(std::string_view value) {
    std::string out = "\"";
    for (std::size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (text::IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < value.size()) {
            out.push_back(c);
            out.push_back(value[++i]);
            continue;
        }
        if (c == '\\' || c == '"') {
            out.push_back('\\');
        }
        out.push_back(c);
    }
    return out + "\"";
}

void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Wine's escapes: \\ \" \n \r \t \0 and \xHHHH (a UTF-16 unit). Stops at `stop` when
// given. Returns UTF-8; surrogate pairs are not joined (they never name a folder).
std::string UnescapeWine(std::string_view s, char stop, std::size_t* consumed = nullptr) {
    std::string out;
    std::size_t i = 0;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c == stop) {
            break;
        }
        if (c != '\\' || i + 1 >= s.size()) {
            out.push_back(c);
            continue;
        }
        char e = s[++i];
        if (e == 'x') {
            unsigned cp = 0;
            std::string_view hex = s.substr(i + 1, 4);
            auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), cp, 16);
            i += static_cast<std::size_t>(end - hex.data());
            AppendUtf8(out, ec == std::errc() ? cp : 0xFFFDu);
        } else if (e == 'n') {
            out.push_back('\n');
        } else if (e == 'r') {
            out.push_back('\r');
        } else if (e == 't') {
            out.push_back('\t');
        } else if (e == '0') {
            out.push_back('\0');
        } else {
            out.push_back(e);
        }
    }
    if (consumed) {
        *consumed = i;
    }
    return out;
}

}  // namespace

fs::path KeyStore::DefaultPath() {
    const char* file = std::getenv("VORNEXTRACT_REGISTRY");
    if (file && *file) {
        return fs::path(file);
    }
    return ProgramHome() / "registry.reg";
}

KeyStore::KeyStore(fs::path file) : file_(std::move(file)) {
    std::string data;
    if (ReadWhole(file_, data)) {
        Parse(data);
    }
}

void KeyStore::Parse(const std::string& data) {
    Key* current = nullptr;
    for (std::string_view line : SplitLines(data)) {
        if (line.empty() || line == kHeader || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            std::size_t close = line.rfind(']');
            std::string_view name = line.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1);
            // "[-KEY]" asks an importer to delete; here there is nothing to delete from.
            current = (!name.empty() && name.front() == '-') ? nullptr : &Create(name);
            continue;
        }
        if (!current) {
            continue;
        }
        if (line.substr(0, 3) == "@=\"") {
            current->Default = UnquoteCp932(line.substr(3));
        } else {
            current->OtherLines.emplace_back(line);
        }
    }
}

KeyStore::Key* KeyStore::Find(std::string_view key) {
    auto found = index_.find(text::FoldAscii(TrimKey(key)));
    return found == index_.end() ? nullptr : &keys_[found->second];
}

void KeyStore::RebuildIndex() {
    index_.clear();
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        index_.emplace(text::FoldAscii(keys_[i].Path), i);
    }
}

const KeyStore::Key* KeyStore::Find(std::string_view key) const {
    return const_cast<KeyStore*>(this)->Find(key);
}

KeyStore::Key& KeyStore::Create(std::string_view key) {
    key = TrimKey(key);
    if (Key* k = Find(key)) {
        return *k;
    }
    index_.emplace(text::FoldAscii(key), keys_.size());
    keys_.push_back(Key{std::string(key), std::nullopt, {}});
    return keys_.back();
}

bool KeyStore::KeyExists(std::string_view key) const {
    key = TrimKey(key);
    if (key.empty()) {
        return false;
    }
    for (const Key& k : keys_) {
        if (text::EqualAsciiNoCase(k.Path, key) || IsBelow(k.Path, key)) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> KeyStore::DefaultValue(std::string_view key) const {
    const Key* k = Find(key);
    return k ? k->Default : std::nullopt;
}

KeyStore::Key& KeyStore::CreatePath(std::string_view key) {
    // Each parent gets its own section, as an export lists them.
    for (std::size_t pos = key.find('\\'); pos != std::string_view::npos;
         pos = key.find('\\', pos + 1)) {
        Create(key.substr(0, pos));
    }
    return Create(key);
}

bool KeyStore::CreateKey(std::string_view key) {
    return Change(key, std::nullopt);
}

bool KeyStore::SetDefaultValue(std::string_view key, std::string_view value) {
    return Change(key, std::string(value));
}

bool KeyStore::Change(std::string_view key, std::optional<std::string> value) {
    key = TrimKey(key);
    if (key.empty()) {
        return false;
    }
    std::vector<Key> before = keys_;
    Key& k = CreatePath(key);
    if (value) {
        k.Default = std::move(value);
    }
    if (!Save()) {
        keys_ = std::move(before);
        RebuildIndex();
        return false;
    }
    return true;
}

bool KeyStore::DeleteKey(std::string_view key) {
    key = TrimKey(key);
    std::vector<Key> before = keys_;
    std::erase_if(keys_, [&](const Key& k) {
        return text::EqualAsciiNoCase(k.Path, key) || IsBelow(k.Path, key);
    });
    if (keys_.size() == before.size()) {
        return false;
    }
    RebuildIndex();
    if (!Save()) {
        keys_ = std::move(before);
        RebuildIndex();
        return false;
    }
    return true;
}

// A store kept in a folder not made yet (a fresh program home) gets the folder first.
bool KeyStore::Save() const {
    std::string out = std::string(kHeader) + "\r\n";
    for (const Key& k : keys_) {
        out += "\r\n[" + k.Path + "]\r\n";
        if (k.Default) {
            out += "@=" + QuoteCp932(*k.Default) + "\r\n";
        }
        for (const std::string& line : k.OtherLines) {
            out += line + "\r\n";
        }
    }
    std::error_code ec;
    if (file_.has_parent_path()) {
        fs::create_directories(file_.parent_path(), ec);
    }
    return WriteFileAtomically(file_, out);
}

std::optional<std::string> WineRegistryDefault(const fs::path& regFile, std::string_view key) {
    std::string data;
    if (!ReadWhole(regFile, data)) {
        return std::nullopt;
    }
    std::string wanted = text::Cp932ToUtf8(TrimKey(key));
    bool inKey = false;
    for (std::string_view line : SplitLines(data)) {
        if (!line.empty() && line.front() == '[') {
            std::string name = UnescapeWine(line.substr(1), ']');
            inKey = text::EqualAsciiNoCase(name, wanted);
            continue;
        }
        if (!inKey) {
            continue;
        }
        // "@=" then a string, "str(2):" for an expandable one.
        std::string_view value;
        if (line.substr(0, 3) == "@=\"") {
            value = line.substr(3);
        } else if (line.substr(0, 10) == "@=str(2):\"") {
            value = line.substr(10);
        } else {
            continue;
        }
        return text::Utf8ToCp932(UnescapeWine(value, '"'));
    }
    return std::nullopt;
}

std::optional<std::string> EditorOpenCommand(const KeyStore& store) {
    if (store.KeyExists(kEditorOpenCommandKey)) {
        // An existing key without a value leaves the caller's fallback, as on Windows.
        return store.DefaultValue(kEditorOpenCommandKey);
    }
    constexpr std::string_view kWineKey = "Software\\Classes\\Vorn.Document\\shell\\open\\command";
    for (const char* file : {"user.reg", "system.reg"}) {
        if (auto value = WineRegistryDefault(WinePrefix() / file, kWineKey)) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace platform
