// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Ce2Builder.h"

#include <stdexcept>

#include "model/Ce2Records.h"

namespace support {

std::string Ce2Header(std::string_view signature20) {
    Bytes header;
    header.U8(0x43).U8(0x32);  // two bytes the reader does not look at
    header.Field(signature20, 20);
    for (int i = 0; i < 38; ++i) {
        header.U8(0xA0 + i);  // the rest of the header is not interpreted
    }
    return header.Data();
}

Ce2Builder::Ce2Builder(Signature signature) {
    using namespace std::string_view_literals;
    bytes_.Raw(Ce2Header(signature == Signature::V0000 ? "CE DATA FILE $0000\x1A\0"sv
                                                       : "CE DATA FILE $0001\x1A\0"sv));
}

Ce2Builder& Ce2Builder::Junction(int x, int y) {
    bytes_.U8(0).U8(0).I16(x).I16(y);
    return *this;
}

Ce2Builder& Ce2Builder::Wire(int x1, int y1, int x2, int y2) {
    bytes_.U8(3).U8(0).I16(x1).I16(y1).I16(x2).I16(y2);
    return *this;
}

Ce2Builder& Ce2Builder::Label(std::string_view text, int x, int y, bool vertical, unsigned kind) {
    bytes_.U8(kind).U8(vertical ? 0x08 : 0).I16(x).I16(y).U8(static_cast<unsigned>(text.size()));
    bytes_.Field(text, 11);
    return *this;
}

Ce2Builder& Ce2Builder::Part(const PartSpec& p) {
    bytes_.U8(8).U8(0).I16(p.X).I16(p.Y);
    bytes_.U8(0x11).U8(0x22).U8(0x33).U8(0x44);
    bytes_.U8(p.Dir).U8(p.Block);
    bytes_.U8(p.NameLen >= 0 ? static_cast<unsigned>(p.NameLen)
                             : static_cast<unsigned>(p.Name.size()));
    bytes_.Field(p.Name, 19);
    bytes_.U8(p.RefLen >= 0 ? static_cast<unsigned>(p.RefLen)
                            : static_cast<unsigned>(p.Ref.size()));
    bytes_.Field(p.Ref, 11);
    bytes_.Field(p.LibName, 16);
    return *this;
}

Ce2Builder& Ce2Builder::Comment(int x, int y, std::string_view text) {
    std::string payload;
    payload.push_back('\x5A');  // byte 12 is not interpreted
    payload.push_back(static_cast<char>(text.size()));
    payload.append(text);
    return Variable(16, x, y, static_cast<int>(12 + payload.size()), payload);
}

Ce2Builder& Ce2Builder::Skipped(unsigned kind) {
    if (kind >= 10) {
        throw std::invalid_argument("Skipped takes a fixed-length kind");
    }
    bytes_.U8(kind).U8(0);
    for (std::size_t i = 2; i < model::kFixedRecordLength[kind]; ++i) {
        bytes_.U8(0xE0 + (i % 16));
    }
    return *this;
}

Ce2Builder& Ce2Builder::Variable(unsigned kind, int x, int y, int lengthField,
                                 std::string_view payload) {
    bytes_.U8(kind).U8(0).I16(x).I16(y).U32(0x77777777).I16(lengthField);
    bytes_.Raw(payload);
    return *this;
}

Ce2Builder& Ce2Builder::EndKind(unsigned kind) {
    bytes_.U8(kind).U8(0);
    return *this;
}

Ce2Builder& Ce2Builder::Raw(std::string_view bytes) {
    bytes_.Raw(bytes);
    return *this;
}

model::CCe2Part PartRecord(const PartSpec& part) {
    Ce2Builder builder;
    builder.Part(part);
    return model::DecodePart(reinterpret_cast<const std::uint8_t*>(builder.Data().data()) + 60);
}

std::string Ce2Builder::WriteTo(const std::string& path) const {
    return WriteFileBytes(path, bytes_.Data());
}

}  // namespace support
