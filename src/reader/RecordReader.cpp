// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader/RecordReader.h"

#include <algorithm>
#include <cstring>

#include "model/Ce2Records.h"

namespace reader {

std::size_t MemoryByteSource::Read(std::uint8_t* into, std::size_t count) {
    const std::size_t n = std::min(count, bytes_.size());
    if (n > 0) {
        std::memcpy(into, bytes_.data(), n);
        bytes_ = bytes_.subspan(n);
    }
    return n;
}

std::size_t RecordReader::ReadBytes(std::uint8_t* into, std::size_t count) {
    std::size_t n = source_.Read(into, count);
    offset_ += static_cast<long>(n);
    return n;
}

RecordResult RecordReader::ReadRecord(std::uint8_t (&buffer)[kRecordBufferSize]) {
    RecordResult result;
    result.Offset = offset_;
    std::size_t got = ReadBytes(buffer, 2);
    if (got == 0) {
        return result;
    }
    if (got == 1) {
        result.Count = -1;
        result.Damage = DamageKind::BrokenHeader;
        return result;
    }
    std::uint8_t kind = buffer[0];
    if (kind < model::kKindFirstEnd) {
        std::size_t length = model::kFixedRecordLength[kind];
        got += ReadBytes(buffer + 2, length - 2);
        if (got != length) {
            result.Count = -1;
            result.Damage = DamageKind::CutShort;
            return result;
        }
        result.Count = static_cast<int>(got);
        return result;
    }
    if (kind <= model::kKindLastEnd) {
        return result;
    }
    got += ReadBytes(buffer + 2, kVariableHeadSize - 2);
    if (got != kVariableHeadSize) {
        result.Count = -1;
        result.Damage = DamageKind::CutShort;
        return result;
    }
    int length = model::ReadInt16(buffer + 10);
    if (length < static_cast<int>(kVariableHeadSize)) {
        result.Count = -1;
        result.Damage = DamageKind::LengthTooSmall;
        return result;
    }
    if (length > static_cast<int>(kRecordBufferSize)) {
        result.Count = -1;
        result.Damage = DamageKind::TooLong;
        return result;
    }
    std::size_t rest = static_cast<std::size_t>(length) - kVariableHeadSize;
    got += ReadBytes(buffer + kVariableHeadSize, rest);
    if (got != static_cast<std::size_t>(length)) {
        result.Count = -1;
        result.Damage = DamageKind::LengthMismatch;
        return result;
    }
    result.Count = length;
    return result;
}

CommentText CommentTextOf(const std::uint8_t* record, std::size_t recordLength) {
    if (recordLength <= kCommentTextOffset) {
        return {"", 0};
    }
    std::size_t available = recordLength - kCommentTextOffset;
    std::size_t length = std::min<std::size_t>(record[13], available);
    return {reinterpret_cast<const char*>(record + kCommentTextOffset), length};
}

}  // namespace reader
