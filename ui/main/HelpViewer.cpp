#include "ui/main/HelpViewer.h"

#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/fs_arc.h>
#include <wx/html/helpctrl.h>
#include <wx/html/helpwnd.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/memconf.h>
#include <wx/treectrl.h>

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

}  // namespace

HelpViewer::HelpViewer() : m_viewerSettings(std::make_unique<wxMemoryConfig>()) {}

HelpViewer::~HelpViewer() {
    if (m_controller != nullptr) {
        m_controller->Quit();
        // The controller writes its window settings when it goes, so it goes first.
        delete m_controller;
        m_controller = nullptr;
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

    if (m_controller == nullptr) {
        LetTheFileSystemReadArchives(bookPath);
        // No parent: the viewer is a window of its own that may stand beside the main window.
        auto* controller = new wxHtmlHelpController(wxHF_DEFAULT_STYLE, nullptr);
        // Without a store of its own the controller would use the toolkit's global one.
        controller->UseConfig(m_viewerSettings.get());
        if (!controller->AddBook(wxFileName(bookPath))) {
            delete controller;
            return;
        }
        m_controller = controller;
    }
    m_controller->DisplayContents();
    ExpandBook(*m_controller);
}
