#include <memory>

#include "engine/RandomSource.h"
#include "engine/SystemRandomSource.h"

namespace RandomState {
namespace {

// The process-wide random state. Only the user-interface thread draws.
struct State {
    std::unique_ptr<SystemRandomSource> system;
    RandomSource* installed = nullptr;
};

State& TheState() {
    static State state;
    return state;
}

}  // namespace

void Seed() {
    State& state = TheState();
    if (!state.system) {
        state.system = std::make_unique<SystemRandomSource>();
    }
}

bool IsSeeded() {
    return TheState().system != nullptr;
}

RandomSource& Current() {
    State& state = TheState();
    if (state.installed) {
        return *state.installed;
    }
    Seed();
    return *state.system;
}

RandomSource* Install(RandomSource* source) {
    State& state = TheState();
    RandomSource* previous = state.installed;
    state.installed = source;
    return previous;
}

}  // namespace RandomState
