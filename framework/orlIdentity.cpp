#include "framework/orlIdentity.h"

#include <wx/utils.h>

namespace {

unsigned generation = 0;

std::unique_ptr<orlIdentity>& TheIdentity() {
    static std::unique_ptr<orlIdentity> identity = std::make_unique<orlIdentity>();
    return identity;
}

}  // namespace

wxString orlIdentity::GetLoginName() const {
    return wxGetUserId();
}
wxString orlIdentity::GetUserName() const {
    return wxGetUserName();
}
wxString orlIdentity::GetHostName() const {
    return wxGetHostName();
}
wxString orlIdentity::GetFullHostName() const {
    return wxGetFullHostName();
}

const orlIdentity& orlGetIdentity() {
    return *TheIdentity();
}

void orlSetIdentity(std::unique_ptr<orlIdentity> identity) {
    TheIdentity() = identity ? std::move(identity) : std::make_unique<orlIdentity>();
    ++generation;
}

unsigned orlGetIdentityGeneration() {
    return generation;
}
