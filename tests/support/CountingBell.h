// A bell that counts its rings instead of sounding, while it lives.
#pragma once

#include <functional>
#include <utility>

#include "framework/dialogs/orlBell.h"

// Counts the rings of the bell while it lives.
class CountingBell {
  public:
    CountingBell() {
        previous = orlSetBell([this] { ++rings; });
    }
    ~CountingBell() { orlSetBell(std::move(previous)); }
    CountingBell(const CountingBell&) = delete;
    CountingBell& operator=(const CountingBell&) = delete;

    int Rings() const { return rings; }

  private:
    int rings = 0;
    std::function<void()> previous;
};
