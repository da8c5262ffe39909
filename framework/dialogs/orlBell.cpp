#include "framework/dialogs/orlBell.h"

#include <wx/utils.h>

#include <utility>

namespace {

std::function<void()>& CurrentBell() {
    static std::function<void()> bell;
    return bell;
}

}  // namespace

void orlBell() {
    if (CurrentBell()) {
        CurrentBell()();
    } else {
        wxBell();
    }
}

std::function<void()> orlSetBell(std::function<void()> bell) {
    return std::exchange(CurrentBell(), std::move(bell));
}
