// Where the program keeps what it writes for the user beyond the program's own folder, by the
// desktop's rules for per-user state (the XDG base directories).
#pragma once

#include <string>
#include <string_view>

namespace vexmoor {

// The per-user folder that takes the log when the program's own folder cannot:
// $XDG_STATE_HOME/quenbry-vexmoor, or <home>/.local/state/quenbry-vexmoor when that variable is
// unset, empty or not an absolute path (such a value is to be ignored); empty when the home
// folder is not an absolute path either.
std::string StateLogFolder(std::string_view xdgStateHome, std::string_view home);

} // namespace vexmoor
