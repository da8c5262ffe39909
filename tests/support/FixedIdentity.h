// An identity a test chooses: login, user and host names.
#pragma once

#include <memory>
#include <utility>

#include "framework/orlIdentity.h"

class FixedIdentity : public orlIdentity {
  public:
    FixedIdentity(wxString login, wxString user, wxString host, wxString fullHost = wxString())
        : m_login(std::move(login)),
          m_user(std::move(user)),
          m_host(std::move(host)),
          m_fullHost(std::move(fullHost)) {}

    wxString GetLoginName() const override { return m_login; }
    wxString GetUserName() const override { return m_user; }
    wxString GetHostName() const override { return m_host; }
    wxString GetFullHostName() const override { return m_fullHost; }

    // Puts the identity in for the whole process, until orlSetIdentity(nullptr).
    static void Use(wxString login, wxString user, wxString host) {
        orlSetIdentity(
            std::make_unique<FixedIdentity>(std::move(login), std::move(user), std::move(host)));
    }

  private:
    wxString m_login, m_user, m_host, m_fullHost;
};
