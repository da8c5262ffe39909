#include "app/SettingsStart.h"

#include <wx/config.h>

#include <memory>

#include "engine/Dictionary.h"
#include "settings/PasswordConfig.h"

SettingsStart StartSettings(const wxString& programPath, const wxString& initialFile,
                            PasswordConfig& config) {
    orlSystemConfig& locator = orlSystemConfig::Get();
    locator.Init(kProgramName, programPath);
    config.SetDefaults();
    SettingsStart start;
    start.path = locator.GetStoreFileName(initialFile);
    if (std::unique_ptr<wxConfigBase> store = locator.OpenForReading(initialFile)) {
        config.Load(*store);
        start.state = orlSettingsFileState::Usable;
    } else {
        // Looked at only when it was not read, to say why.
        start.state = orlCheckSettingsFile(start.path);
        if (start.state == orlSettingsFileState::Usable) {
            start.state = orlSettingsFileState::Missing;  // gone in the meantime
        }
    }
    // Read when first used: by a dictionary item, the check of simple passwords (which looks
    // for words), or the window once it is on the screen.
    Dictionary::Get().LoadWhenUsed(config.GetDictionaryDirectory());
    return start;
}
