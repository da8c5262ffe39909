#include "framework/config/orlConfig.h"

#include <climits>

namespace {

// A whole number stored at the key, within the range of a 32-bit integer.
bool ReadNumber(const wxConfigBase& store, const wxString& key, int& number) {
    wxString text;
    if (!store.Read(key, &text)) {
        return false;
    }
    text.Trim(true).Trim(false);
    long long value = 0;
    if (!text.ToLongLong(&value) || value < INT_MIN || value > INT_MAX) {
        return false;
    }
    number = static_cast<int>(value);
    return true;
}

// Booleans are stored as 1 and 0; any other whole number counts as true, and the words true
// and false are understood too.
bool ReadTruth(const wxConfigBase& store, const wxString& key, bool& truth) {
    int number = 0;
    if (ReadNumber(store, key, number)) {
        truth = number != 0;
        return true;
    }
    wxString text;
    if (!store.Read(key, &text)) {
        return false;
    }
    text.Trim(true).Trim(false);
    if (text.IsSameAs("true", false) || text.IsSameAs("false", false)) {
        truth = text.IsSameAs("true", false);
        return true;
    }
    return false;
}

// The stored weights are the classic three: 90 normal, 91 light, 92 bold.
constexpr int kStoredNormal = 90;
constexpr int kStoredLight = 91;
constexpr int kStoredBold = 92;

int StoredWeight(wxFontWeight weight) {
    if (weight <= wxFONTWEIGHT_LIGHT) {
        return kStoredLight;
    }
    return weight >= wxFONTWEIGHT_SEMIBOLD ? kStoredBold : kStoredNormal;
}

bool WeightFromStore(int stored, wxFontWeight& weight) {
    switch (stored) {
        case kStoredNormal:
            weight = wxFONTWEIGHT_NORMAL;
            return true;
        case kStoredLight:
            weight = wxFONTWEIGHT_LIGHT;
            return true;
        case kStoredBold:
            weight = wxFONTWEIGHT_BOLD;
            return true;
        default:
            return false;
    }
}

bool IsStoredFamily(int family) {
    return family >= wxFONTFAMILY_DEFAULT && family <= wxFONTFAMILY_TELETYPE;
}

bool IsStoredStyle(int style) {
    return style == wxFONTSTYLE_NORMAL || style == wxFONTSTYLE_ITALIC || style == wxFONTSTYLE_SLANT;
}

// The point sizes a stored font may have. The toolkit cannot draw sizes far beyond these (a size
// in the millions overflows its arithmetic and makes it assert), and no screen needs them.
constexpr int kSmallestPointSize = 1;
constexpr int kLargestPointSize = 500;

bool IsStoredEncoding(int encoding) {
    return encoding >= wxFONTENCODING_SYSTEM && encoding < wxFONTENCODING_MAX;
}

// Reads both halves of a point or size; assigns only when both are there.
bool ReadPair(const wxConfigBase& store, const wxString& path, const char* first,
              const char* second, int& a, int& b) {
    if (!orlConfig::Exists(store, path)) {
        return false;
    }
    int x = 0;
    int y = 0;
    if (!ReadNumber(store, path + first, x) || !ReadNumber(store, path + second, y)) {
        return false;
    }
    a = x;
    b = y;
    return true;
}

bool WritePair(wxConfigBase& store, const wxString& path, const char* first, const char* second,
               int a, int b) {
    return orlConfig::DeleteIfExists(store, path) && store.Write(path + first, long{a}) &&
           store.Write(path + second, long{b});
}

}  // namespace

wxString orlConfig::NumberedKey(const wxString& path, int number) {
    return wxString::Format("%s/%03d", path, number);
}

bool orlConfig::Exists(const wxConfigBase& store, const wxString& path) {
    return store.HasGroup(path) || store.HasEntry(path);
}

bool orlConfig::DeleteIfExists(wxConfigBase& store, const wxString& path) {
    return !Exists(store, path) || store.DeleteGroup(path);
}

void orlConfig::ReadBool(const wxConfigBase& store, const wxString& path, bool& value) {
    ReadTruth(store, path, value);
}

void orlConfig::ReadInt(const wxConfigBase& store, const wxString& path, int& value) {
    ReadNumber(store, path, value);
}

void orlConfig::ReadIntRange(const wxConfigBase& store, const wxString& path, int& value,
                             int minimum, int maximum) {
    int number = value;
    ReadInt(store, path, number);
    if (minimum <= number && number <= maximum) {
        value = number;
    }
}

void orlConfig::ReadString(const wxConfigBase& store, const wxString& path, wxString& value) {
    wxString text;
    if (store.Read(path, &text)) {
        value = text;
    }
}

void orlConfig::ReadStringArray(const wxConfigBase& store, const wxString& path,
                                wxArrayString& value) {
    if (!Exists(store, path)) {
        return;
    }
    value.clear();
    for (int n = 1;; ++n) {
        wxString element;
        if (!store.Read(NumberedKey(path, n), &element)) {
            break;
        }
        value.Add(element);
    }
}

void orlConfig::ReadIntArray(const wxConfigBase& store, const wxString& path, wxArrayInt& value) {
    if (!Exists(store, path)) {
        return;
    }
    value.clear();
    for (int n = 1;; ++n) {
        int element = 0;
        if (!ReadNumber(store, NumberedKey(path, n), element)) {
            break;
        }
        value.Add(element);
    }
}

void orlConfig::ReadPoint(const wxConfigBase& store, const wxString& path, wxPoint& value) {
    ReadPair(store, path, "/X", "/Y", value.x, value.y);
}

void orlConfig::ReadSize(const wxConfigBase& store, const wxString& path, wxSize& value) {
    ReadPair(store, path, "/Width", "/Height", value.x, value.y);
}

void orlConfig::ReadColour(const wxConfigBase& store, const wxString& path, wxColour& value) {
    int rgb = 0;
    if (ReadNumber(store, path, rgb)) {
        value.Set((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF, wxALPHA_OPAQUE);
    }
}

void orlConfig::ReadFont(const wxConfigBase& store, const wxString& path, wxFont& value) {
    if (!Exists(store, path)) {
        return;
    }
    int pointSize = 0;
    if (!ReadNumber(store, path + "/PointSize", pointSize) || pointSize < kSmallestPointSize ||
        pointSize > kLargestPointSize) {
        return;
    }
    int family = 0;
    int style = 0;
    int storedWeight = 0;
    bool underlined = false;
    if (!ReadNumber(store, path + "/Family", family) ||
        !ReadNumber(store, path + "/Style", style) ||
        !ReadNumber(store, path + "/Weight", storedWeight) ||
        !ReadTruth(store, path + "/Underlined", underlined)) {
        return;
    }
    wxString faceName;
    if (!store.Read(path + "/FaceName", &faceName) || faceName.empty()) {
        return;
    }
    int encoding = 0;
    if (!ReadNumber(store, path + "/Encoding", encoding)) {
        return;
    }
    // Numbers the toolkit does not know would make it complain instead of failing quietly.
    wxFontWeight weight = wxFONTWEIGHT_NORMAL;
    if (!IsStoredFamily(family) || !IsStoredStyle(style) ||
        !WeightFromStore(storedWeight, weight) || !IsStoredEncoding(encoding)) {
        return;
    }
    const wxFont font(pointSize, static_cast<wxFontFamily>(family), static_cast<wxFontStyle>(style),
                      weight, underlined, faceName, static_cast<wxFontEncoding>(encoding));
    if (font.IsOk()) {
        value = font;
    }
}

bool orlConfig::WriteBool(wxConfigBase& store, const wxString& path, bool value) {
    return store.Write(path, value ? 1L : 0L);
}

bool orlConfig::WriteInt(wxConfigBase& store, const wxString& path, int value) {
    return store.Write(path, long{value});
}

bool orlConfig::WriteString(wxConfigBase& store, const wxString& path, const wxString& value) {
    return store.Write(path, value);
}

bool orlConfig::WriteStringArray(wxConfigBase& store, const wxString& path,
                                 const wxArrayString& value) {
    if (!DeleteIfExists(store, path)) {
        return false;
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (!store.Write(NumberedKey(path, static_cast<int>(i + 1)), value[i])) {
            return false;
        }
    }
    return true;
}

bool orlConfig::WriteIntArray(wxConfigBase& store, const wxString& path, const wxArrayInt& value) {
    if (!DeleteIfExists(store, path)) {
        return false;
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (!store.Write(NumberedKey(path, static_cast<int>(i + 1)), long{value[i]})) {
            return false;
        }
    }
    return true;
}

bool orlConfig::WritePoint(wxConfigBase& store, const wxString& path, const wxPoint& value) {
    return WritePair(store, path, "/X", "/Y", value.x, value.y);
}

bool orlConfig::WriteSize(wxConfigBase& store, const wxString& path, const wxSize& value) {
    return WritePair(store, path, "/Width", "/Height", value.x, value.y);
}

bool orlConfig::WriteColour(wxConfigBase& store, const wxString& path, const wxColour& value) {
    const long rgb =
        value.IsOk() ? (long{value.Red()} << 16) | (long{value.Green()} << 8) | long{value.Blue()}
                     : 0;
    return store.Write(path, rgb);
}

bool orlConfig::WriteFont(wxConfigBase& store, const wxString& path, const wxFont& value) {
    if (!DeleteIfExists(store, path)) {
        return false;
    }
    int pointSize = 0;
    int family = wxFONTFAMILY_DEFAULT;
    int style = wxFONTSTYLE_NORMAL;
    int weight = kStoredNormal;
    bool underlined = false;
    wxString faceName;
    int encoding = wxFONTENCODING_DEFAULT;
    if (value.IsOk()) {
        pointSize = value.GetPointSize();
        family = value.GetFamily();
        if (!IsStoredFamily(family)) {
            family = wxFONTFAMILY_DEFAULT;  // the toolkit may not know the family of a face
        }
        style = value.GetStyle();
        weight = StoredWeight(value.GetWeight());
        underlined = value.GetUnderlined();
        faceName = value.GetFaceName();
        encoding = value.GetEncoding();
    }
    return store.Write(path + "/PointSize", long{pointSize}) &&
           store.Write(path + "/Family", long{family}) &&
           store.Write(path + "/Style", long{style}) &&
           store.Write(path + "/Weight", long{weight}) &&
           store.Write(path + "/Underlined", underlined ? 1L : 0L) &&
           store.Write(path + "/FaceName", faceName) &&
           store.Write(path + "/Encoding", long{encoding});
}
