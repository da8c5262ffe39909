// Fuzz target: each codec's decoder and byte inspection on arbitrary bytes (the first byte
// chooses the code). The text stays within bounds; a text decoded as valid encodes as valid
// and decodes back to itself; UTF-16 and UTF-32 give back the very bytes they read.

#include <algorithm>
#include <cstring>

#include "CodecSupport.h"
#include "framework/codes/orlCodeUtf16.h"
#include "framework/codes/orlCodeUtf32.h"

using namespace fuzzsupport;

namespace {

// Steps through the bytes as the inspection functions say; neither reaches past the end.
void CheckInspection(const orlCodeBase& codec, const std::uint8_t* data, std::size_t size) {
    FUZZ_CHECK(codec.GetCharLength(nullptr, 0) == 0);
    FUZZ_CHECK(codec.GetMultiByteLength(nullptr, 0) == 0);
    for (std::size_t offset = 0; offset < size;) {
        const std::size_t rest = size - offset;
        FUZZ_CHECK(codec.GetMultiByteLength(data + offset, rest) <= rest);
        const std::size_t step = codec.GetCharLength(data + offset, rest);
        FUZZ_CHECK(step <= rest);
        if (step == 0) {
            break;
        }
        offset += step;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzsupport::StartToolkit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int code = CodeOf(data[0]);
    // The bytes in a block of their own, so that a read past the end is seen.
    const std::size_t length = size - 1;
    std::unique_ptr<std::uint8_t[]> bytes(new std::uint8_t[length == 0 ? 1 : length]);
    if (length != 0) {
        memcpy(bytes.get(), data + 1, length);
    }
    const std::unique_ptr<orlCodeBase> codec = orlCreateCodec(code);
    FUZZ_CHECK(codec != nullptr);

    wxString text = "left over";
    const bool valid = codec->Decode(bytes.get(), length, text);
    CheckDecoded(text, length, valid);
    CheckInspection(*codec, bytes.get(), length);
    if (!valid || !HasOwnForm(code, text)) {
        return 0;
    }

    orlByteBuffer encoded;
    FUZZ_CHECK(codec->Encode(text, encoded));
    CheckBuffer(encoded);
    wxString again;
    FUZZ_CHECK(codec->Decode(encoded.Data(), encoded.Length(), again));
    FUZZ_CHECK(again == text);

    // UTF-16 and UTF-32 have one form per character: the bytes come back as they were,
    // without the byte-order mark the decoder skipped.
    std::size_t mark = 0;
    if (const auto* utf16 = dynamic_cast<const orlCodeUtf16Base*>(codec.get())) {
        mark = utf16->GetBomLength(bytes.get(), length);
    } else if (const auto* utf32 = dynamic_cast<const orlCodeUtf32Base*>(codec.get())) {
        mark = utf32->GetBomLength(bytes.get(), length);
    } else {
        return 0;
    }
    FUZZ_CHECK(mark <= length);
    FUZZ_CHECK(encoded.Length() == length - mark);
    FUZZ_CHECK(std::equal(encoded.Data(), encoded.Data() + encoded.Length(), bytes.get() + mark));
    return 0;
}
