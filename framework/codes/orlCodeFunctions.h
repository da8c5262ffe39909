// Choosing a codec by code number, encoding a text, and comparing file names the way the
// user's locale spells them.
#pragma once

#include <wx/string.h>

#include <memory>

#include "framework/codes/orlByteBuffer.h"
#include "framework/codes/orlCodeBase.h"

// True for the Unicode codes, 7 to 19.
bool orlIsUnicodeCode(int code);

// A codec for the code. The Unicode forms without a byte order use little-endian; the
// automatic detection, and any code without a codec of its own, gets the ASCII codec.
std::unique_ptr<orlCodeBase> orlCreateCodec(int code);

// Encodes the text in the code; an empty text gives no bytes and true.
bool orlEncodeText(const wxString& text, int code, orlByteBuffer& bytes);

// The text in the locale code of the process, one character per byte (its value 0 to 255);
// the text itself when the locale code is a Unicode code or nothing was produced.
wxString orlEncodeToLocale(const wxString& text);

// Compares two file names ignoring letter case, after turning both into the locale code:
// 0 when equal; a name that is the start of the other sorts first.
int CompareFileNames(const wxString& a, const wxString& b);
