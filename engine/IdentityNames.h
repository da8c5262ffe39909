// The names of the user and of the computer as the simple-password check compares them:
// without white space and in small letters. Each pair is looked up when it is first needed
// and then kept for the process, because the fully qualified host name may have to ask the
// name service and the generator checks thousands of passwords in one batch. When the
// identity is replaced (tests do) the kept names are looked up again.
#pragma once

#include <cstdint>
#include <string>

namespace identitynames {

struct Names {
    std::wstring first;
    std::wstring second;
    std::uint64_t firstMask = 0;  // simplecheck::CharacterMask of each
    std::uint64_t secondMask = 0;
};

// The login name, then the user's full name.
const Names& UserNames();
// The host name, then the fully qualified host name.
const Names& HostNames();

}  // namespace identitynames
