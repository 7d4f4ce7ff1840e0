// run-measured PROGRAM [ARG...]: runs the program once and prints one line,
// "WALL_US PEAK_KB": its wall time from launch to exit in microseconds and its
// peak resident memory in kilobytes. Fails when the program does.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: run-measured PROGRAM [ARG...]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("run-measured: fork");
        return 2;
    }
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::fprintf(stderr, "run-measured: cannot run %s: %s\n", argv[1], std::strerror(errno));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            std::perror("run-measured: wait4");
            return 2;
        }
    }
    const auto wall = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "run-measured: %s failed (status %d)\n", argv[1], status);
        return 1;
    }
    std::printf("%lld %ld\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(wall).count()),
                usage.ru_maxrss);
    return 0;
}
