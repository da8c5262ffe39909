// Writes the application icon as PNG files for the desktop, at build time:
//   tessarin_export_icons THEME_DIR PICTURE
// puts THEME_DIR/<N>x<N>/apps/tessarin.png for every icon size and the 32 x 32 picture of the
// version box at PICTURE. Runs without a display: the icon is drawn into plain images.
#include <wx/app.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstdio>

#include "ui/main/ApplicationIcon.h"

namespace {

bool Write(const wxImage& image, const wxString& path) {
    const wxFileName name(path);
    if (!wxFileName::Mkdir(name.GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL) ||
        !image.SaveFile(path, wxBITMAP_TYPE_PNG)) {
        std::fprintf(stderr, "tessarin_export_icons: cannot write %s\n",
                     static_cast<const char*>(path.utf8_str()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tessarin_export_icons THEME_DIR PICTURE\n");
        return 2;
    }
    wxApp::SetInstance(new wxAppConsole);
    wxInitializer toolkit(argc, argv);
    if (!toolkit.IsOk()) {
        std::fprintf(stderr, "tessarin_export_icons: the toolkit could not start\n");
        return 1;
    }
    wxLog::EnableLogging(false);
    wxImage::AddHandler(new wxPNGHandler);

    const wxString themeDirectory = wxString::FromUTF8(argv[1]);
    for (const int size : ApplicationIconSizes()) {
        const wxString path =
            wxString::Format("%s/%dx%d/apps/tessarin.png", themeDirectory, size, size);
        if (!Write(CreateApplicationIconImage(size), path)) {
            return 1;
        }
    }
    return Write(CreateApplicationIconImage(32), wxString::FromUTF8(argv[2])) ? 0 : 1;
}
