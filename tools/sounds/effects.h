// The game's ten wave effects, each made from its recipe.
#pragma once
#include <string>
#include <vector>

#include "dsp.h"

namespace soundgen {

struct Effect {
    const char* fileName;
    Signal (*make)();
};

const std::vector<Effect>& Effects();

} // namespace soundgen
