#include "ui/main/CombinationRowText.h"

#include <wx/intl.h>

namespace {

// The chosen kinds in their fixed order, joined by ",".
wxString KindList(const UseChar& item) {
    wxString kinds;
    auto add = [&kinds](const wxString& name) {
        if (!kinds.empty()) {
            kinds += _(",");
        }
        kinds += name;
    };
    if (item.AlphabetUpper) {
        add(_("A-Z"));
    }
    if (item.AlphabetLower) {
        add(_("a-z"));
    }
    if (item.Numeric) {
        add(_("0-9"));
    }
    if (item.Symbol) {
        add(_("Symbol"));
    }
    // "All kind" only means something when there is more than one kind to mix.
    if (item.GetKindCount() > 1 && item.UseAllKind) {
        add(_("All kind"));
    }
    return kinds;
}

}  // namespace

CombinationRowText GetCombinationRowText(const UseChar& item) {
    if (item.Fixed) {
        return {_("Fixed (") + item.FixedString + _(")"),
                wxString::Format("%zu", item.FixedString.length())};
    }
    if (item.Dictionary) {
        const wxString range =
            item.DictionaryMin == item.DictionaryMax
                ? wxString::Format("%d", item.DictionaryMin)
                : wxString::Format(_("%d-%d"), item.DictionaryMin, item.DictionaryMax);
        return {_("Dictionary Word"), range};
    }
    return {KindList(item), wxString::Format("%u", static_cast<unsigned>(item.Length))};
}
