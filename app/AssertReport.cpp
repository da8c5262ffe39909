#include "app/AssertReport.h"

#include <wx/debug.h>
#include <wx/string.h>

#include <set>
#include <string>

namespace {

std::FILE* reportStream = stderr;

void ReportAssertion(const wxString& file, int line, const wxString& function,
                     const wxString& condition, const wxString& message) {
    // A check that fails in a loop or on every paint is told once.
    static std::set<std::string> told;
    const wxString where = wxString::Format("%s:%d", file, line);
    if (!told.insert(where.utf8_string()).second) {
        return;
    }
    wxString text = wxString::Format("tessarin: internal check failed at %s in %s(): %s", where,
                                     function, condition);
    if (!message.empty()) {
        text << ": " << message;
    }
    std::fprintf(reportStream, "%s\n", text.utf8_str().data());
    std::fflush(reportStream);
}

}  // namespace

wxAssertHandler_t ReportAssertionsOn(std::FILE* err) {
    reportStream = err;
    return wxSetAssertHandler(ReportAssertion);
}
