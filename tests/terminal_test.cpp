// The prompt must be on the screen before the program waits for the mark:
// on a terminal, and when standard output is a pipe (as with `grade | tee log`).

#include "run_grade.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#if __has_include(<poll.h>) && __has_include(<unistd.h>) && __has_include(<sys/wait.h>)
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#define GRADE_TESTS_TERMINAL 1
#else
#define GRADE_TESTS_TERMINAL 0
#endif

namespace {

#if GRADE_TESTS_TERMINAL

constexpr int timeout_ms = 10000;

// Reads from `fd` until `wanted` has arrived (or, with nothing wanted, until the
// writer is gone), giving up after the timeout.
std::string read_until(int fd, std::string_view wanted = {})
{
    std::string got;
    while (wanted.empty() || got.find(wanted) == std::string::npos) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, timeout_ms) <= 0) {
            break;
        }
        char buffer[256];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) { // end of file, or EIO once a terminal's other side is closed
            break;
        }
        got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
}

// Keeps the test's own ends of pipes and terminals out of the program.
void close_on_exec(int fd) { ::fcntl(fd, F_SETFD, FD_CLOEXEC); }

void write_all(int fd, std::string_view text)
{
    ASSERT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
}

// Starts the program in a child with the given descriptors as its standard
// input and output (and error), or with `terminal` as all three and as its
// controlling terminal; returns the child's process id.
pid_t start_grade(int input, int output, const char* terminal = nullptr)
{
    const std::string command = "exec " + grade_command();
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (terminal != nullptr) {
            ::setsid();
            input = output = ::open(terminal, O_RDWR); // becomes the controlling terminal
        }
        ::dup2(input, 0);
        ::dup2(output, 1);
        ::dup2(output, 2);
        ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid;
}

int exit_status(pid_t pid)
{
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(Terminal, PromptShowsBeforeInputOnATerminal)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0) {
        GTEST_SKIP() << "no pseudo-terminal here";
    }
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 || ::ptsname(master) == nullptr) {
        ::close(master);
        GTEST_SKIP() << "no pseudo-terminal here";
    }
    close_on_exec(master);
    const std::string terminal = ::ptsname(master);
    const pid_t pid = start_grade(-1, -1, terminal.c_str());
    ASSERT_GT(pid, 0);

    const std::string prompt = read_until(master, "Enter mark: ");
    EXPECT_EQ(prompt, "Enter mark: ") << "the prompt did not show before any input";
    write_all(master, "90\n");
    const std::string rest = read_until(master);
    ::close(master);

    // The terminal echoes the typed line, and shows each newline as CR LF.
    EXPECT_EQ(escaped(prompt + rest), escaped("Enter mark: 90\r\nA\r\nGood luck"));
    EXPECT_EQ(exit_status(pid), 0);
}

TEST(Terminal, PromptShowsBeforeInputOnAPipe)
{
    int to_grade[2];
    int from_grade[2];
    ASSERT_EQ(::pipe(to_grade), 0);
    ASSERT_EQ(::pipe(from_grade), 0);
    for (const int fd : {to_grade[0], to_grade[1], from_grade[0], from_grade[1]}) {
        close_on_exec(fd);
    }
    const pid_t pid = start_grade(to_grade[0], from_grade[1]);
    ASSERT_GT(pid, 0);
    ::close(to_grade[0]);
    ::close(from_grade[1]);

    const std::string prompt = read_until(from_grade[0], "Enter mark: ");
    EXPECT_EQ(prompt, "Enter mark: ") << "the prompt did not reach the pipe before any input";
    write_all(to_grade[1], "90\n");
    ::close(to_grade[1]);
    const std::string rest = read_until(from_grade[0]);
    ::close(from_grade[0]);

    EXPECT_EQ(escaped(prompt + rest), escaped(expected_output(true)));
    EXPECT_EQ(exit_status(pid), 0);
}

#else

TEST(Terminal, PromptShowsBeforeInput) { GTEST_SKIP() << "needs POSIX terminals and pipes"; }

#endif

} // namespace
