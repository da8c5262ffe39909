// The "Dictionary" page: where the dictionary is read from, its word files, and the way to
// the dictionary browser. It shows the settings and changes none.
#pragma once

#include "ui/preferences/PreferencePage.h"

class wxListCtrl;
class wxTextCtrl;

class DictionaryPage : public PreferencePage {
  public:
    static constexpr wxWindowID kFileListId = 2205;
    static constexpr wxWindowID kShowWordsId = 2206;

    explicit DictionaryPage(wxWindow* parent);

    bool LoadValues(const MainConfig& settings) override;

  private:
    void OnShowWords(wxCommandEvent& event);

    wxTextCtrl* directoryField = nullptr;
    wxListCtrl* fileList = nullptr;

    wxDECLARE_EVENT_TABLE();
};
