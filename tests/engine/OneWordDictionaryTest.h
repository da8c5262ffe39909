// Fixture of the check tests: a dictionary of one six-letter word ("sunset"), no identity at
// all unless a test sets one, and a generator over default settings.
#pragma once

#include <gtest/gtest.h>

#include "engine/Dictionary.h"
#include "engine/GenerationSettings.h"
#include "engine/PasswordGenerator.h"
#include "framework/orlIdentity.h"
#include "support/FixedIdentity.h"
#include "support/TempDirectory.h"

class OneWordDictionaryTest : public testing::Test {
  protected:
    void SetUp() override {
        FixedIdentity::Use("", "", "");
        dir.WriteFile("words.dic", "sunset\n");
        ASSERT_TRUE(dictionary.Load(dir.Root()));
    }
    void TearDown() override { orlSetIdentity(nullptr); }

    TempDirectory dir;
    Dictionary dictionary;
    GenerationSettings settings;
    PasswordGenerator generator{settings, dictionary};
};
