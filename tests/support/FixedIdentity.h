// An identity a test chooses: login, user and host names.
#pragma once

#include <memory>
#include <utility>

#include "framework/orlIdentity.h"

class FixedIdentity : public orlIdentity {
  public:
    FixedIdentity(wxString loginName, wxString userName, wxString hostName,
                  wxString fullHostName = wxString())
        : login(std::move(loginName)),
          user(std::move(userName)),
          host(std::move(hostName)),
          fullHost(std::move(fullHostName)) {}

    wxString GetLoginName() const override { return login; }
    wxString GetUserName() const override { return user; }
    wxString GetHostName() const override { return host; }
    wxString GetFullHostName() const override { return fullHost; }

    // Puts the identity in for the whole process, until orlSetIdentity(nullptr).
    static void Use(wxString loginName, wxString userName, wxString hostName) {
        orlSetIdentity(std::make_unique<FixedIdentity>(std::move(loginName), std::move(userName),
                                                       std::move(hostName)));
    }

  private:
    wxString login, user, host, fullHost;
};
