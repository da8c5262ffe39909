// Expectations for the system's own modal dialogs in wxTEST_DIALOG: `answer` looks at the
// dialog (and may work its controls) and returns the identifier its ShowModal then returns.
// A dialog class gets its expectation by a specialization that inherits the constructors:
//
//   template <>
//   class wxExpectModal<MyDialog> : public ExpectDialog<MyDialog> {
//     public:
//       using ExpectDialog<MyDialog>::ExpectDialog;
//   };
#pragma once

#include <functional>
#include <utility>

#include "support/WxTesting.h"

template <class Dialog>
class ExpectDialog : public wxExpectModalBase<Dialog, ExpectDialog<Dialog>> {
  public:
    explicit ExpectDialog(std::function<int(Dialog*)> answer) : m_answer(std::move(answer)) {}
    explicit ExpectDialog(int id) : m_answer([id](Dialog*) { return id; }) {}

  protected:
    int OnInvoked(Dialog* dialog) const override { return m_answer(dialog); }

  private:
    std::function<int(Dialog*)> m_answer;
};
