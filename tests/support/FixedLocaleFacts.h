// Locale facts a test chooses: a system language and a decimal point. Counts how often the
// decimal point is asked for, to show what is cached.
#pragma once

#include <memory>
#include <utility>

#include "framework/orlLocaleFacts.h"

class FixedLocaleFacts : public orlLocaleFacts {
  public:
    FixedLocaleFacts(wxString languageName, wxString decimalPoint,
                     std::shared_ptr<int> decimalPointAsked = nullptr)
        : language(std::move(languageName)),
          point(std::move(decimalPoint)),
          asked(std::move(decimalPointAsked)) {}

    wxString GetSystemLanguageName() const override { return language; }

    wxString GetDecimalPoint() const override {
        if (asked) {
            ++*asked;
        }
        return point;
    }

    // Puts facts in for the whole process (until the test calls orlSetLocaleFacts(nullptr)).
    static void Use(wxString languageName, wxString decimalPoint,
                    std::shared_ptr<int> decimalPointAsked = nullptr) {
        orlSetLocaleFacts(std::make_unique<FixedLocaleFacts>(
            std::move(languageName), std::move(decimalPoint), std::move(decimalPointAsked)));
    }

  private:
    wxString language;
    wxString point;
    std::shared_ptr<int> asked;
};
