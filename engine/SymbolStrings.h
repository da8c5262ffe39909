// Text operations on symbol strings shared by the settings and the editing pages: the
// character filter, the default symbol string and the history of symbol strings.
#pragma once

#include <wx/arrstr.h>
#include <wx/string.h>

// Keeps the printable ASCII characters (space to tilde) in their order and drops every
// character already kept, so each character occurs at most once.
wxString FilterCharacters(const wxString& text);

// The 32 printable ASCII characters that are neither letters, digits nor space, in code order.
const wxString& GetDefaultSymbolString();
bool IsDefaultSymbolString(const wxString& text);

// The history keeps at most nine symbol strings, never the default one, each once. At the
// front the string becomes the most recent entry; otherwise it is appended after at most
// eight older entries (the form used while loading a stored history in order).
void AddSymbolHistory(wxArrayString& history, const wxString& text, bool atFront);
