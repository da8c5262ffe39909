#include "framework/orlFonts.h"

#include <wx/app.h>
#include <wx/settings.h>

#include "framework/orlLocaleFacts.h"

namespace {

// The default GUI font, or on a Japanese system the given Japanese face at the same size.
// The encoding asks for Shift_JIS where the toolkit honours it; GTK draws everything in
// Unicode and keeps only the face and the size.
// The default GUI font. Without the windowed toolkit (the program run from a terminal without
// a window) there is no system font to ask for; a plain font of the usual size stands in,
// never drawn. The application is asked as the console application it may be: taking it for
// a windowed one before knowing would be a false cast.
wxFont BaseFont() {
    const wxAppConsole* app = wxAppConsole::GetInstance();
    const bool windowed = app != nullptr && app->IsGUI();
    return windowed ? wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT)
                    : wxFont(wxFontInfo(10).Family(wxFONTFAMILY_SWISS));
}

wxFont SharedFont(const wxString& japaneseFace) {
    const wxFont base = BaseFont();
    if (orlIsJapaneseLanguage(orlGetLocaleFacts().GetSystemLanguageName())) {
        const wxFont japanese(wxFontInfo(base.GetFractionalPointSize())
                                  .Family(wxFONTFAMILY_SWISS)
                                  .Style(wxFONTSTYLE_NORMAL)
                                  .Weight(wxFONTWEIGHT_NORMAL)
                                  .Underlined(false)
                                  .FaceName(japaneseFace)
                                  .Encoding(wxFONTENCODING_CP932));
        if (japanese.IsOk()) {
            return japanese;
        }
    }
    return base;
}

}  // namespace

wxFont orlGetTextFont() {
    // The fixed-pitch Japanese Gothic face, whose name is written in full-width letters.
    return SharedFont(wxString(L"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF"));
}

wxFont orlGetGuiFont() {
    return SharedFont("MS UI Gothic");
}

wxFont orlGetMonospaceFont() {
    return wxFont(wxFontInfo(BaseFont().GetFractionalPointSize()).Family(wxFONTFAMILY_TELETYPE));
}
