#include "app/SettingsSaver.h"

#include <wx/intl.h>

#include <memory>

#include "framework/config/orlSystemConfig.h"
#include "framework/dialogs/orlLogDialog.h"
#include "framework/dialogs/orlShowError.h"
#include "settings/MainConfig.h"

bool SaveMainSettings(wxWindow* parent, const wxString& appName, const wxString& initialFile) {
    const orlSystemConfig& locator = orlSystemConfig::Get();
    const wxString path = locator.GetStoreFileName(initialFile);
    // A file there that was taken as damaged was not read, and is not written over.
    const bool refused = orlCheckSettingsFile(path) == orlSettingsFileState::Refused;
    bool ok = false;
    if (!refused) {
        if (std::unique_ptr<wxConfigBase> store = locator.Create(initialFile)) {
            ok = MainConfig::Get().Save(*store);
            ok = store->Flush(false) && ok;
        }
    }
    if (ok) {
        return true;
    }

    const wxString message = wxString::Format(_("%s: The setting cannot be saved"), appName);
    if (refused || locator.IsFileStore(initialFile)) {
        orlLogDialog report(parent, message);
        report.AddText(path, true);
        if (refused) {
            report.AddText(_("This file does not look like a settings file (it is too large or "
                             "too long, it holds lines that a settings file does not have, or it "
                             "is not a plain file). It was not read, and it is left as it is."),
                           true);
        }
        report.ShowModal();
    } else {
        orlShowError(parent, message);
    }
    return false;
}
