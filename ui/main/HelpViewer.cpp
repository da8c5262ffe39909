#include "ui/main/HelpViewer.h"

#include <wx/dcscreen.h>
#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/fs_arc.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpdata.h>
#include <wx/html/helpwnd.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/memconf.h>
#include <wx/notebook.h>
#include <wx/settings.h>
#include <wx/treectrl.h>

#include <algorithm>

#include "framework/dialogs/orlLogDialog.h"

namespace {

// A help book is a zip archive that the viewer reads through the toolkit's virtual file
// system, which understands archives only once it has a handler for them.
void LetTheFileSystemReadArchives(const wxString& bookPath) {
    const wxString page = wxFileSystem::FileNameToURL(wxFileName(bookPath)) + "#zip:index.html";
    if (!wxFileSystem::HasHandlerForPath(page)) {
        wxFileSystem::AddHandler(new wxArchiveFSHandler);
    }
}

// Opens the book in the contents list, so that its chapters show at once.
void ExpandBook(wxHtmlHelpController& controller) {
    wxHtmlHelpWindow* window = controller.GetHelpWindow();
    wxTreeCtrl* tree = window != nullptr ? window->GetTreeCtrl() : nullptr;
    if (tree == nullptr || tree->IsEmpty()) {
        return;
    }
    wxTreeItemIdValue cookie;
    const wxTreeItemId book = tree->GetFirstChild(tree->GetRootItem(), cookie);
    if (book.IsOk()) {
        tree->Expand(book);
    }
}

// The viewer's index and search pages are laid out only when first chosen; until then they
// are tiny, and GTK is asked to fit their lists' scroll bars into less than a scroll bar
// needs. Before the window is first shown, they are given the size of the page book and laid
// out.
void LayOutHiddenPages(wxWindow* frame) {
    frame->Layout();
    wxWindowList pending(frame->GetChildren());
    while (!pending.empty()) {
        wxWindow* candidate = pending.front();
        pending.pop_front();
        for (wxWindow* child : candidate->GetChildren()) {
            pending.push_back(child);
        }
        auto* notebook = dynamic_cast<wxNotebook*>(candidate);
        if (notebook == nullptr) {
            continue;
        }
        const wxSize size = notebook->GetClientSize();
        for (size_t i = 0; i < notebook->GetPageCount(); ++i) {
            wxWindow* page = notebook->GetPage(i);
            if (page->GetSize().x < size.x || page->GetSize().y < size.y / 2) {
                page->SetSize(size);
                page->Layout();
            }
        }
    }
}

// The toolkit's help controller, whose window is laid out whole before it is first shown.
class LaidOutHelpController : public wxHtmlHelpController {
  public:
    using wxHtmlHelpController::wxHtmlHelpController;

  protected:
    wxHtmlHelpFrame* CreateHelpFrame(wxHtmlHelpData* data) override {
        wxHtmlHelpFrame* frame = wxHtmlHelpController::CreateHelpFrame(data);
        LayOutHiddenPages(frame);
        return frame;
    }
};

// The width the contents list needs to show its longest entry whole: the text in the list's
// font, indented by its level, beside the entry's picture, and a scroll bar beside it all.
int ContentsWidth(wxHtmlHelpController& controller) {
    constexpr int kIndentPerLevel = 24;  // GTK's tree indents a level by its expander and more
    constexpr int kPictureAndMargins = 16 + 2 * 8;
    constexpr int kScrollBar = 24;
    wxScreenDC dc;
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    int widest = 0;
    const wxHtmlHelpDataItems& contents = controller.GetHelpData()->GetContentsArray();
    for (size_t i = 0; i < contents.size(); ++i) {
        const wxHtmlHelpDataItem& item = contents[i];
        const int width = dc.GetTextExtent(item.name).x + (item.level + 1) * kIndentPerLevel;
        widest = std::max(widest, width);
    }
    return widest + kPictureAndMargins + kScrollBar;
}

// The viewer's first geometry: the contents list as wide as its longest entry, the page
// beside it wide enough to read, the whole on the screen.
void PlanFirstGeometry(wxHtmlHelpController& controller, wxConfigBase& settings) {
    constexpr int kPageWidth = 560;
    constexpr int kHeight = 600;
    const int contents = ContentsWidth(controller);
    const wxSize screen = wxGetDisplaySize();
    int width = contents + kPageWidth;
    if (screen.x > 0) {
        width = std::min(width, screen.x);
    }
    int height = kHeight;
    if (screen.y > 0) {
        height = std::min(height, screen.y);
    }
    settings.Write("hcSashPos", static_cast<long>(std::min(contents, width / 2)));
    settings.Write("hcW", static_cast<long>(width));
    settings.Write("hcH", static_cast<long>(height));
}

}  // namespace

HelpViewer::HelpViewer() : viewerSettings(std::make_unique<wxMemoryConfig>()) {}

HelpViewer::~HelpViewer() {
    if (controller != nullptr) {
        controller->Quit();
        // The controller writes its window settings when it goes, so it goes first.
        delete controller;
        controller = nullptr;
    }
}

void HelpViewer::Show(wxWindow* parent, const wxString& bookPath) {
    wxLogNull quiet;

    if (!wxFileName::FileExists(bookPath)) {
        orlLogDialog report(parent, _("The Help file is not found"));
        report.AddText(bookPath, true);
        report.ShowModal();
        return;
    }

    if (controller == nullptr) {
        LetTheFileSystemReadArchives(bookPath);
        // No parent: the viewer is a window of its own that may stand beside the main window.
        auto* newController = new LaidOutHelpController(wxHF_DEFAULT_STYLE, nullptr);
        // Without a store of its own the controller would use the toolkit's global one.
        newController->UseConfig(viewerSettings.get());
        if (!newController->AddBook(wxFileName(bookPath))) {
            delete newController;
            return;
        }
        controller = newController;
        PlanFirstGeometry(*newController, *viewerSettings);
    }
    controller->DisplayContents();
    ExpandBook(*controller);
}
