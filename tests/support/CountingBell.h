// A bell that counts its rings instead of sounding, while it lives.
#pragma once

#include <functional>
#include <utility>

#include "framework/dialogs/orlBell.h"

// Counts the rings of the bell while it lives.
class CountingBell {
  public:
    CountingBell() {
        m_previous = orlSetBell([this] { ++m_rings; });
    }
    ~CountingBell() { orlSetBell(std::move(m_previous)); }
    CountingBell(const CountingBell&) = delete;
    CountingBell& operator=(const CountingBell&) = delete;

    int Rings() const { return m_rings; }

  private:
    int m_rings = 0;
    std::function<void()> m_previous;
};
