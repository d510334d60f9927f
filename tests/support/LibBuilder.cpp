// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/LibBuilder.h"

namespace support {
std::string VornIni(const std::vector<std::string>& libNames) {
    std::string ini = "[Option]\r\nGrid=10\r\n[Library]\r\n";
    for (std::size_t i = 0; i < libNames.size(); ++i) {
        if (!libNames[i].empty()) {
            ini += "LIB" + std::to_string(i) + "=" + libNames[i] + "\r\n";
        }
    }
    return ini;
}

std::uint16_t PinNoWord(unsigned number, char letter) {
    unsigned code = letter ? static_cast<unsigned>(letter - 0x40) : 0;
    return static_cast<std::uint16_t>((number & 0x1FF) | ((code & 0x1F) << 10));
}

LibBuilder& LibBuilder::Symbol(const LibSymbol& symbol) {
    symbols_.push_back(symbol);
    return *this;
}

std::string LibBuilder::Build() const {
    const std::size_t n = symbols_.size();
    Bytes names;
    std::vector<std::uint32_t> nameOffsets;
    for (const LibSymbol& s : symbols_) {
        nameOffsets.push_back(static_cast<std::uint32_t>(names.Size()));
        names.Raw(s.Name).U8(0);
    }
    Bytes data;
    std::vector<std::uint16_t> dataOffsets;
    for (const LibSymbol& s : symbols_) {
        dataOffsets.push_back(static_cast<std::uint16_t>(data.Size()));
        data.U8(s.Width).U8(s.Height).U8(s.Blocks).Zeros(7);
        data.U16(static_cast<unsigned>(s.Pins.size()) & 0x0FFF);
        for (const LibPin& pin : s.Pins) {
            data.U8(pin.Offset).U8(pin.Side & 3).U8(0).U8(0);
            for (unsigned b = 0; b < s.Blocks; ++b) {
                data.U16(b < pin.PinNoWords.size() ? pin.PinNoWords[b] : 0);
            }
        }
    }
    const std::uint32_t nameTable = kHeaderSize;
    const std::uint32_t dataTable = nameTable + static_cast<std::uint32_t>(4 * n);
    const std::uint32_t nameBase = dataTable + static_cast<std::uint32_t>(2 * n);
    const std::uint32_t dataBase = nameBase + static_cast<std::uint32_t>(names.Size());

    Bytes image;
    image.Raw("LIB FOR CE000\x1A");
    image.U16(0).U16(static_cast<unsigned>(n)).U32(nameTable).U32(dataTable).U32(dataBase);
    image.Zeros(8).U32(nameBase).Zeros(12);
    for (std::uint32_t off : nameOffsets) {
        image.U32(off);
    }
    for (std::uint16_t off : dataOffsets) {
        image.U16(off);
    }
    image.Raw(names.Data()).Raw(data.Data());
    return image.Data();
}

std::string LibBuilder::WriteTo(const std::string& path) const {
    return WriteFileBytes(path, Build());
}

Lb3Builder::Lb3Builder() : text_("+VORN3_LIB_V.1.0\r\n") {}

Lb3Builder& Lb3Builder::Line(const std::string& raw) {
    text_ += raw + "\r\n";
    return *this;
}

Lb3Builder& Lb3Builder::Symbol(const Lb3Symbol& s) {
    Line("+COMP");
    Line("N:" + s.Name);
    Line("X:" + std::to_string(s.Width));
    Line("Y:" + std::to_string(s.Height));
    for (const Lb3Pin& pin : s.Pins) {
        Line("+PIN");
        std::string line =
            "N:" + pin.Name + ",L:" + std::string(1, pin.Side) + std::to_string(pin.Position);
        for (const std::string& number : pin.Numbers) {
            line += ",M:" + number;
        }
        Line(line);
        Line("-PIN");
    }
    return Line("-COMP");
}

Lb3Builder& Lb3Builder::Alias(const std::string& aliasName, const std::string& targetName) {
    Line("+ALIAS");
    Line("A:" + aliasName);
    Line("N:" + targetName);
    return Line("-ALIAS");
}

std::string Lb3Builder::WriteTo(const std::string& path) const {
    return WriteFileBytes(path, text_);
}

}  // namespace support
