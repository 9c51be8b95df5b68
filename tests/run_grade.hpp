// Runs the grade program as a separate process, the way a shell script would.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

struct Outcome {
    std::string out; // everything written to standard output
    std::string err; // everything written to standard error
    int status = -1; // exit status, or 128 + the signal that ended it
};

// True where the program can be run through a POSIX shell; the tests skip elsewhere.
bool can_run_grade();

// The shell command that starts the program under test: GRADE_COMMAND from the
// environment, or else the program of this build.
std::string grade_command();

// Runs the program with `input` as standard input. `stdin_redirect` and
// `stdout_redirect`, when given, are shell redirections used instead of the
// input file and the capture of standard output (for example "<&-").
Outcome run_grade(std::string_view input, std::string_view stdin_redirect = {},
                  std::string_view stdout_redirect = {}, std::string_view arguments = {});

// The whole standard output for a mark that gets the grade or one that does not,
// with the line ending of the build under test (GRADE_NEWLINE=crlf for Windows).
std::string expected_output(bool graded);

// The bytes of `text` in a readable form for failure messages.
std::string escaped(std::string_view text);

// Base of the tests that run the program: they skip where it cannot be run.
class GradeTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!can_run_grade()) {
            GTEST_SKIP() << "needs a POSIX shell to run the program";
        }
    }
};
