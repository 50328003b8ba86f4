// Private profile (INI) files: our own byte-exact reader and key-by-key writer.
#include "platform/profile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

namespace fs = std::filesystem;

// Shift-JIS lead bytes; the byte after one belongs to the same character.
bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

// ASCII letters match either case; the second byte of a double-byte character is compared as is,
// so two different kanji never compare equal through folding.
bool NamesMatch(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// One line of the file: [begin, end) is its text without the line end; next is where the
// following line starts (equal to end when the last line has no line end).
struct Line {
    size_t begin, end, next;
};

std::vector<Line> SplitLines(const std::string& data) {
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < data.size()) {
        size_t nl = data.find('\n', pos);
        size_t next = nl == std::string::npos ? data.size() : nl + 1;
        size_t end = nl == std::string::npos ? data.size() : nl;
        if (end > pos && data[end - 1] == '\r') --end;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

// A section header's name, when the line is one.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view name;
    size_t valueBegin, valueEnd; // offsets in the file of the trimmed value
};

std::optional<KeyLine> ParseKey(const std::string& data, const Line& l) {
    std::string_view line(data.data() + l.begin, l.end - l.begin);
    std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    size_t vb = eq + 1, ve = line.size();
    while (vb < ve && IsBlank(line[vb])) ++vb;
    while (ve > vb && IsBlank(line[ve - 1])) --ve;
    return KeyLine{Trim(line.substr(0, eq)), l.begin + vb, l.begin + ve};
}

// Where a key lives in the file: the first section of that name and the first key in it win.
struct Location {
    bool sectionFound = false;
    size_t sectionLastContent = 0; // index of the section's last non-blank line (its header at least)
    std::optional<KeyLine> key;
};

Location Find(const std::string& data, const std::vector<Line>& lines, std::string_view section,
              std::string_view key) {
    Location loc;
    // Keys before the first header belong to no section and are never found.
    if (section.empty()) return loc;
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view text(data.data() + lines[i].begin, lines[i].end - lines[i].begin);
        if (auto name = SectionName(text)) {
            if (inSection) break;
            if (NamesMatch(*name, section)) {
                inSection = true;
                loc.sectionFound = true;
                loc.sectionLastContent = i;
            }
            continue;
        }
        if (!inSection) continue;
        if (!Trim(text).empty()) loc.sectionLastContent = i;
        if (loc.key) continue;
        if (auto k = ParseKey(data, lines[i]); k && NamesMatch(k->name, key)) loc.key = k;
    }
    return loc;
}

// Only a regular file (or a link to one) is a profile; anything else reads as missing.
std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::string data;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) data.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return std::nullopt;
    return data;
}

// The raw value of a key, or nothing when the file, section or key is missing.
std::optional<std::string> ReadValue(const std::string& fileName, const std::string& section,
                                     const std::string& key) {
    auto data = ReadWholeFile(ProfilePath(fileName));
    if (!data) return std::nullopt;
    auto lines = SplitLines(*data);
    Location loc = Find(*data, lines, section, key);
    if (!loc.key) return std::nullopt;
    return data->substr(loc.key->valueBegin, loc.key->valueEnd - loc.key->valueBegin);
}

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return ".";
}

// Replaces the file as a whole so a crash mid-write never leaves half a settings file behind.
bool WriteWholeFile(const std::string& linkOrPath, const std::string& data) {
    std::error_code ec;
    // A settings file that is a link to one kept elsewhere stays a link: write where it points.
    std::string path = linkOrPath;
    if (fs::is_symlink(path, ec)) {
        fs::path real = fs::canonical(path, ec);
        if (!ec) path = real.string();
    }
    fs::path target(path);
    fs::path dir = target.parent_path();
    if (!dir.empty()) fs::create_directories(dir, ec);
    struct stat st {};
    bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && ::access(path.c_str(), W_OK) != 0) return false;

    std::string tmp = path + ".XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd >= 0) {
        bool ok = true;
        if (exists) ok = ::fchmod(fd, st.st_mode & 07777) == 0;
        size_t done = 0;
        while (ok && done < data.size()) {
            ssize_t n = ::write(fd, data.data() + done, data.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) ok = false;
            else done += size_t(n);
        }
        ok = ::close(fd) == 0 && ok;
        if (ok && ::rename(tmp.c_str(), path.c_str()) == 0) return true;
        ::unlink(tmp.c_str());
        if (!ok) return false;
    }
    // A directory we may not create files in, holding a file we may write: write it in place.
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    return std::fclose(f) == 0 && ok;
}

bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

} // namespace

std::string SettingsDirectory() {
    if (const char* dir = std::getenv("VELKARO_CONFIG_DIR"); dir && *dir) return dir;
    // XDG asks that a relative XDG_CONFIG_HOME be ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') return xdg;
    return HomeDirectory() + "/.config";
}

std::string ProfilePath(const std::string& fileName) {
    if (fileName.find('/') != std::string::npos) return fileName;
    fs::path dir(SettingsDirectory());
    fs::path exact = dir / fileName;
    std::error_code ec;
    if (fs::exists(exact, ec)) return exact.string();
    // File names match without regard to letter case, as on the system the files come from.
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (NamesMatch(name, fileName) && it->is_regular_file(ec)) return it->path().string();
    }
    return exact.string();
}

int ProfileReadInt(const std::string& fileName, const std::string& section, const std::string& key,
                   int defaultValue) {
    auto value = ReadValue(fileName, section, key);
    // An empty value reads like a missing one, as the Windows service does.
    if (!value || value->empty()) return defaultValue;
    size_t i = 0;
    bool negative = false;
    if ((*value)[0] == '-' || (*value)[0] == '+') {
        negative = (*value)[0] == '-';
        i = 1;
    }
    // Digits accumulate modulo 2^32, so an absurdly long number wraps instead of overflowing.
    uint32_t n = 0;
    for (; i < value->size() && (*value)[i] >= '0' && (*value)[i] <= '9'; ++i)
        n = n * 10u + uint32_t((*value)[i] - '0');
    if (negative) n = 0u - n;
    return static_cast<int32_t>(n);
}

std::string ProfileReadString(const std::string& fileName, const std::string& section,
                              const std::string& key, const std::string& defaultValue, int capacity) {
    auto found = ReadValue(fileName, section, key);
    std::string value = found ? *found : defaultValue;
    // A value wrapped in matching quotes is returned without them.
    if (found && value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (capacity <= 0) return {};
    size_t limit = size_t(capacity - 1);
    if (value.size() <= limit) return value;
    // Cut before a double-byte character that would not fit whole.
    size_t keep = 0;
    while (keep < limit) {
        size_t width = IsLeadByte(static_cast<unsigned char>(value[keep])) ? 2 : 1;
        if (keep + width > limit) break;
        keep += width;
    }
    return value.substr(0, keep);
}

bool ProfileWriteString(const std::string& fileName, const std::string& section,
                        const std::string& key, const std::string& text) {
    // A line break would let a value, key or section forge other lines of the file.
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(text)) return false;
    if (section.find(']') != std::string::npos || key.find('=') != std::string::npos) return false;
    if (Trim(key).empty() || Trim(section).empty()) return false;

    std::string path = ProfilePath(fileName);
    std::string data;
    std::error_code ec;
    if (fs::exists(path, ec)) {
        // Something that is there but cannot be read whole is never replaced.
        auto read = ReadWholeFile(path);
        if (!read) return false;
        data = std::move(*read);
    }
    auto lines = SplitLines(data);
    // New lines end the way the file's first line does; a new file gets CR LF.
    std::string eol = "\r\n";
    if (!lines.empty() && lines[0].next > lines[0].end)
        eol = data.substr(lines[0].end, lines[0].next - lines[0].end);

    Location loc = Find(data, lines, section, key);
    if (loc.key) {
        data.replace(loc.key->valueBegin, loc.key->valueEnd - loc.key->valueBegin, text);
    } else if (loc.sectionFound) {
        const Line& last = lines[loc.sectionLastContent];
        std::string insert = key + "=" + text + eol;
        if (last.next == last.end) insert = eol + key + "=" + text; // the file's unterminated last line
        data.insert(last.next, insert);
    } else {
        if (!data.empty() && data.back() != '\n') data += eol;
        data += "[" + section + "]" + eol + key + "=" + text + eol;
    }
    return WriteWholeFile(path, data);
}

} // namespace platform
