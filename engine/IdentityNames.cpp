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

}  // namespace

const Names& UserNames() {
    Cache& cache = CurrentCache();
    if (!cache.haveUser) {
        const orlIdentity& identity = orlGetIdentity();
        cache.user.first = Prepare(identity.GetLoginName(), "User ID");
        cache.user.second = Prepare(identity.GetUserName(), "User name");
        cache.user.firstMask = simplecheck::CharacterMask(cache.user.first);
        cache.user.secondMask = simplecheck::CharacterMask(cache.user.second);
        cache.haveUser = true;
    }
    return cache.user;
}

const Names& HostNames() {
    Cache& cache = CurrentCache();
    if (!cache.haveHost) {
        const orlIdentity& identity = orlGetIdentity();
        cache.host.first = Prepare(identity.GetHostName(), "Host name");
        cache.host.second = Prepare(identity.GetFullHostName(), "Full host name");
        cache.host.firstMask = simplecheck::CharacterMask(cache.host.first);
        cache.host.secondMask = simplecheck::CharacterMask(cache.host.second);
        cache.haveHost = true;
    }
    return cache.host;
}

}  // namespace identitynames
