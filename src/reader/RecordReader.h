// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace reader {

// Where the bytes of a drawing come from: the file while loading, memory in tests. A read
// returns fewer bytes than asked only at the end.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual std::size_t Read(std::uint8_t* into, std::size_t count) = 0;
};

class MemoryByteSource : public ByteSource {
  public:
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::size_t Read(std::uint8_t* into, std::size_t count) override;

  private:
    std::span<const std::uint8_t> bytes_;
};

constexpr std::size_t kRecordBufferSize = 4096;
constexpr std::size_t kHeaderSize = 60;
// Head of a variable-length record (kind 16 and above): header, point, 4 bytes, length,
// one byte, text length.
constexpr std::size_t kVariableHeadSize = 12;
constexpr std::size_t kCommentTextOffset = 14;

// What is wrong with a drawing: the file as a whole, or its first damaged record.
enum class DamageKind {
    None,
    HeaderCut,       // the file is shorter than its header
    NotADrawing,     // the header carries neither signature
    BrokenHeader,    // the file ends inside a record's 2-byte header
    CutShort,        // a fixed-length record ends early
    LengthTooSmall,  // a length field shorter than the head it belongs to
    TooLong,         // a length field beyond the record buffer
    LengthMismatch,  // the file ends before the length field's end
};

struct RecordResult {
    // Bytes read; 0 at the end of the file or at a kind 10..15; -1 for a damaged record.
    int Count = 0;
    DamageKind Damage = DamageKind::None;
    long Offset = 0;  // where the record starts in the file
};

// Reads the records of a drawing one by one, after its header, into a caller's buffer.
// Every read is bounded by the buffer and by what the source really holds.
class RecordReader {
  public:
    explicit RecordReader(ByteSource& source) : source_(source) {}

    RecordResult ReadRecord(std::uint8_t (&buffer)[kRecordBufferSize]);

  private:
    std::size_t ReadBytes(std::uint8_t* into, std::size_t count);

    ByteSource& source_;
    long offset_ = kHeaderSize;
};

// The text a comment record carries: `textLength` bytes from offset 14, bounded by the
// record's own length (a text length pointing past the record keeps what is there).
struct CommentText {
    const char* Data;
    std::size_t Length;
};
CommentText CommentTextOf(const std::uint8_t* record, std::size_t recordLength);

}  // namespace reader
