// Writing a shot's outcome as the lab's JSON.
#pragma once
#include <string>

#include "lab/shot_run.h"

namespace lab {

// One JSON object, keys in a fixed order, integers only; one key per line.
std::string WriteShotResult(const ShotResult& result);

} // namespace lab
