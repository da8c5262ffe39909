// Locale facts a test chooses: a system language and a decimal point. Counts how often the
// decimal point is asked for, to show what is cached.
#pragma once

#include <memory>
#include <utility>

#include "framework/orlLocaleFacts.h"

class FixedLocaleFacts : public orlLocaleFacts {
  public:
    FixedLocaleFacts(wxString language, wxString decimalPoint,
                     std::shared_ptr<int> decimalPointAsked = nullptr)
        : m_language(std::move(language)),
          m_point(std::move(decimalPoint)),
          m_asked(std::move(decimalPointAsked)) {}

    wxString GetSystemLanguageName() const override { return m_language; }

    wxString GetDecimalPoint() const override {
        if (m_asked) {
            ++*m_asked;
        }
        return m_point;
    }

    // Puts facts in for the whole process (until the test calls orlSetLocaleFacts(nullptr)).
    static void Use(wxString language, wxString decimalPoint,
                    std::shared_ptr<int> decimalPointAsked = nullptr) {
        orlSetLocaleFacts(std::make_unique<FixedLocaleFacts>(
            std::move(language), std::move(decimalPoint), std::move(decimalPointAsked)));
    }

  private:
    wxString m_language;
    wxString m_point;
    std::shared_ptr<int> m_asked;
};
