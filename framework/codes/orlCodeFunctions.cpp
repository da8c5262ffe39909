#include "framework/codes/orlCodeFunctions.h"

#include "framework/codes/orlCharCode.h"
#include "framework/codes/orlCodeAscii.h"
#include "framework/codes/orlCodeEucJp.h"
#include "framework/codes/orlCodeJis.h"
#include "framework/codes/orlCodeShiftJis.h"
#include "framework/codes/orlCodeUtf16.h"
#include "framework/codes/orlCodeUtf32.h"
#include "framework/codes/orlCodeUtf8.h"

bool orlIsUnicodeCode(int code) {
    return code >= orlCODE_UTF8 && code <= orlCODE_UTF32LE;
}

std::unique_ptr<orlCodeBase> orlCreateCodec(int code) {
    switch (code) {
        case orlCODE_EUC_JP:
            return std::make_unique<orlCodeEucJp>();
        case orlCODE_SHIFT_JIS:
        case orlCODE_CP932:
            return std::make_unique<orlCodeShiftJis>();
        case orlCODE_ISO_2022_JP:
        case orlCODE_ISO_2022_JP_2:
        case orlCODE_JIS:
            return std::make_unique<orlCodeJis>();
        case orlCODE_UTF8:
            return std::make_unique<orlCodeUtf8>();
        case orlCODE_UCS2BE:
        case orlCODE_UTF16BE:
            return std::make_unique<orlCodeUtf16BE>();
        case orlCODE_UCS2:
        case orlCODE_UCS2LE:
        case orlCODE_UTF16:
        case orlCODE_UTF16LE:
            return std::make_unique<orlCodeUtf16LE>();
        case orlCODE_UCS4BE:
        case orlCODE_UTF32BE:
            return std::make_unique<orlCodeUtf32BE>();
        case orlCODE_UCS4:
        case orlCODE_UCS4LE:
        case orlCODE_UTF32:
        case orlCODE_UTF32LE:
            return std::make_unique<orlCodeUtf32LE>();
        default:
            return std::make_unique<orlCodeAscii>();
    }
}

bool orlEncodeText(const wxString& text, int code, orlByteBuffer& bytes) {
    if (text.empty()) {
        bytes.Start(0);
        return true;
    }
    return orlCreateCodec(code)->Encode(text, bytes);
}

wxString orlEncodeToLocale(const wxString& text) {
    const int code = orlCharCode::Get().GetLocaleCode();
    if (orlIsUnicodeCode(code)) {
        return text;
    }
    orlByteBuffer bytes;
    orlEncodeText(text, code, bytes);
    if (bytes.Length() == 0) {
        return text;
    }
    wxString result;
    result.reserve(bytes.Length());
    for (std::size_t i = 0; i < bytes.Length(); ++i) {
        orlText::Append(result, bytes.Data()[i]);
    }
    return result;
}

int CompareFileNames(const wxString& a, const wxString& b) {
    const wxString x = orlEncodeToLocale(a.Lower());
    const wxString y = orlEncodeToLocale(b.Lower());
    return x.compare(y);
}
