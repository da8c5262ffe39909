// Expectation for the system's message box (orlMessageCommonDialog, behind orlShowError and
// orlAskQuestion) in wxTEST_DIALOG, and a way to read the message it shows.
#pragma once

#include <wx/stattext.h>

#include <functional>
#include <utility>

#include "framework/dialogs/orlMessageCommonDialog.h"
#include "support/WxTesting.h"

// `answer` looks at the box and returns the identifier its ShowModal then returns; or the box
// is just answered with a fixed identifier.
template <>
class wxExpectModal<orlMessageCommonDialog>
    : public wxExpectModalBase<orlMessageCommonDialog, wxExpectModal<orlMessageCommonDialog>> {
  public:
    explicit wxExpectModal(std::function<int(orlMessageCommonDialog*)> answer)
        : m_answer(std::move(answer)) {}
    explicit wxExpectModal(int id) : m_answer([id](orlMessageCommonDialog*) { return id; }) {}

  protected:
    int OnInvoked(orlMessageCommonDialog* dialog) const override { return m_answer(dialog); }

  private:
    std::function<int(orlMessageCommonDialog*)> m_answer;
};

// The message the box shows, or the empty text when it has none.
inline wxString MessageOf(orlMessageCommonDialog* dialog) {
    auto* text = dynamic_cast<wxStaticText*>(wxWindow::FindWindowByName("staticText", dialog));
    return text != nullptr ? text->GetLabel() : wxString();
}
