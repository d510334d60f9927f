// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

extern char** environ;

namespace platform {

namespace {

int WaitFor(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int RunProgram(const std::vector<std::string>& argv, std::string* output) {
    if (argv.empty() || argv[0].empty()) {
        return -1;
    }
    std::vector<std::string> words = argv;
    std::vector<char*> pointers;
    for (std::string& word : words) {
        pointers.push_back(word.data());
    }
    pointers.push_back(nullptr);

    int pipeEnds[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output) {
        if (::pipe(pipeEnds) != 0) {
            posix_spawn_file_actions_destroy(&actions);
            return -1;
        }
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    }
    pid_t child = 0;
    const int spawned =
        posix_spawnp(&child, pointers[0], &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (output) {
        ::close(pipeEnds[1]);
        if (spawned == 0) {
            char chunk[4096];
            for (;;) {
                const ssize_t n = ::read(pipeEnds[0], chunk, sizeof chunk);
                if (n > 0) {
                    output->append(chunk, static_cast<std::size_t>(n));
                } else if (n == 0 || errno != EINTR) {
                    break;
                }
            }
        }
        ::close(pipeEnds[0]);
    }
    return spawned == 0 ? WaitFor(child) : -1;
}

bool ProgramExists(std::string_view name) {
    if (name.empty()) {
        return false;
    }
    const std::string program(name);
    if (program.find('/') != std::string::npos) {
        return ::access(program.c_str(), X_OK) == 0 && !std::filesystem::is_directory(program);
    }
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!folders.empty()) {
        const std::size_t colon = folders.find(':');
        std::string folder(folders.substr(0, colon));
        folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
        const std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + program;
        if (::access(candidate.c_str(), X_OK) == 0 && !std::filesystem::is_directory(candidate)) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> SplitCommandLine(std::string_view command) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : command) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord) {
                words.push_back(word);
                word.clear();
                inWord = false;
            }
        } else {
            word.push_back(c);
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return words;
}

}  // namespace platform
