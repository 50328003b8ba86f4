// File names matched without regard to letter case, as the game's data files expect.
#pragma once
#include <string>

namespace platform {

// `path` itself when it exists; otherwise the entry of its directory whose name differs only in
// ASCII letter case, if there is one; otherwise `path` unchanged.
std::string ResolveNoCase(const std::string& path);

} // namespace platform
