#include "framework/codes/orlCharCode.h"

#include <wx/translation.h>

#include "framework/orlLocaleFacts.h"

namespace {

struct Row {
    int code;
    const char* name;
    const char* description;
    bool localeUse;
};

const Row kRows[] = {
    {orlCODE_ASCII, "ASCII", wxTRANSLATE("English (ASCII)"), true},
    {orlCODE_EUC_JP, "EUC-JP", wxTRANSLATE("Japanese (EUC-JP)"), true},
    {orlCODE_SHIFT_JIS, "SHIFT_JIS", wxTRANSLATE("Japanese (SHIFT_JIS)"), true},
    {orlCODE_CP932, "CP932", wxTRANSLATE("Japanese (CP932)"), false},
    {orlCODE_ISO_2022_JP, "ISO-2022-JP", wxTRANSLATE("Japanese (ISO-2022-JP)"), false},
    {orlCODE_ISO_2022_JP_2, "ISO-2022-JP-2", wxTRANSLATE("Japanese (ISO-2022-JP-2)"), false},
    {orlCODE_JIS, "JIS", wxTRANSLATE("Japanese (JIS)"), true},
    {orlCODE_JIS, "ISO-2022-JP-1", wxTRANSLATE("Japanese (ISO-2022-JP-1)"), false},
    {orlCODE_UTF8, "UTF-8", wxTRANSLATE("Unicode (UTF-8)"), true},
    {orlCODE_UCS2, "UCS-2", wxTRANSLATE("Unicode (UCS-2)"), false},
    {orlCODE_UCS2BE, "UCS-2BE", wxTRANSLATE("Unicode (UCS-2BE)"), false},
    {orlCODE_UCS2LE, "UCS-2LE", wxTRANSLATE("Unicode (UCS-2LE)"), false},
    {orlCODE_UCS4, "UCS-4", wxTRANSLATE("Unicode (UCS-4)"), false},
    {orlCODE_UCS4BE, "UCS-4BE", wxTRANSLATE("Unicode (UCS-4BE)"), false},
    {orlCODE_UCS4LE, "UCS-4LE", wxTRANSLATE("Unicode (UCS-4LE)"), false},
    {orlCODE_UTF16, "UTF-16", wxTRANSLATE("Unicode (UTF-16)"), true},
    {orlCODE_UTF16BE, "UTF-16BE", wxTRANSLATE("Unicode (UTF-16BE)"), true},
    {orlCODE_UTF16LE, "UTF-16LE", wxTRANSLATE("Unicode (UTF-16LE)"), true},
    {orlCODE_UTF32, "UTF-32", wxTRANSLATE("Unicode (UTF-32)"), true},
    {orlCODE_UTF32BE, "UTF-32BE", wxTRANSLATE("Unicode (UTF-32BE)"), true},
    {orlCODE_UTF32LE, "UTF-32LE", wxTRANSLATE("Unicode (UTF-32LE)"), true},
    {orlCODE_AUTO, "AUTO", wxTRANSLATE("Auto Detect"), true},
};

}  // namespace

orlCharCode& orlCharCode::Get() {
    static orlCharCode registry;
    return registry;
}

void orlCharCode::Init(const wxString& languageName) {
    language = languageName;
    rows.clear();
    for (const Row& row : kRows) {
        rows.push_back(std::make_unique<orlCharCodeData>(
            row.code, row.name, wxGetTranslation(row.description), row.localeUse));
    }
    internalCode = orlCODE_UTF16;
    localeCode = orlIsJapaneseLanguage(languageName) ? orlCODE_SHIFT_JIS : orlCODE_ASCII;
    const orlCharCodeData* locale = Find(localeCode);
    if (!locale || !locale->localeUse) {
        localeCode = internalCode;
    }
}

const orlCharCodeData* orlCharCode::Find(int code) const {
    for (const auto& row : rows) {
        if (row->code == code) {
            return row.get();
        }
    }
    return nullptr;
}

wxString orlCharCode::GetDescription(int code) const {
    const orlCharCodeData* row = Find(code);
    return row ? row->description : wxString();
}
