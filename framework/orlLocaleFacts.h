// The facts about the user's locale that the shared appearance helpers depend on. The
// system's are used unless a test has put others in.
#pragma once

#include <wx/string.h>

#include <memory>

class orlLocaleFacts {
  public:
    virtual ~orlLocaleFacts() = default;

    // The toolkit's English name of the system language, the language of the user's default
    // locale (not the program's own locale): "English", "Japanese", ...
    virtual wxString GetSystemLanguageName() const;

    // The decimal point of the user's default locale: "." or "," and so on.
    virtual wxString GetDecimalPoint() const;
};

const orlLocaleFacts& orlGetLocaleFacts();

// True when an English language description names Japanese, in any letter case and with or
// without the region the toolkit adds ("Japanese (Japan)").
bool orlIsJapaneseLanguage(const wxString& description);

// Replaces the locale facts (null brings back the system's). Whatever was derived from the
// old facts and cached is worked out again.
void orlSetLocaleFacts(std::unique_ptr<orlLocaleFacts> facts);

// Changes whenever the facts are replaced, so that caches can tell they are stale.
unsigned orlGetLocaleFactsGeneration();
