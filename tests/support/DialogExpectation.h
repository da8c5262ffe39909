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
    explicit ExpectDialog(std::function<int(Dialog*)> reply) : answer(std::move(reply)) {}
    explicit ExpectDialog(int id) : answer([id](Dialog*) { return id; }) {}

  protected:
    int OnInvoked(Dialog* dialog) const override { return answer(dialog); }

  private:
    std::function<int(Dialog*)> answer;
};
