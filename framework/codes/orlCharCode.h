// The registry of the character codes the program knows, with the code of its own text (the
// internal code) and the code of the user's locale (Shift_JIS for a Japanese user, ASCII for
// everybody else). One registry serves the process; start-up fills it.
#pragma once

#include <wx/string.h>

#include <memory>
#include <vector>

// The code numbers. Two rows share 6 ("JIS" and "ISO-2022-JP-1"); a lookup finds the first.
enum orlCodeNumber {
    orlCODE_ASCII = 0,
    orlCODE_EUC_JP = 1,
    orlCODE_SHIFT_JIS = 2,
    orlCODE_CP932 = 3,
    orlCODE_ISO_2022_JP = 4,
    orlCODE_ISO_2022_JP_2 = 5,
    orlCODE_JIS = 6,
    orlCODE_UTF8 = 7,
    orlCODE_UCS2 = 8,
    orlCODE_UCS2BE = 9,
    orlCODE_UCS2LE = 10,
    orlCODE_UCS4 = 11,
    orlCODE_UCS4BE = 12,
    orlCODE_UCS4LE = 13,
    orlCODE_UTF16 = 14,
    orlCODE_UTF16BE = 15,
    orlCODE_UTF16LE = 16,
    orlCODE_UTF32 = 17,
    orlCODE_UTF32BE = 18,
    orlCODE_UTF32LE = 19,
    orlCODE_AUTO = 20,
};

// One row of the registry.
class orlCharCodeData {
  public:
    orlCharCodeData(int code, const wxString& name, const wxString& description, bool localeUse)
        : code(code), name(name), description(description), localeUse(localeUse) {}
    virtual ~orlCharCodeData() = default;
    orlCharCodeData(const orlCharCodeData&) = default;
    orlCharCodeData& operator=(const orlCharCodeData&) = default;

    int code;
    wxString name;
    wxString description;  // translated
    bool localeUse;        // may serve as a locale code
};

class orlCharCode {
  public:
    orlCharCode() = default;
    virtual ~orlCharCode() = default;
    orlCharCode(const orlCharCode&) = delete;
    orlCharCode& operator=(const orlCharCode&) = delete;

    // The registry of the process.
    static orlCharCode& Get();

    // Fills the registry for the user's language, given by its English description
    // ("Japanese", "English", ...). Filling it again starts afresh.
    void Init(const wxString& languageName);

    // The description of the first row with the code; empty when there is none.
    wxString GetDescription(int code) const;
    int GetInternalCode() const { return internalCode; }
    int GetLocaleCode() const { return localeCode; }
    const wxString& GetLanguage() const { return language; }
    const std::vector<std::unique_ptr<orlCharCodeData>>& GetRows() const { return rows; }

  private:
    const orlCharCodeData* Find(int code) const;

    wxString language;
    int internalCode = orlCODE_UTF16;
    int localeCode = orlCODE_ASCII;
    std::vector<std::unique_ptr<orlCharCodeData>> rows;
};
