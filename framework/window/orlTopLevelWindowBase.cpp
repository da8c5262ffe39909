#include "framework/window/orlTopLevelWindowBase.h"

#include <wx/window.h>

#include <memory>
#include <vector>

#include "framework/window/orlDisplayFit.h"

namespace {

using WindowInfoList = std::vector<std::unique_ptr<orlWindowInfo>>;

WindowInfoList& Registry() {
    static WindowInfoList list;
    return list;
}

// Reads the record stored in the group `key`; false when there is none or it has no key.
bool ReadWindowInfo(const wxConfigBase& config, const wxString& key, orlWindowInfo& info) {
    if (!orlConfig::Exists(config, key)) {
        return false;
    }
    orlConfig::ReadString(config, key + "/Keyword", info.Keyword);
    if (info.Keyword.empty()) {
        return false;
    }
    orlWindowConfig::ReadPoint(config, key + "/PosMargin", info.PosMargin);
    orlWindowConfig::ReadSize(config, key + "/Size", info.Size);
    orlConfig::ReadBool(config, key + "/Maximized", info.Maximized);
    orlConfig::ReadBool(config, key + "/Iconized", info.Iconized);
    return true;
}

bool WriteWindowInfo(wxConfigBase& config, const wxString& key, const orlWindowInfo& info) {
    return orlConfig::DeleteIfExists(config, key) &&
           orlConfig::WriteString(config, key + "/Keyword", info.Keyword) &&
           orlWindowConfig::WritePoint(config, key + "/PosMargin", info.PosMargin) &&
           orlWindowConfig::WriteSize(config, key + "/Size", info.Size) &&
           orlConfig::WriteBool(config, key + "/Maximized", info.Maximized) &&
           orlConfig::WriteBool(config, key + "/Iconized", info.Iconized);
}

// Where the window's own position is measured from: its parent's top-level window.
wxPoint AnchorOf(wxWindow* window) {
    wxWindow* parent = window->GetParent();
    const wxWindow* top = parent ? wxGetTopLevelParent(parent) : nullptr;
    if (!top) {
        return wxPoint(0, 0);
    }
    // A top-level window's position is already in screen coordinates.
    return top->IsTopLevel() ? top->GetPosition() : top->GetScreenPosition();
}

}  // namespace

std::size_t orlTopLevelWindowBase::GetWindowInfoCount() {
    return Registry().size();
}

const orlWindowInfo& orlTopLevelWindowBase::GetWindowInfo(std::size_t index) {
    return *Registry().at(index);
}

void orlTopLevelWindowBase::AppendWindowInfo(const orlWindowInfo& info) {
    Registry().push_back(std::make_unique<orlWindowInfo>(info));
}

void orlTopLevelWindowBase::ClearWindowInfoList() {
    Registry().clear();
}

wxString orlTopLevelWindowBase::GetWindowInfoKey(const wxTopLevelWindow* window) const {
    if (!explicitKey.empty()) {
        return explicitKey;
    }
    return keywordPrefix + window->GetTitle();
}

int orlTopLevelWindowBase::FindWindowInfo(const wxTopLevelWindow* window) const {
    const wxString key = GetWindowInfoKey(window);
    const WindowInfoList& list = Registry();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i]->Keyword == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

orlWindowInfo* orlTopLevelWindowBase::FindOrAppend(const wxTopLevelWindow* window) {
    const int index = FindWindowInfo(window);
    if (index >= 0) {
        return Registry()[index].get();
    }
    Registry().push_back(std::make_unique<orlWindowInfo>(GetWindowInfoKey(window)));
    return Registry().back().get();
}

void orlTopLevelWindowBase::RestoreWindowInfo(wxTopLevelWindow* window, const wxSize& defaultSize) {
    // Sizes are those of the client area: the frame around it is the window manager's, and
    // the toolkit knows it for sure only once the window is shown.
    const bool resizable = window->HasFlag(wxRESIZE_BORDER);
    wxSize size = defaultSize;
    if (resizable) {
        const int index = FindWindowInfo(window);
        if (index >= 0) {
            size = Registry()[index]->Size;
        }
    }
    if (size == wxDefaultSize || size.x <= 0 || size.y <= 0) {
        size = window->GetClientSize();
    }

    wxPoint margin = orlWindowInfo::DefaultPosMargin;
    const int index = FindWindowInfo(window);
    if (index >= 0) {
        margin = Registry()[index]->PosMargin;
    } else if (centreIfNew) {
        window->Centre(wxBOTH);
        return;
    }

    // The whole window, frame included, is fitted onto the displays.
    const wxSize frame = window->GetSize() - window->GetClientSize();
    wxPoint position = AnchorOf(window) + margin;
    wxSize outer = size + frame;
    orlFitWindowToDisplays(position, outer);
    if (outer != wxDefaultSize && resizable) {
        window->SetClientSize(outer - frame);
    }
    if (position != wxDefaultPosition) {
        window->Move(position);
    }
}

void orlTopLevelWindowBase::SaveWindowInfo(wxTopLevelWindow* window) {
    SaveWindowSize(window);
    SaveWindowPosition(window);
}

void orlTopLevelWindowBase::SaveWindowSize(wxTopLevelWindow* window) {
    if (!tracking || window->IsMaximized() || window->IsIconized() || !window->IsShown() ||
        !window->HasFlag(wxRESIZE_BORDER)) {
        return;
    }
    FindOrAppend(window)->Size = window->GetClientSize();
}

void orlTopLevelWindowBase::SaveWindowPosition(wxTopLevelWindow* window) {
    if (!tracking || !window->IsShown()) {
        return;
    }
    const wxWindow* parent = window->GetParent();
    const wxPoint margin = window->GetPosition() - (parent ? parent->GetPosition() : wxPoint());
    const bool maximized = window->IsMaximized();
    const bool iconized = window->IsIconized();

    orlWindowInfo* info = FindOrAppend(window);
    if (!maximized && !iconized) {
        info->PosMargin = margin;
    }
    info->Maximized = maximized;
    info->Iconized = iconized;
}

bool orlTopLevelWindowBase::LoadWindowInfoList(const wxConfigBase& config, const wxString& path) {
    ClearWindowInfoList();
    if (!Exists(config, path)) {
        return true;
    }
    for (int number = 1;; ++number) {
        const wxString key = NumberedKey(path, number);
        if (!Exists(config, key)) {
            break;
        }
        orlWindowInfo info;
        if (ReadWindowInfo(config, key, info)) {
            AppendWindowInfo(info);
        }
    }
    return true;
}

bool orlTopLevelWindowBase::SaveWindowInfoList(wxConfigBase& config, const wxString& path) {
    if (!DeleteIfExists(config, path)) {
        return false;
    }
    const WindowInfoList& list = Registry();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!WriteWindowInfo(config, NumberedKey(path, static_cast<int>(i) + 1), *list[i])) {
            return false;
        }
    }
    return true;
}
