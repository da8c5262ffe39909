// Fuzz target: the simple-password check on arbitrary text at both levels, with a small
// dictionary and a known user and host. The first byte chooses how the rest becomes text: one
// character per byte when even, else UTF-16 units (low byte first) with surrogate pairs joined
// and lone surrogates kept. The verdict goes with the code, the check gives the same answer
// twice, and the high level finds everything the standard level finds, with the same code.

#include <memory>

#include "FuzzSupport.h"
#include "engine/Dictionary.h"
#include "engine/GenerationSettings.h"
#include "engine/PasswordGenerator.h"
#include "framework/codes/orlCodeBase.h"
#include "support/FixedIdentity.h"

namespace {

struct World {
    World() : generator(settings, dictionary) {}
    fuzzsupport::ScratchFile words{".dic"};
    Dictionary dictionary;
    GenerationSettings settings;
    PasswordGenerator generator;
};

std::unique_ptr<World> world;

wxString TextOf(const std::uint8_t* data, std::size_t size) {
    wxString text;
    if (size == 0) {
        return text;
    }
    if (data[0] % 2 == 0) {
        for (std::size_t i = 1; i < size; ++i) {
            text += wxUniChar(static_cast<unsigned>(data[i]));
        }
        return text;
    }
    std::size_t i = 1;
    auto next = [&] { return static_cast<std::uint32_t>(data[i] | (data[i + 1] << 8)); };
    while (i + 1 < size) {
        std::uint32_t unit = next();
        i += 2;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < size) {
            const std::uint32_t low = next();
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        orlText::Append(text, unit);
    }
    return text;
}

bool IsKnownCode(int code) {
    return code >= PasswordGenerator::kDictionaryWord && code <= PasswordGenerator::kOffTheSubject;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzsupport::StartToolkit();
    FixedIdentity::Use("jdoe", "John Doe", "myhost");
    world = std::make_unique<World>();
    const char words[] = "3\nsunset\nPassword\ndragon/5\n";
    world->words.Write(reinterpret_cast<const std::uint8_t*>(words), sizeof words - 1);
    FUZZ_CHECK(world->dictionary.LoadFile(wxString::FromUTF8(world->words.Path())));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const wxString text = TextOf(data, size);
    const PasswordGenerator& generator = world->generator;
    int codes[3] = {99, 99, 99};
    for (int level = 1; level <= 2; ++level) {
        int& code = codes[level];
        const bool simple = generator.IsSimplePassword(text, &code, level);
        FUZZ_CHECK(IsKnownCode(code));
        FUZZ_CHECK(simple == (code < 0));
        int again = 99;
        FUZZ_CHECK(generator.IsSimplePassword(text, &again, level) == simple);
        FUZZ_CHECK(again == code);
        FUZZ_CHECK(text.length() != 0 || code == PasswordGenerator::kTooShort);
        FUZZ_CHECK((text.length() == 1 || text.length() == 2) ==
                   (code == PasswordGenerator::kOffTheSubject));
    }
    FUZZ_CHECK(codes[1] >= 0 || codes[2] == codes[1]);
    return 0;
}
