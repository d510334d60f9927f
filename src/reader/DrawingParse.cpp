// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader/DrawingParse.h"

#include <cstring>

namespace reader {
namespace {

constexpr char kSignature0[] = "CE DATA FILE $0000\x1A";  // with its NUL: 20 bytes
constexpr char kSignature1[] = "CE DATA FILE $0001\x1A";
static_assert(sizeof kSignature0 == 20 && sizeof kSignature1 == 20);
constexpr std::size_t kSignatureOffset = 2;

bool SignatureMatches(const std::uint8_t* header) {
    const void* signature = header + kSignatureOffset;
    return std::memcmp(signature, kSignature0, sizeof kSignature0) == 0 ||
           std::memcmp(signature, kSignature1, sizeof kSignature1) == 0;
}

}  // namespace

Damage ParseDrawingHeader(ByteSource& source) {
    std::uint8_t header[kHeaderSize];
    if (source.Read(header, kHeaderSize) != kHeaderSize) {
        return {DamageKind::HeaderCut, 0};
    }
    if (!SignatureMatches(header)) {
        return {DamageKind::NotADrawing, 0};
    }
    return {};
}

Damage ParseDrawingRecords(ByteSource& source, DrawingRecordSink& sink) {
    // One buffer for every record: a record shorter than the last leaves the rest of the
    // buffer as it was, and the record decoders read within the buffer only.
    std::uint8_t buffer[kRecordBufferSize] = {};
    RecordReader records(source);
    for (;;) {
        const RecordResult r = records.ReadRecord(buffer);
        if (r.Count <= 0) {
            return {r.Damage, r.Offset};
        }
        switch (buffer[0]) {
            case model::kKindJunction:
                sink.Junction(buffer);
                break;
            case model::kKindWire:
                sink.Wire(buffer);
                break;
            case model::kKindLabel:
            case model::kKindLabelAlt:
                sink.Label(buffer);
                break;
            case model::kKindPart:
                sink.Part(model::DecodePart(buffer));
                break;
            case model::kKindComment: {
                const CommentText comment =
                    CommentTextOf(buffer, static_cast<std::size_t>(r.Count));
                sink.Comment(model::ReadInt16(buffer + 2), model::ReadInt16(buffer + 4),
                             std::string_view(comment.Data, comment.Length));
                break;
            }
            default:
                break;
        }
    }
}

}  // namespace reader
