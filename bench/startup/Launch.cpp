// Starts a program that prints the monotonic clock and its processor time at its first paint,
// and prints the time from just before its start to that paint and the processor time it took,
// in milliseconds, and its peak memory in KiB.
#include <chrono>
#include <cstdio>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    int out[2];
    if (pipe(out) != 0)
        return 2;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);

    const auto start = std::chrono::steady_clock::now().time_since_epoch();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[1], &actions, nullptr, argv + 1, environ) != 0) {
        std::perror(argv[1]);
        return 2;
    }
    close(out[1]);
    char line[64] = {};
    const ssize_t got = read(out[0], line, sizeof line - 1);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not paint and quit\n", argv[1]);
        return 1;
    }
    long long paintedNs = 0, cpuNs = 0;
    std::sscanf(line, "%lld %lld", &paintedNs, &cpuNs);
    const long long startNs = std::chrono::nanoseconds(start).count();
    std::printf("%.2f %.2f %ld\n", double(paintedNs - startNs) / 1e6, double(cpuNs) / 1e6,
                usage.ru_maxrss);
    return 0;
}
