// The media-control command interpreter over one MIDI sequencer.
#include "platform/audio/media_control.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/audio/file_case.h"

namespace platform {
namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// Splits on blanks; a double-quoted word may hold blanks (file names).
std::vector<std::string> Words(const std::string& command)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < command.size()) {
        while (i < command.size() && std::isspace(static_cast<unsigned char>(command[i])))
            ++i;
        if (i >= command.size())
            break;
        std::string word;
        if (command[i] == '"') {
            size_t end = command.find('"', i + 1);
            if (end == std::string::npos)
                end = command.size();
            word = command.substr(i + 1, end - i - 1);
            i = end + 1;
        } else {
            while (i < command.size() && !std::isspace(static_cast<unsigned char>(command[i])))
                word += command[i++];
        }
        words.push_back(word);
    }
    return words;
}

bool EndsWithNoCase(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && Lower(s.substr(s.size() - tail.size())) == tail;
}

} // namespace

MediaCommandInterpreter::~MediaCommandInterpreter()
{
    if (!open_.empty())
        sequencer_.Close();
}

int MediaCommandInterpreter::Send(const std::string& command, std::string* answer, int capacity)
{
    std::vector<std::string> words = Words(command);
    std::string reply;
    int result = kMediaUnknownCommand;
    if (!words.empty()) {
        const std::string verb = Lower(words[0]);
        if (verb == "open")
            result = Open(words);
        else if (verb == "play")
            result = Play(words);
        else if (verb == "status")
            result = Status(words, reply);
        else if (verb == "close")
            result = Close(words);
    }
    if (answer) {
        if (result != kMediaOk || capacity <= 0)
            reply.clear();
        else if (static_cast<int>(reply.size()) > capacity - 1)
            reply.resize(capacity - 1);
        *answer = reply;
    }
    return result;
}

// open NAME [alias A] [type T] [wait] [notify], options in any order.
int MediaCommandInterpreter::Open(const std::vector<std::string>& words)
{
    if (words.size() < 2)
        return kMediaMissingParameter;
    const std::string& file = words[1];
    std::string alias, type;
    for (size_t i = 2; i < words.size(); ++i) {
        const std::string option = Lower(words[i]);
        if (option == "alias" || option == "type") {
            if (i + 1 >= words.size())
                return kMediaMissingParameter;
            (option == "alias" ? alias : type) = words[++i];
        } else if (option != "wait" && option != "notify" && option != "shareable") {
            return kMediaBadParameter;
        }
    }
    if (type.empty())
        type = EndsWithNoCase(file, ".mid") || EndsWithNoCase(file, ".rmi") ? "sequencer" : "";
    if (Lower(type) != "sequencer")
        return kMediaUnsupportedType;
    if (alias.empty())
        alias = file;
    alias = Lower(alias);
    if (open_.count(alias))
        return kMediaAliasInUse;
    if (!open_.empty())
        return kMediaDeviceBusy;
    if (!sequencer_.Open(ResolveNoCase(file)))
        return kMediaCannotOpenFile;
    open_[alias] = file;
    return kMediaOk;
}

// play A [from 0] [wait] [notify]: the tune always starts from its beginning.
int MediaCommandInterpreter::Play(const std::vector<std::string>& words)
{
    if (words.size() < 2)
        return kMediaMissingParameter;
    if (!open_.count(Lower(words[1])))
        return kMediaNoSuchDevice;
    for (size_t i = 2; i < words.size(); ++i) {
        const std::string option = Lower(words[i]);
        if (option == "from") {
            if (i + 1 >= words.size())
                return kMediaMissingParameter;
            if (words[++i] != "0")
                return kMediaBadParameter;
        } else if (option != "wait" && option != "notify") {
            return kMediaBadParameter;
        }
    }
    return sequencer_.PlayFromStart() ? kMediaOk : kMediaCannotPlay;
}

// status A mode: "playing" or "stopped".
int MediaCommandInterpreter::Status(const std::vector<std::string>& words, std::string& reply)
{
    if (words.size() < 3)
        return kMediaMissingParameter;
    if (!open_.count(Lower(words[1])))
        return kMediaNoSuchDevice;
    if (Lower(words[2]) != "mode" || words.size() > 3)
        return kMediaBadParameter;
    reply = sequencer_.IsPlaying() ? "playing" : "stopped";
    return kMediaOk;
}

// close A, or close all.
int MediaCommandInterpreter::Close(const std::vector<std::string>& words)
{
    if (words.size() < 2)
        return kMediaMissingParameter;
    const std::string alias = Lower(words[1]);
    if (alias == "all") {
        if (!open_.empty())
            sequencer_.Close();
        open_.clear();
        return kMediaOk;
    }
    if (!open_.erase(alias))
        return kMediaNoSuchDevice;
    sequencer_.Close();
    return kMediaOk;
}

} // namespace platform
