#include "framework/window/orlLibraryConfig.h"

#include "framework/window/orlTopLevelWindowBase.h"

namespace {

// The group reserved for the dialog base: nothing is kept there, so reading and writing it
// never touch the store.
bool ReadDialogConfig(const wxConfigBase&, const wxString&) {
    return true;
}

bool WriteDialogConfig(wxConfigBase&, const wxString&) {
    return true;
}

}  // namespace

bool orlReadLibraryConfig(const wxConfigBase& config, const wxString& root) {
    return ReadDialogConfig(config, root + "/orlDialog") &&
           orlTopLevelWindowBase::LoadWindowInfoList(config, root + "/orlTopLevelWindow");
}

bool orlWriteLibraryConfig(wxConfigBase& config, const wxString& root) {
    return WriteDialogConfig(config, root + "/orlDialog") &&
           orlTopLevelWindowBase::SaveWindowInfoList(config, root + "/orlTopLevelWindow");
}
