// Fuzz target: UTF-8 as read from standard input and written to the terminal. Every byte is
// one character or one U+FFFD; what is written back is always well-formed, and is the very
// bytes read whenever they were well-formed.

#include <cstring>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "framework/codes/orlUtf8Text.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzsupport::StartToolkit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The bytes in a block of their own, so that a read past the end is seen.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string_view view(bytes);
    const wxString text = orlDecodeUtf8(view);
    FUZZ_CHECK(text.length() <= size);
    const bool wellFormed = orlIsWellFormedUtf8(view);

    std::size_t replaced = 0;
    for (const wxUniChar c : text) {
        const wxUint32 code = c.GetValue();
        FUZZ_CHECK(code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF));
        replaced += code == 0xFFFD ? 1 : 0;
    }
    const std::string again = orlEncodeUtf8(text);
    FUZZ_CHECK(orlIsWellFormedUtf8(again));
    if (wellFormed) {
        FUZZ_CHECK(again == bytes);
    } else {
        FUZZ_CHECK(replaced > 0);
        // Each replacement stands for one byte: the rest came through unchanged.
        FUZZ_CHECK(orlDecodeUtf8(again) == text);
    }

    // Walking sequence by sequence covers the bytes exactly when they are well-formed.
    std::size_t offset = 0;
    while (offset < size) {
        const std::size_t step = orlUtf8SequenceLength(view.substr(offset));
        FUZZ_CHECK(step <= size - offset && step <= 4);
        if (step == 0) {
            break;
        }
        offset += step;
    }
    FUZZ_CHECK((offset == size) == wellFormed);
    return 0;
}
