// Remembers where windows stood and how large they were, in one registry of records shared by
// the whole process, and places a window from its record when it is made. The registry is
// read from and written to the settings store with the main settings.
#pragma once

#include <wx/config.h>
#include <wx/gdicmn.h>
#include <wx/string.h>
#include <wx/toplevel.h>

#include <cstddef>

#include "framework/config/orlWindowConfig.h"
#include "framework/window/orlWindowInfo.h"

class orlTopLevelWindowBase : public orlWindowConfig {
  public:
    orlTopLevelWindowBase(bool centreIfNew, const wxString& keywordPrefix)
        : centreIfNew(centreIfNew), keywordPrefix(keywordPrefix) {}
    ~orlTopLevelWindowBase() override = default;
    orlTopLevelWindowBase(const orlTopLevelWindowBase&) = delete;
    orlTopLevelWindowBase& operator=(const orlTopLevelWindowBase&) = delete;

    // Sizes and places the window from its record, relative to the top-level window that
    // holds its parent, fitted onto the displays. `defaultSize` serves a resizable window
    // that has no usable stored size; the toolkit's default size keeps the laid-out size.
    void RestoreWindowInfo(wxTopLevelWindow* window, const wxSize& defaultSize);

    // Records the window's current size and then its position (while tracking).
    void SaveWindowInfo(wxTopLevelWindow* window);
    // Records the client size of a shown, resizable window that is neither maximized nor
    // minimized: the size the user gave the window's content, without the frame that the
    // window manager draws around it.
    void SaveWindowSize(wxTopLevelWindow* window);
    // Records the position of a shown window relative to its parent, and whether it is
    // maximized or minimized; the position only when it is neither.
    void SaveWindowPosition(wxTopLevelWindow* window);

    // The index of the first record under the window's key, or -1.
    int FindWindowInfo(const wxTopLevelWindow* window) const;
    // The explicit key when one is set, else the prefix followed by the current title.
    wxString GetWindowInfoKey(const wxTopLevelWindow* window) const;

    // Replaces the registry by the records stored under the group `path`. Records without a
    // key are skipped; the first missing number ends the list.
    static bool LoadWindowInfoList(const wxConfigBase& config, const wxString& path);
    // Replaces the group `path` by the records of the registry, numbered from 1 in order.
    // False at the first store operation that fails.
    static bool SaveWindowInfoList(wxConfigBase& config, const wxString& path);

    // The registry, in order. Records are only ever appended or all removed together.
    static std::size_t GetWindowInfoCount();
    static const orlWindowInfo& GetWindowInfo(std::size_t index);
    static void AppendWindowInfo(const orlWindowInfo& info);
    static void ClearWindowInfoList();

  protected:
    // Whether moves and resizes are recorded. A window switches it on once it has been built
    // and placed, so that building and placing it record nothing.
    bool tracking = false;
    // Centre a window that has no record on its parent instead of using the default margin.
    bool centreIfNew;
    wxString keywordPrefix;
    // When not empty, the whole key, whatever the title.
    wxString explicitKey;

  private:
    orlWindowInfo* FindOrAppend(const wxTopLevelWindow* window);
};
