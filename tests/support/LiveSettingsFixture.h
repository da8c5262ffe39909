// Fixture of the window tests that work on the live main settings: each test starts from the
// default settings with empty histories, and the settings are put back as they were after it.
// Bells are counted, never sounded.
#pragma once

#include "settings/MainConfig.h"
#include "support/CountingBell.h"
#include "support/WindowFixture.h"

class LiveSettingsFixture : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        savedConfig = MainConfig::Get();
        Config().SetDefaults();
    }
    void TearDown() override {
        MainConfig::Get() = savedConfig;
        WindowFixture::TearDown();
    }

    static MainConfig& Config() { return MainConfig::Get(); }

    CountingBell bell;

  private:
    MainConfig savedConfig;
};
