#include "ui/dictionary/WordCountDialog.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/utils.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "framework/dialogs/orlAskQuestion.h"
#include "framework/orlCreateListCtrl.h"
#include "framework/orlFormatNumber.h"
#include "settings/MainConfig.h"
#include "ui/dictionary/WordDialog.h"

WordCountDialog::WordCountDialog(wxWindow* parent, Dictionary& dictionary)
    : orlDialogBase(parent, kDialogId, _("Dictionary Word Count"), true,
                    wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER, wxString()),
      dictionary(dictionary) {
    auto* dialogSizer = new wxBoxSizer(wxVERTICAL);

    // The counts, with the total and the way to the words of one length.
    auto* wordBox = new wxStaticBoxSizer(
        new wxStaticBox(this, wxID_ANY, _("Word"), wxDefaultPosition, wxDefaultSize, 0, "groupBox"),
        wxVERTICAL);
    wxStaticBox* wordGroup = wordBox->GetStaticBox();
    auto* totalRow = new wxFlexGridSizer(2, 0, 0);
    totalRow->AddGrowableCol(0);
    totalLabel = new wxStaticText(wordGroup, wxID_STATIC, wxEmptyString);
    totalRow->Add(totalLabel, 0, wxALIGN_CENTER_VERTICAL);
    auto* showButton = new wxButton(wordGroup, kShowButtonId, _("Show"), wxDefaultPosition,
                                    wxDefaultSize, 0, wxDefaultValidator, "button");
    showButton->SetToolTip(_("Show the word list"));
    totalRow->Add(showButton, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 10);
    wordBox->Add(totalRow, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 5);

    countList = orlCreateListCtrl(
        wordGroup, kCountListId, wxDefaultPosition, wxSize(300, 150),
        wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES | wxSUNKEN_BORDER);
    countList->InsertColumn(0, _("Digit Number"), wxLIST_FORMAT_RIGHT);
    countList->InsertColumn(1, _("Count"), wxLIST_FORMAT_RIGHT);
    wordBox->Add(countList, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 5);
    dialogSizer->Add(wordBox, 1, wxEXPAND | wxALL, 10);

    // What the list is for.
    auto* explanationBox = new wxStaticBoxSizer(wxVERTICAL, this, _("Explanation"));
    explanationBox->Add(new wxStaticText(explanationBox->GetStaticBox(), wxID_STATIC,
                                         _("It is a number of dictionary words list.\n"
                                           "When the item of the list is double-clicked,\n"
                                           "details of the word are shown.")),
                        0, wxALL, 5);
    dialogSizer->Add(explanationBox, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);

    dialogSizer->Add(new wxStaticLine(this, wxID_STATIC, wxDefaultPosition, wxDefaultSize,
                                      wxLI_HORIZONTAL, "staticLine"),
                     0, wxEXPAND);

    auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
    buttonRow->Add(new wxButton(this, wxID_REVERT, _("Reread")), 0,
                   wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 10);
    buttonRow->AddStretchSpacer(1);
    auto* closeButton = new wxButton(this, wxID_CANCEL, _("Close"));
    closeButton->SetDefault();
    buttonRow->Add(closeButton, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
    dialogSizer->Add(buttonRow, 0, wxEXPAND | wxALL, 10);

    // The keys work from the start: arrows choose a row, Enter opens it, Escape closes. The
    // toolkit would give the focus to "Show", which has none once it is disabled.
    countList->SetFocus();

    SetAutoLayout(true);
    SetSizer(dialogSizer);
    FitToSizer();
    RestoreWindowInfo(this, wxDefaultSize);
    tracking = true;
}

bool WordCountDialog::TransferDataToWindow() {
    wxBusyCursor busy;
    countList->DeleteAllItems();

    std::vector<std::uint32_t> counts;
    const std::uint32_t total = dictionary.GetCounts(&counts);
    totalLabel->SetLabel(_("Total Count: ") + orlFormatNumber(total));

    if (total != 0) {
        // Row i stands for the length i + 1; lengths without words show 0.
        for (std::size_t i = 0; i < counts.size(); ++i) {
            const long row = countList->InsertItem(
                static_cast<long>(i), orlFormatNumber(static_cast<std::uint32_t>(i + 1)));
            countList->SetItem(row, 1, orlFormatNumber(counts[i]));
        }
    } else {
        countList->InsertItem(0, _("(No Data)"));
    }

    // The length column as wide as its header or its widest entry, whichever is wider.
    countList->SetColumnWidth(0, wxLIST_AUTOSIZE_USEHEADER);
    const int headerWidth = countList->GetColumnWidth(0);
    countList->SetColumnWidth(0, wxLIST_AUTOSIZE);
    const int contentWidth = countList->GetColumnWidth(0);
    countList->SetColumnWidth(0, std::max(headerWidth, contentWidth));

    // The total may have grown wider than the label was.
    Layout();
    return true;
}

void WordCountDialog::ShowContextMenu(wxMenu& menu, const wxPoint& position) {
    PopupMenu(&menu, position);
}

void WordCountDialog::OnShowWordsMenu(wxCommandEvent&) {
    ShowWords(FindRow(wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED));
}

void WordCountDialog::OnContextMenu(wxContextMenuEvent& event) {
    if (!ListHasFocus() || countList->GetSelectedItemCount() == 0) {
        event.Skip();
        return;
    }
    // A menu asked for from the keyboard has no position: it then opens at the mouse.
    wxPoint position = event.GetPosition();
    if (position != wxDefaultPosition) {
        position = ScreenToClient(position);
    }
    wxMenu menu;
    menu.Append(kShowWordsMenuId, _("&Show Words"));
    ShowContextMenu(menu, position);
}

void WordCountDialog::OnItemActivated(wxListEvent& event) {
    ShowWords(event.GetIndex());
}

void WordCountDialog::OnShowButton(wxCommandEvent&) {
    ShowWords(FindRow(wxLIST_STATE_SELECTED));
}

void WordCountDialog::OnUpdateShowButton(wxUpdateUIEvent& event) {
    event.Enable(countList->GetSelectedItemCount() > 0);
}

void WordCountDialog::OnReread(wxCommandEvent&) {
    if (orlAskQuestion(this, _("Is the dictionary file read again?"), wxYES_NO) != wxID_YES) {
        return;
    }
    wxBusyCursor busy;
    // A directory that cannot be read leaves what could be read; the list shows it.
    dictionary.Load(MainConfig::Get().GetDictionaryDirectory());
    TransferDataToWindow();
}

void WordCountDialog::ShowWords(long row) {
    if (row < 0) {
        return;
    }
    WordDialog words(this, static_cast<std::uint32_t>(row + 1), dictionary);
    words.ShowModal();
}

long WordCountDialog::FindRow(long states) const {
    const long count = countList->GetItemCount();
    for (long row = 0; row < count; ++row) {
        if ((countList->GetItemState(row, states) & states) == states) {
            return row;
        }
    }
    return -1;
}

bool WordCountDialog::ListHasFocus() const {
    wxWindow* focus = wxWindow::FindFocus();
    return focus != nullptr && (focus == countList || countList->IsDescendant(focus));
}

// The event table is laid out by hand.
// clang-format off
wxBEGIN_EVENT_TABLE(WordCountDialog, orlDialogBase)
    EVT_MENU(WordCountDialog::kShowWordsMenuId, WordCountDialog::OnShowWordsMenu)
    EVT_CONTEXT_MENU(WordCountDialog::OnContextMenu)
    EVT_LIST_ITEM_ACTIVATED(WordCountDialog::kCountListId, WordCountDialog::OnItemActivated)
    EVT_BUTTON(WordCountDialog::kShowButtonId, WordCountDialog::OnShowButton)
    EVT_UPDATE_UI(WordCountDialog::kShowButtonId, WordCountDialog::OnUpdateShowButton)
    EVT_BUTTON(wxID_REVERT, WordCountDialog::OnReread)
wxEND_EVENT_TABLE()
