// Who and where the user is: the login, user and host names as the platform reports them
// (empty when it cannot). The platform's are used unless a test has put others in.
#pragma once

#include <wx/string.h>

#include <memory>

class orlIdentity {
  public:
    virtual ~orlIdentity() = default;

    virtual wxString GetLoginName() const;     // the login, "jdoe"
    virtual wxString GetUserName() const;      // the user's name as the platform gives it
    virtual wxString GetHostName() const;      // the computer's short name
    virtual wxString GetFullHostName() const;  // with its domain
};

const orlIdentity& orlGetIdentity();

// Replaces the identity (null brings back the platform's).
void orlSetIdentity(std::unique_ptr<orlIdentity> identity);

// Changes whenever the identity is replaced, so that caches of it can tell they are stale.
unsigned orlGetIdentityGeneration();
