#include "framework/config/orlConfig.h"

#include <climits>

// A whole number stored at the key, within the range of a 32-bit integer.
bool orlConfig::ReadNumber(const wxConfigBase& store, const wxString& key, int& number) {
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
bool orlConfig::ReadTruth(const wxConfigBase& store, const wxString& key, bool& truth) {
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
