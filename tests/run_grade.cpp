#include "run_grade.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#if __has_include(<sys/wait.h>) && __has_include(<unistd.h>)
#include <sys/wait.h>
#define GRADE_TESTS_POSIX 1
#else
#define GRADE_TESTS_POSIX 0
#endif

namespace fs = std::filesystem;

namespace {

// A folder of this test process's own for the input and output files.
class Scratch {
public:
    Scratch()
    {
#if GRADE_TESTS_POSIX
        std::string pattern = (fs::temp_directory_path() / "grade-tests-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a scratch folder");
        }
        dir_ = pattern;
#endif
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    Scratch(Scratch&&) = delete;
    Scratch& operator=(Scratch&&) = delete;
    ~Scratch()
    {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    [[nodiscard]] fs::path file(const char* name) const { return dir_ / name; }

private:
    fs::path dir_;
};

const Scratch& scratch()
{
    static const Scratch instance;
    return instance;
}

std::string read_file(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

} // namespace

bool can_run_grade() { return GRADE_TESTS_POSIX != 0; }

std::string grade_command()
{
    const char* command = std::getenv("GRADE_COMMAND");
    return command != nullptr && *command != '\0' ? command : quoted(GRADE_PROGRAM);
}

Outcome run_grade(std::string_view input, std::string_view stdin_redirect, std::string_view stdout_redirect,
                  std::string_view arguments)
{
    Outcome run;
#if GRADE_TESTS_POSIX
    const auto in = scratch().file("in");
    const auto out = scratch().file("out");
    const auto err = scratch().file("err");
    std::ofstream(in, std::ios::binary).write(input.data(), static_cast<std::streamsize>(input.size()));
    std::ofstream(out, std::ios::binary | std::ios::trunc).close();

    std::string command = grade_command();
    command.append(" ").append(arguments);
    command.append(stdin_redirect.empty() ? " <" + quoted(in) : " " + std::string(stdin_redirect));
    command.append(stdout_redirect.empty() ? " >" + quoted(out) : " " + std::string(stdout_redirect));
    command.append(" 2>" + quoted(err));

    // Through the shell on purpose: the tests use its redirections, as a script would.
    const int raw = std::system(command.c_str()); // NOLINT(cert-env33-c)
    if (raw != -1 && WIFEXITED(raw)) {
        run.status = WEXITSTATUS(raw);
    } else if (raw != -1 && WIFSIGNALED(raw)) {
        run.status = 128 + WTERMSIG(raw);
    }
    run.out = read_file(out);
    run.err = read_file(err);
#else
    static_cast<void>(input);
    static_cast<void>(stdin_redirect);
    static_cast<void>(stdout_redirect);
    static_cast<void>(arguments);
#endif
    return run;
}

std::string expected_output(bool graded)
{
    const char* newline = std::getenv("GRADE_NEWLINE");
    const std::string line_end = newline != nullptr && std::string_view(newline) == "crlf" ? "\r\n" : "\n";
    return "Enter mark: " + (graded ? "A" + line_end : std::string()) + "Good luck";
}

std::string escaped(std::string_view text)
{
    std::string result;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '\\') {
            result += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned>(byte));
            result += hex;
        }
    }
    return result;
}
