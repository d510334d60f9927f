// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PartRec.h"

#include <algorithm>
#include <limits>

#include "model/RecordPool.h"
#include "text/Sjis.h"

namespace model {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The decimal number at the start of `digits`.
std::int64_t ReferenceDigits(std::string_view digits) {
    std::int64_t value = 0;
    for (char c : digits) {
        if (!IsDigit(c) || value > std::numeric_limits<std::int64_t>::max() / 10 - 9) {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

TPartRec::TPartRec(const CCe2Part& fileRecord) {
    static_cast<CCe2Part&>(*this) = fileRecord;
    text::CopyToField(CvtName, PartNameText());

    // Digits never occur as CP932 trail bytes. A NUL ends the prefix as it ends a C string,
    // while the number is still looked for in the whole reference.
    std::string_view ref = RefText();
    std::size_t digit = 0;
    while (digit < ref.size() && !IsDigit(ref[digit])) {
        ++digit;
    }
    RefPrefixLen = static_cast<std::uint8_t>(std::min(digit, ref.find('\0')));
    if (digit < ref.size()) {
        RefNumber = ReferenceDigits(ref.substr(digit));
    }
}

TPartRec::~TPartRec() {
    std::unique_ptr<TPartRec> next = std::move(NextUnit);
    while (next) {
        next = std::move(next->NextUnit);
    }
}

std::string_view TPartRec::PartNameText() const {
    // A C string in its field: up to a NUL the length byte may have taken in.
    const std::string_view name = NameLen != 0 ? NameText() : LibNameText();
    return name.substr(0, name.find('\0'));
}
std::string_view TPartRec::CvtNameText() const {
    return text::FieldText(CvtName);
}
std::string_view TPartRec::MakerNameText() const {
    return text::FieldText(MakerName);
}
std::string_view TPartRec::RefPrefixText() const {
    return RefText().substr(0, RefPrefixLen);
}
std::string_view TPartRec::NoteText() const {
    return text::FieldText(Note);
}

void* TPartRec::operator new(std::size_t size) {
    return TakeRecord<TPartRec>(size);
}
void TPartRec::operator delete(void* part, std::size_t size) noexcept {
    GiveRecord<TPartRec>(part, size);
}
void* TPinRec::operator new(std::size_t size) {
    return TakeRecord<TPinRec>(size);
}
void TPinRec::operator delete(void* pin, std::size_t size) noexcept {
    GiveRecord<TPinRec>(pin, size);
}

void TPinRec::SetRef(std::string_view ref) {
    RefLen = static_cast<std::uint8_t>(std::min(ref.size(), sizeof Ref));
    std::copy_n(ref.data(), RefLen, Ref);
}

static_assert(sizeof(TPinRec) <= 32, "a pin stays small: a large drawing holds a million");
static_assert(sizeof(TPartRec) <= 144, "a part stays small: a large drawing holds half a million");

}  // namespace model
