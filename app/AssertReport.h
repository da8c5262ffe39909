// What happens when the program's own consistency check fails inside the toolkit or the
// program: the user never gets the toolkit's "assertion failed" box, which stops the program
// and asks questions only a developer can answer.
#pragma once

#include <wx/debug.h>

#include <cstdio>

// Each failed check is written once, as one line on `err`, and the program goes on. Returns
// the handler that was in force before.
wxAssertHandler_t ReportAssertionsOn(std::FILE* err);
