// Case-insensitive lookup of a file name in its directory.
#include "platform/audio/file_case.h"

#include <strings.h>

#include <filesystem>
#include <system_error>

namespace platform {

std::string ResolveNoCase(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (path.empty() || fs::exists(path, ec))
        return path;
    const fs::path p(path);
    const fs::path dir = p.has_parent_path() ? p.parent_path() : fs::path(".");
    const std::string name = p.filename().string();
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string candidate = it->path().filename().string();
        if (strcasecmp(candidate.c_str(), name.c_str()) == 0)
            return p.has_parent_path() ? (dir / candidate).string() : candidate;
    }
    return path;
}

} // namespace platform
