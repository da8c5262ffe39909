#include "app/SettingsSaver.h"

#include <wx/intl.h>

#include <memory>

#include "framework/dialogs/orlLogDialog.h"
#include "framework/dialogs/orlShowError.h"
#include "settings/MainConfig.h"
#include "settings/orlSystemConfig.h"

bool SaveMainSettings(wxWindow* parent, const wxString& appName, const wxString& initialFile) {
    const orlSystemConfig& locator = orlSystemConfig::Get();
    bool ok = false;
    if (std::unique_ptr<wxConfigBase> store = locator.Create(initialFile)) {
        ok = MainConfig::Get().Save(*store);
        ok = store->Flush(false) && ok;
    }
    if (ok) {
        return true;
    }

    const wxString message = wxString::Format(_("%s: The setting cannot be saved"), appName);
    if (locator.IsFileStore(initialFile)) {
        orlLogDialog report(parent, message);
        report.AddText(locator.GetConfigFileName(initialFile), true);
        report.ShowModal();
    } else {
        orlShowError(parent, message);
    }
    return false;
}
