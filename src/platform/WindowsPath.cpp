// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowsPath.h"

#include <cstdlib>
#include <system_error>
#include <vector>

#include "text/Compare.h"
#include "text/Cp932.h"
#include "text/Sjis.h"

namespace platform {
namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The components of a CP932 path, cut at separators that are whole characters.
std::vector<std::string> SplitComponents(std::string_view cp932) {
    std::vector<std::string> parts;
    std::string current;
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        char c = cp932[i];
        if (text::IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < cp932.size()) {
            current.push_back(c);
            current.push_back(cp932[++i]);
        } else if (IsSeparator(c)) {
            parts.push_back(std::move(current));
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    parts.push_back(std::move(current));
    return parts;
}

bool Exists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

// The entry of `folder` whose name equals `name` when ASCII case is ignored; the exact
// name wins, and the name as written when nothing matches.
fs::path MatchComponent(const fs::path& folder, const std::string& utf8Name) {
    fs::path exact = folder / utf8Name;
    if (Exists(exact)) {
        return exact;
    }
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        if (text::EqualAsciiNoCase(candidate, utf8Name)) {
            return folder / candidate;
        }
    }
    return exact;
}

}  // namespace

fs::path WinePrefix() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix && *prefix) {
        return fs::path(prefix);
    }
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".wine";
}

std::string WindowsFolderPart(std::string_view cp932, bool slashSeparates) {
    std::size_t end = 0;
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        char c = cp932[i];
        if (text::IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < cp932.size()) {
            ++i;
        } else if (c == '\\' || c == ':' || (slashSeparates && c == '/')) {
            end = i + 1;
        }
    }
    return std::string(cp932.substr(0, end));
}

fs::path ResolveWindowsPath(std::string_view cp932, const fs::path& folder) {
    std::vector<std::string> parts = SplitComponents(cp932);
    fs::path base = folder;
    std::size_t first = 0;
    const std::string& head = parts.front();
    if (head.size() == 2 && head[1] == ':' &&
        ((head[0] >= 'A' && head[0] <= 'Z') || (head[0] >= 'a' && head[0] <= 'z'))) {
        char drive = static_cast<char>(head[0] | 0x20);
        fs::path device = WinePrefix() / "dosdevices" / (std::string(1, drive) + ":");
        base = Exists(device) ? device : fs::path("/");
        first = 1;
    } else if (head.empty() && parts.size() > 1) {
        base = "/";  // rooted name: "\dir\file"
        first = 1;
    }
    // The exact name first; only a name that does not exist is matched without case.
    fs::path exact = base;
    for (std::size_t i = first; i < parts.size(); ++i) {
        if (!parts[i].empty()) {
            exact /= text::Cp932ToUtf8(parts[i]);
        }
    }
    if (Exists(exact)) {
        return exact;
    }
    fs::path resolved = base;
    for (std::size_t i = first; i < parts.size(); ++i) {
        if (parts[i].empty()) {
            continue;
        }
        std::string name = text::Cp932ToUtf8(parts[i]);
        if (name == "." || name == "..") {
            resolved /= name;
        } else {
            resolved = MatchComponent(resolved, name);
        }
    }
    return resolved;
}

}  // namespace platform
