// CKavrelDoc: the one document, its new-game operation, the results it reads and its help command.
#include "frame/kavrel_doc.h"

#include "platform/profile.h"

#include <filesystem>
#include <strings.h>

namespace frame {
namespace {

std::string OwnExecutable() {
    std::error_code ec;
    const auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : p.string();
}

} // namespace

std::string FindNoCase(const std::string& directory, const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path exact = fs::path(directory) / name;
    std::error_code ec;
    if (fs::exists(exact, ec)) return exact.string();
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec))
        if (strcasecmp(it->path().filename().c_str(), name.c_str()) == 0) return it->path().string();
    return exact.string();
}

CKavrelDoc::CKavrelDoc(int userLevel, std::string programPath) : programPath_(std::move(programPath)) {
    platform::ProfileWriteString("dravonel.ini.INI", "User", "UserLevel", std::to_string(userLevel));
}

bool CKavrelDoc::OnNewDocument() {
    const std::string path = programPath_.empty() ? OwnExecutable() : programPath_;
    // The program's directory: its full path cut at the last separator.
    std::filesystem::path dir = std::filesystem::path(path).parent_path();
    if (dir.empty()) dir = ".";
    programDirectory_ = dir.string();
    std::error_code ec;
    std::filesystem::current_path(programDirectory_, ec);

    // Read from the program's directory by its full name, so a failed change of directory still
    // finds the file beside the program.
    recordsRead_ = ReadHighScores(FindNoCase(programDirectory_, kHighScoreFile), Records);
    if (!recordsRead_) Records = HighScores{};

    if (newGamePart_) newGamePart_();
    return true;
}

void CKavrelDoc::OnHelpTopic() {
    if (helpOpener_) helpOpener_(kHelpFile, kHelpTopicContext);
}

} // namespace frame
