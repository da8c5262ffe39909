#include "app/ProcessLocale.h"

#include <clocale>
#include <cstdlib>

bool UseTheCLocaleWhenTheUsersIsUnusable() {
    // Asked only, then put back: the toolkit sets the locale itself when it starts.
    const bool usable = std::setlocale(LC_ALL, "") != nullptr;
    if (usable) {
        std::setlocale(LC_ALL, "C");
        return false;
    }
    const char* fallback = std::setlocale(LC_ALL, "C.UTF-8") != nullptr ? "C.UTF-8" : "C";
    std::setlocale(LC_ALL, "C");
    // Every library reads the environment (the toolkit, GTK, the font configuration), so the
    // environment is what says it.
    setenv("LC_ALL", fallback, 1);
    return true;
}
