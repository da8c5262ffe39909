#include "engine/StrengthTest.h"

#include <wx/intl.h>

#include "engine/PasswordGenerator.h"

wxArrayString ReadTestLines(const wxString& text) {
    wxString unified = text;
    unified.Replace("\r\n", "\n");
    unified.Replace("\r", "\n");

    wxArrayString lines;
    size_t start = 0;
    while (start <= unified.length()) {
        size_t end = unified.find('\n', start);
        if (end == wxString::npos) {
            end = unified.length();
        }
        wxString piece = unified.substr(start, end - start);
        piece.Trim(true).Trim(false);
        if (!piece.empty()) {
            lines.Add(piece);
        }
        start = end + 1;
    }
    return lines;
}

wxString StrengthReport::GetSummary() const {
    if (weak > 0) {
        return wxString::Format(_("A weak password was found. ( %d / %d )"), weak, total);
    }
    return _("All OK.");
}

StrengthReport RunStrengthTest(const PasswordGenerator& generator, const wxArrayString& lines,
                               int level) {
    StrengthReport result;
    const wxString separator = _("\t : ");
    const wxString unknown = _("?????");
    for (const wxString& line : lines) {
        int code = PasswordGenerator::kPassed;
        if (generator.IsSimplePassword(line, &code, level)) {
            ++result.weak;
        }
        wxString verdict = PasswordGenerator::GetResultText(code);
        if (verdict.empty()) {
            verdict = unknown;
        }
        result.report << line << separator << verdict << '\n';
        ++result.total;
    }
    return result;
}
