// Fuzz target: the main settings loaded from a settings file of arbitrary bytes, through the
// same file store the program reads (it refuses bytes that are not a settings file's text).
// Loading keeps every limited value within its limits, and what it loaded survives being saved
// and loaded again unchanged.
#include <wx/fileconf.h>
#include <wx/mstream.h>

#include <memory>

#include "FuzzSupport.h"
#include "framework/config/orlSystemConfig.h"
#include "settings/MainConfig.h"

namespace {

std::unique_ptr<fuzzsupport::ScratchFile> scratch;

void CheckLimits(const MainConfig& config) {
    FUZZ_CHECK(config.StrengthCheckLevel >= 1 && config.StrengthCheckLevel <= 2);
    FUZZ_CHECK(config.PluralCreateCount >= 1 && config.PluralCreateCount <= 1000);
    FUZZ_CHECK(config.SymbolStrings.size() <= MainConfig::kMaxSymbolStrings);
    FUZZ_CHECK(config.FixedStrings.size() <= MainConfig::kMaxFixedStrings);
    for (const wxString& text : config.FixedStrings) {
        FUZZ_CHECK(!text.empty());
    }
}

// A store in memory, read and written as the program's file store is: values as they stand.
std::unique_ptr<wxFileConfig> MemoryStore() {
    wxMemoryInputStream empty("", 0);
    auto store = std::make_unique<wxFileConfig>(empty);
    store->SetExpandEnvVars(false);
    return store;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzsupport::StartToolkit();
    scratch = std::make_unique<fuzzsupport::ScratchFile>(".ini");
    // A program path with no system file beside it: the settings file named is used as it is.
    orlSystemConfig::Get().Init("tessarin", "/nonexistent/tessarin-fuzz/tessarin");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    scratch->Write(data, size);
    const wxString file = wxString::FromUTF8(scratch->Path());
    const std::unique_ptr<wxConfigBase> store = orlSystemConfig::Get().OpenForReading(file);
    // Bytes that do not read as a settings file are never parsed: the defaults stand.
    const bool usable = orlCheckSettingsFile(file) == orlSettingsFileState::Usable;
    FUZZ_CHECK((store != nullptr) == usable);

    MainConfig config;
    config.SetDefaults();
    if (store) {
        config.Load(*store);
    }
    CheckLimits(config);

    const std::unique_ptr<wxFileConfig> memory = MemoryStore();
    FUZZ_CHECK(config.Save(*memory));
    MainConfig reloaded;
    reloaded.SetDefaults();
    reloaded.Load(*memory);
    // Fonts compare through the screen, which a run from a terminal lacks: they are compared
    // by their descriptions, and the rest as a whole.
    for (wxFont MainConfig::*font : {&MainConfig::OnePasswordFont, &MainConfig::PluralPasswordFont,
                                     &MainConfig::CombinationListFont}) {
        FUZZ_CHECK((reloaded.*font).GetNativeFontInfoDesc() ==
                   (config.*font).GetNativeFontInfoDesc());
        reloaded.*font = config.*font;
    }
    FUZZ_CHECK(reloaded == config);
    return 0;
}
