#include "framework/config/orlSettingsFileStore.h"

#include <wx/mstream.h>

#include <string_view>

#include "framework/config/orlSystemConfig.h"
#include "framework/orlPrivateFile.h"

orlSettingsFileStore::orlSettingsFileStore(const wxString& package, const wxString& localFile,
                                           const wxString& global, long style)
    : wxFileConfig(package, wxEmptyString, localFile, global, style), local(localFile) {
    // The toolkit would write a store that was never flushed when it goes, by its own means.
    DisableAutoSave();
}

bool orlSettingsFileStore::Flush(bool) {
    // What stands at the path now, which may not be what was read when the store was made.
    switch (orlCheckSettingsFile(local)) {
        case orlSettingsFileState::Refused:
        case orlSettingsFileState::Unreadable:
            return false;
        case orlSettingsFileState::Missing:
        case orlSettingsFileState::Usable:
            break;
    }
    wxMemoryOutputStream text;
    if (!Save(text)) {
        return false;
    }
    const wxStreamBuffer* buffer = text.GetOutputStreamBuffer();
    const std::string_view bytes(static_cast<const char*>(buffer->GetBufferStart()),
                                 static_cast<std::size_t>(text.GetSize()));
    return orlWritePrivateFile(local, bytes);
}
