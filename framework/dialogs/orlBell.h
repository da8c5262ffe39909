// The system bell, sounded through one replaceable function so that tests can count the rings.
#pragma once

#include <functional>

// Sounds the bell (the platform's, unless another sound has been put in).
void orlBell();

// Replaces what orlBell does and returns what it did before; an empty function brings back the
// platform's bell.
std::function<void()> orlSetBell(std::function<void()> bell);
