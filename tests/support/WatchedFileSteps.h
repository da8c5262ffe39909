// Stands in for the system while files are replaced: records the steps taken, makes one of
// them fail, or ends the process just before it, as a kill would (nothing is cleaned up).
#pragma once

#include <unistd.h>

#include <optional>
#include <vector>

#include "framework/orlPrivateFile.h"

class WatchedFileSteps : public orlFileSteps {
  public:
    // The exit code of a process ended at a step.
    static constexpr int kKilled = 77;

    WatchedFileSteps() { orlSetFileSteps(this); }
    ~WatchedFileSteps() override { orlSetFileSteps(nullptr); }

    uid_t GetUserId() const override { return user ? *user : orlFileSteps::GetUserId(); }

    bool Allow(orlFileStep step) override {
        taken.push_back(step);
        if (killAt == step) {
            _exit(kKilled);
        }
        return failAt != step;
    }

    std::vector<orlFileStep> taken;
    std::optional<orlFileStep> killAt;
    std::optional<orlFileStep> failAt;
    std::optional<uid_t> user;
};
