#pragma once
#include <string>

namespace korrimet {

// What a system error number means, in the user's words (UTF-8); the number
// itself for one rarely met.
std::string SystemReason(int error);

}  // namespace korrimet
