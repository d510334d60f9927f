// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunProgram.h"

#include <filesystem>

#include <grp.h>
#include <sys/resource.h>
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

ProgramResult RunVornextract(const std::string& workDir, const std::vector<std::string>& args,
                             const RunOptions& options) {
#ifndef VORNEXTRACT_BINARY
#error "the test build names the program binary"
#endif
    const std::string outPath = workDir + "/.stdout";
    const std::string errPath = workDir + "/.stderr";

    // Nothing of the user's own set-up (display, settings, editor installation) reaches it.
    std::vector<std::pair<std::string, std::string>> set{
        {"VORNEXTRACT_HOME", workDir},
        {"VORNEXTRACT_REGISTRY", workDir + "/registry.reg"},
        {"WINEPREFIX", workDir + "/wine"}};
    for (const auto& given : options.Env) {
        std::erase_if(set, [&given](const auto& entry) { return entry.first == given.first; });
        set.push_back(given);
    }
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        bool replaced = entry.rfind("DISPLAY=", 0) == 0 || entry.rfind("WAYLAND_DISPLAY=", 0) == 0;
        for (const auto& entrySet : set) {
            replaced = replaced || entry.rfind(entrySet.first + "=", 0) == 0;
        }
        if (!replaced) {
            env.push_back(entry);
        }
    }
    for (const auto& [name, value] : set) {
        env.push_back(name + "=" + value);
    }

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
    const bool dropRoot = options.Unprivileged && ::geteuid() == 0;

    // Only calls that are safe between fork and exec run in the child.
    pid_t pid = ::fork();
    if (pid < 0) {
        throw std::runtime_error("cannot start " + argStrings[0]);
    }
    if (pid == 0) {
        int in = ::open("/dev/null", O_RDONLY);
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 ||
            ::dup2(err, 2) < 0 || ::chdir(workDir.c_str()) != 0) {
            ::_exit(127);
        }
        const gid_t nobody = 65534;
        if (dropRoot &&
            (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)) {
            ::_exit(127);
        }
        if (options.MemoryLimitBytes != 0) {
            const rlimit limit{options.MemoryLimitBytes, options.MemoryLimitBytes};
            ::setrlimit(RLIMIT_AS, &limit);
        }
        if (options.TimeLimitSeconds != 0) {
            ::alarm(options.TimeLimitSeconds);  // kept across exec: SIGALRM ends the program
        }
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
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

ProgramResult RunOnDemoCopy(const std::string& demo, const std::string& workDir,
                            const std::vector<std::string>& args) {
    const std::filesystem::path copy = std::filesystem::path(workDir) / "amp";
    std::filesystem::copy(demo, copy, std::filesystem::copy_options::recursive);
    return RunVornextract(workDir, args, {.Env = {{"VORNEXTRACT_HOME", (copy / "home").string()}}});
}

}  // namespace support
