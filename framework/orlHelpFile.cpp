#include "framework/orlHelpFile.h"

#include <wx/filename.h>

orlHelpFileLayout orlGetPlatformHelpFileLayout() {
    return {"/", "htb"};
}

wxString orlGetHelpFileName(const wxString& directory, const wxString& localeName,
                            const wxString& name) {
    return orlGetHelpFileName(directory, localeName, name, orlGetPlatformHelpFileLayout());
}

wxString orlGetHelpFileName(const wxString& directory, const wxString& localeName,
                            const wxString& name, const orlHelpFileLayout& layout) {
    const wxString lang = localeName.Left(2).Lower();
    const wxString& sep = layout.separator;
    return directory + sep + "docs" + sep + lang + sep + name + "." + layout.extension;
}

wxString orlFindHelpFile(const wxString& directory, const wxString& localeName,
                         const wxString& name) {
    const wxString path = orlGetHelpFileName(directory, localeName, name);
    if (wxFileName::FileExists(path)) {
        return path;
    }
    const wxString english = orlGetHelpFileName(directory, "en", name);
    return wxFileName::FileExists(english) ? english : path;
}
