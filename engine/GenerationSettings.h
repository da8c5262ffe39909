// The settings the generator works from: which specification is in use, the specifications
// themselves, the shared pools and the options of the simple-password check and of batches.
// The settings own the values; whoever makes passwords hands a copy to the generator.
#pragma once

#include "engine/CharacterPools.h"
#include "engine/UseChar.h"
#include "engine/UseCharArray.h"

struct GenerationSettings {
    bool Standard = true;  // the standard specification, else the combination list
    UseChar StandardUseChar;
    UseCharArray CombinationUseChar;
    CharacterPools Pools;
    bool DeterSimplePassword = true;  // remake random elements that look simple
    int StrengthCheckLevel = 2;       // 1 standard, 2 high level
    bool PermitDuplication = false;   // a batch may hold equal passwords
};

// Where the generator reports a setting it cannot work with: the main window shows a message
// box, the command line prints the message.
class GenerationReporter {
  public:
    virtual ~GenerationReporter() = default;
    virtual void ShowError(const wxString& message) = 0;
};
