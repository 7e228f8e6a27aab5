#pragma once

#include <stdexcept>

namespace nuk {

// Raised when an operation hits one of its failure conditions (a number too
// large for its field, a scanner position past 32767, an index outside a table
// or list). Whole operations catch it and show their fixed message.
struct Fehlschlag : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace nuk
