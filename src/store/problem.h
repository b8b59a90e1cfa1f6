#pragma once
// What a pure function that checks input returns: nothing when all is well, otherwise why not, in
// a sentence a player can read (UTF-8), which the window shows as it is.

#include <optional>
#include <string>

namespace pickora {

using Problem = std::optional<std::string>;

} // namespace pickora
