#include "support/RunProgram.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace support {
namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

ProgramResult RunVornextract(const std::string& workDir, const std::vector<std::string>& args) {
#ifndef VORNEXTRACT_BINARY
#error "the test build names the program binary"
#endif
    const std::string outPath = workDir + "/.stdout";
    const std::string errPath = workDir + "/.stderr";

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        bool replaced = false;
        for (const char* name : {"DISPLAY=", "WAYLAND_DISPLAY=", "VORNEXTRACT_HOME=",
                                 "VORNEXTRACT_REGISTRY=", "WINEPREFIX="}) {
            replaced = replaced || entry.rfind(name, 0) == 0;
        }
        if (!replaced) {
            env.push_back(entry);
        }
    }
    // Nothing of the user's own set-up (display, settings, editor installation) reaches it.
    env.push_back("VORNEXTRACT_HOME=" + workDir);
    env.push_back("VORNEXTRACT_REGISTRY=" + workDir + "/registry.reg");
    env.push_back("WINEPREFIX=" + workDir + "/wine");

    std::vector<std::string> argStrings{VORNEXTRACT_BINARY};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    auto pointers = [](std::vector<std::string>& strings) {
        std::vector<char*> p;
        for (std::string& s : strings) {
            p.push_back(s.data());
        }
        p.push_back(nullptr);
        return p;
    };
    std::vector<char*> argv = pointers(argStrings);
    std::vector<char*> envp = pointers(env);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = 0;
    int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        throw std::runtime_error("cannot start " + argStrings[0]);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);

    ProgramResult result;
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.Out = Slurp(outPath);
    result.Err = Slurp(errPath);
    ::unlink(outPath.c_str());
    ::unlink(errPath.c_str());
    return result;
}

}  // namespace support
