#include "process/GameProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

pid_t SpawnProgram(const std::string& program, const TempDir& folder, std::vector<std::string> arguments) {
    std::string outputPath = folder.File("stdout.txt");
    std::string errorPath = folder.File("stderr.txt");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    // Relative fallback folders land in the scratch folder, not in the build tree.
    posix_spawn_file_actions_addchdir_np(&actions, folder.Path().c_str());
    std::vector<char*> argv;
    std::string name = program;
    argv.push_back(name.data());
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) child = 0;
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

pid_t SpawnGame(const TempDir& folder, std::vector<std::string> arguments) {
    return SpawnProgram(PZ_GAME_EXECUTABLE, folder, std::move(arguments));
}

Outcome WaitForGame(const TempDir& folder, pid_t child) {
    Outcome outcome;
    int status = 0;
    if (child <= 0 || waitpid(child, &status, 0) != child) return outcome;
    outcome.exited = WIFEXITED(status);
    outcome.code = outcome.exited ? WEXITSTATUS(status) : WTERMSIG(status);
    outcome.output = folder.Read("stdout.txt");
    outcome.errors = folder.Read("stderr.txt");
    return outcome;
}

Outcome RunProgram(const std::string& program, const TempDir& folder, std::vector<std::string> arguments) {
    return WaitForGame(folder, SpawnProgram(program, folder, std::move(arguments)));
}

Outcome RunGame(const TempDir& folder, std::vector<std::string> arguments) {
    return RunProgram(PZ_GAME_EXECUTABLE, folder, std::move(arguments));
}
