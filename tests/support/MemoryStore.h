// A settings store that is the toolkit's real file store, read from and written to a text in
// memory instead of a file on disk.
#pragma once

#include <wx/fileconf.h>
#include <wx/mstream.h>
#include <wx/sstream.h>

#include <memory>
#include <string>

namespace memorystore {

// The program's stores take every text as written: no "$NAME" is replaced by the environment.
inline std::unique_ptr<wxFileConfig> Quiet(std::unique_ptr<wxFileConfig> store) {
    store->SetExpandEnvVars(false);
    return store;
}

// A file store holding what the text of a settings file says.
inline std::unique_ptr<wxFileConfig> FromText(const wxString& text) {
    wxStringInputStream in(text);
    return Quiet(std::make_unique<wxFileConfig>(in));
}

// A file store holding what the bytes of a settings file say, read as the store reads a
// file (the encoding detected from the bytes).
inline std::unique_ptr<wxFileConfig> FromBytes(const std::string& bytes) {
    wxMemoryInputStream in(bytes.data(), bytes.size());
    return Quiet(std::make_unique<wxFileConfig>(in));
}

// The text of the settings file the store would write.
inline wxString ToText(wxFileConfig& store) {
    wxStringOutputStream out;
    store.Save(out);
    return out.GetString();
}

}  // namespace memorystore
