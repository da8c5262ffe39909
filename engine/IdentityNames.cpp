#include "engine/IdentityNames.h"

#include <wx/log.h>

#include "engine/SimpleCheck.h"
#include "framework/orlIdentity.h"

namespace identitynames {

namespace {

// Not guarded: the check runs on the user-interface thread only.
struct Cache {
    unsigned generation = 0;
    bool haveUser = false;
    bool haveHost = false;
    Names user;
    Names host;
};

Cache& CurrentCache() {
    static Cache cache;
    const unsigned generation = orlGetIdentityGeneration();
    if (cache.generation != generation) {
        cache.generation = generation;
        cache.haveUser = false;
        cache.haveHost = false;
    }
    return cache;
}

std::wstring Prepare(const wxString& name, const char* label) {
    const std::wstring wide = name.ToStdWstring();
    std::wstring normalized = simplecheck::Normalize(wide);
#ifndef NDEBUG
    wxLogDebug("%s = [%s]", label, wxString(normalized));
#else
    (void)label;
#endif
    return normalized;
}

// Fills a pair of names, with the masks of their characters, and marks it filled. Callers
// ask the platform for the names only when the pair is not filled yet: the fully qualified
// host name may consult the name service.
const Names& PairOf(Names& names, bool& have, const wxString& first, const char* firstLabel,
                    const wxString& second, const char* secondLabel) {
    names.first = Prepare(first, firstLabel);
    names.second = Prepare(second, secondLabel);
    names.firstMask = simplecheck::CharacterMask(names.first);
    names.secondMask = simplecheck::CharacterMask(names.second);
    have = true;
    return names;
}

}  // namespace

const Names& UserNames() {
    Cache& cache = CurrentCache();
    const orlIdentity& identity = orlGetIdentity();
    return cache.haveUser ? cache.user
                          : PairOf(cache.user, cache.haveUser, identity.GetLoginName(), "User ID",
                                   identity.GetUserName(), "User name");
}

const Names& HostNames() {
    Cache& cache = CurrentCache();
    const orlIdentity& identity = orlGetIdentity();
    return cache.haveHost ? cache.host
                          : PairOf(cache.host, cache.haveHost, identity.GetHostName(), "Host name",
                                   identity.GetFullHostName(), "Full host name");
}

}  // namespace identitynames
