#include "framework/orlFormatNumber.h"

#include "framework/orlLocaleFacts.h"

namespace {

// The thousands separator, decided from the locale facts in force when first needed. The
// facts only change when a test replaces them; the separator is then decided again.
wxUniChar ThousandsSeparator() {
    static bool known = false;
    static unsigned knownGeneration = 0;
    static wxUniChar separator = ',';

    const unsigned generation = orlGetLocaleFactsGeneration();
    if (!known || knownGeneration != generation) {
        separator = orlGetLocaleFacts().GetDecimalPoint() == "." ? ',' : ' ';
        knownGeneration = generation;
        known = true;
    }
    return separator;
}

}  // namespace

wxString orlFormatNumber(std::uint32_t number) {
    const wxUniChar separator = ThousandsSeparator();
    const wxString digits = wxString::Format("%lu", static_cast<unsigned long>(number));

    wxString result;
    const size_t count = digits.length();
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) {
            result += separator;
        }
        result += digits[i];
    }
    return result;
}
