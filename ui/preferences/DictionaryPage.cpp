#include "ui/preferences/DictionaryPage.h"

#include <wx/intl.h>
#include <wx/listctrl.h>

#include "engine/Dictionary.h"
#include "framework/orlCreateListCtrl.h"
#include "framework/orlFileName.h"
#include "framework/orlFonts.h"
#include "ui/dictionary/WordCountDialog.h"
#include "ui/preferences/PageLayout.h"

using namespace pagelayout;

namespace {

// The column is made this much wider than its widest row.
constexpr int kColumnSlack = 20;

// A file under the directory is shown relative to it, any other with its full path.
wxString ShownFileName(const wxString& path, const wxString& prefix) {
    wxString rest;
    if (!prefix.empty() && path.StartsWith(prefix, &rest)) {
        return rest;
    }
    return path;
}

}  // namespace

DictionaryPage::DictionaryPage(wxWindow* parent)
    : PreferencePage(parent, PAGE_DICTIONARY, _("Dictionary"), false) {
    auto* inner = new wxBoxSizer(wxVERTICAL);
    wxStaticBoxSizer* group = NewGroup(this, _("Dictionary"));
    wxStaticBox* box = group->GetStaticBox();
    wxFlexGridSizer* grid = AddGrid(group, 2, 1);
    grid->AddGrowableRow(1);

    grid->Add(NewLabel(box, _("Directory:")), 0, wxALIGN_CENTER_VERTICAL);
    directoryField = NewReadOnlyField(box, this);
    const wxFont font = orlGetTextFont();
    if (font.IsOk()) {
        directoryField->SetFont(font);
    }
    grid->Add(directoryField, 1, wxEXPAND | wxALIGN_CENTER_VERTICAL);

    grid->Add(NewLabel(box, _("File Name:")), 0);
    fileList = orlCreateListCtrl(
        box, kFileListId, wxDefaultPosition, wxSize(100, 100),
        wxLC_REPORT | wxLC_NO_HEADER | wxLC_SINGLE_SEL | wxLC_HRULES | wxSUNKEN_BORDER);
    fileList->AppendColumn(_("File Name"), wxLIST_FORMAT_LEFT);
    grid->Add(fileList, 1, wxEXPAND);

    grid->Add(NewLabel(box, _("Word:")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(NewButton(box, kShowWordsId, _("Show..."), _("Show the dictionary words")), 0,
              wxALIGN_CENTER_VERTICAL);

    inner->Add(group, 1, wxEXPAND, 0);
    SetContent(inner);
}

bool DictionaryPage::LoadValues(const MainConfig& settings) {
    const wxString directory = settings.GetDictionaryDirectory();
    directoryField->SetValue(directory);

    fileList->DeleteAllItems();
    const wxString prefix = orl::AppendSeparator(directory);
    const wxArrayString& files = Dictionary::Get().GetFiles();
    if (files.empty()) {
        fileList->InsertItem(0, _("(No file)"));
    } else {
        for (const wxString& path : files) {
            fileList->InsertItem(fileList->GetItemCount(), ShownFileName(path, prefix));
        }
    }

    fileList->SetColumnWidth(0, wxLIST_AUTOSIZE);
    fileList->SetColumnWidth(0, fileList->GetColumnWidth(0) + kColumnSlack);
    return true;
}

void DictionaryPage::OnShowWords(wxCommandEvent&) {
    WordCountDialog dialog(wxGetTopLevelParent(this));
    dialog.ShowModal();
}

// The event table is laid out by hand.
// clang-format off
wxBEGIN_EVENT_TABLE(DictionaryPage, PreferencePage)
    EVT_BUTTON(DictionaryPage::kShowWordsId, DictionaryPage::OnShowWords)
wxEND_EVENT_TABLE()
