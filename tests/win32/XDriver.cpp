#include "XDriver.h"

#include "TestWindow.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace win32test {

namespace {

// Z: is the Unix root in every Wine prefix.
std::string folder() {
    const char *unix = std::getenv("LUMO_X_DRIVER");
    if (unix == nullptr || *unix == '\0')
        return {};
    std::string path = std::string("Z:") + unix;
    for (char &c : path)
        if (c == '/')
            c = '\\';
    return path + "\\";
}

bool exists(const std::string &path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

bool haveXDriver() {
    return !folder().empty();
}

std::optional<XReply> xdotool(const std::vector<std::string> &arguments) {
    static int sequence = 0;
    const std::string base = folder() + std::to_string(sequence++);
    {
        std::ofstream request(base + ".tmp", std::ios::binary);
        for (const std::string &argument : arguments)
            request << argument << '\n';
    }
    // Renamed into place so that the script never reads half a request.
    if (!MoveFileA((base + ".tmp").c_str(), (base + ".request").c_str()))
        return std::nullopt;
    const std::string replyPath = base + ".reply";
    if (!pumpUntil([&] { return exists(replyPath); }))
        return std::nullopt;
    std::ifstream reply(replyPath, std::ios::binary);
    XReply result;
    std::string code;
    std::getline(reply, code);
    result.exitCode = std::atoi(code.c_str());
    std::ostringstream rest;
    rest << reply.rdbuf();
    result.output = rest.str();
    return result;
}

} // namespace win32test
