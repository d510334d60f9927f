// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The registry of this program: keys with a default value, kept in a text file in the
// REGEDIT4 layout so a user can read it, edit it or fill it from an export.
namespace platform {

class KeyStore {
  public:
    // $VORNEXTRACT_REGISTRY when set, else <program home>/registry.reg.
    static std::filesystem::path DefaultPath();

    // Reads the store; a missing file is an empty store.
    explicit KeyStore(std::filesystem::path file);
    KeyStore() : KeyStore(DefaultPath()) {}

    // Key paths are written with backslashes ("HKEY_CLASSES_ROOT\Vorn.Document\shell");
    // letter case does not matter. Texts are CP932.
    bool KeyExists(std::string_view key) const;
    // The key's default value ("@"); none when the key or the value is missing.
    std::optional<std::string> DefaultValue(std::string_view key) const;

    // The changes below are written to the file at once; false when that failed (the file
    // then stays as it was).
    bool CreateKey(std::string_view key);  // with every missing parent
    bool SetDefaultValue(std::string_view key, std::string_view value);  // creates the key
    bool DeleteKey(std::string_view key);                                // with all its subkeys

    const std::filesystem::path& File() const { return file_; }

  private:
    struct Key {
        std::string Path;                     // as first written
        std::optional<std::string> Default;   // unescaped
        std::vector<std::string> OtherLines;  // other values, kept as written
    };

    Key* Find(std::string_view key);
    const Key* Find(std::string_view key) const;
    Key& Create(std::string_view key);
    Key& CreatePath(std::string_view key);
    bool Change(std::string_view key, std::optional<std::string> value);
    void Parse(const std::string& data);
    bool Save() const;
    void RebuildIndex();

    std::filesystem::path file_;
    std::vector<Key> keys_;
    // Index in keys_ of each key path, letters folded, so a store filled from a large
    // export reads in linear time.
    std::unordered_map<std::string, std::size_t> index_;
};

// Where the schematic editor's open command is registered.
inline constexpr std::string_view kEditorOpenCommandKey =
    "HKEY_CLASSES_ROOT\\Vorn.Document\\shell\\open\\command";

// The schematic editor's open command: the store's key
// HKEY_CLASSES_ROOT\Vorn.Document\shell\open\command, else the same key of an editor
// installed under Wine (user.reg, then system.reg of the Wine prefix). CP932.
std::optional<std::string> EditorOpenCommand(const KeyStore& store);

// The default value of `key` (a path below the file's root, backslashes single) in a
// registry file of Wine; none when the file, the key or the value is missing.
std::optional<std::string> WineRegistryDefault(const std::filesystem::path& regFile,
                                               std::string_view key);

}  // namespace platform
