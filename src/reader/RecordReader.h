#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace reader {

constexpr std::size_t kRecordBufferSize = 4096;
constexpr std::size_t kHeaderSize = 60;
// Head of a variable-length record (kind 16 and above): header, point, 4 bytes, length,
// one byte, text length.
constexpr std::size_t kVariableHeadSize = 12;
constexpr std::size_t kCommentTextOffset = 14;

enum class RecordDamage {
    None,
    BrokenHeader,    // the file ends inside the 2-byte header
    CutShort,        // a fixed-length record ends early
    LengthTooSmall,  // a length field shorter than the head it belongs to
    TooLong,         // a length field beyond the record buffer
    LengthMismatch,  // the file ends before the length field's end
};

struct RecordResult {
    // Bytes read; 0 at the end of the file or at a kind 10..15; -1 for a damaged record.
    int Count = 0;
    RecordDamage Damage = RecordDamage::None;
    long Offset = 0;  // where the record starts in the file
};

// Reads the records of a drawing one by one from an open file into a caller's buffer.
// Every read is bounded by the buffer and by what the file really holds.
class RecordReader {
  public:
    explicit RecordReader(std::FILE* file) : file_(file) {}

    RecordResult ReadRecord(std::uint8_t (&buffer)[kRecordBufferSize]);

  private:
    std::size_t ReadBytes(std::uint8_t* into, std::size_t count);

    std::FILE* file_;
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
