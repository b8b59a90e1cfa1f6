#pragma once
// The one kind of error the draw store and the database layer throw: its text is a message a
// player can read (UTF-8), so a window shows it as it is.

#include <stdexcept>

namespace pickora {

class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace pickora
