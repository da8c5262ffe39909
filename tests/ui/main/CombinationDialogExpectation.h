// The combination item dialog in wxTEST_DIALOG: the answer works the dialog's controls and
// returns the identifier ShowModal returns.
#pragma once

#include "support/DialogExpectation.h"
#include "ui/main/CombinationDialog.h"

template <>
class wxExpectModal<CombinationDialog> : public ExpectDialog<CombinationDialog> {
  public:
    using ExpectDialog<CombinationDialog>::ExpectDialog;
};
