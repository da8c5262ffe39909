// The settings file as a store: read once when the store is made, and written on a flush by
// replacing the whole file in one step, the way files with secrets are written.
#pragma once

#include <wx/fileconf.h>
#include <wx/string.h>

class orlSettingsFileStore : public wxFileConfig {
  public:
    // A store for the package over the local file (an absolute path) and the global one.
    orlSettingsFileStore(const wxString& package, const wxString& localFile, const wxString& global,
                         long style);

    // Writes every group to a new private file beside the local file and renames it over that
    // file (through a symbolic link to its target). False, touching nothing, when the local file
    // is not a plain file, cannot be read or does not look like a settings file
    // (orlCheckSettingsFile), or when a step of the writing fails.
    bool Flush(bool currentOnly = false) override;

  private:
    wxString local;
};
