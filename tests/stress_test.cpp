// Inputs far larger than any buffer: the read must stream them.

#include "run_grade.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr std::size_t mebibyte = std::size_t{1024} * 1024;

class Stress : public GradeTest {};

TEST_F(Stress, LongWhiteSpaceBeforeTheMark)
{
    std::string input;
    for (std::size_t i = 0; input.size() < 64 * mebibyte; ++i) {
        input += " \t\n\v\f\r"[i % 6];
    }
    input += "95";
    const Outcome run = run_grade(input);
    EXPECT_EQ(run.out, expected_output(true));
    EXPECT_EQ(run.status, 0);
}

TEST_F(Stress, LongRunOfDigits)
{
    const Outcome run = run_grade("9" + std::string(8 * mebibyte, '0') + "\n");
    EXPECT_EQ(run.out, expected_output(false));
    EXPECT_EQ(run.status, 0);
}

TEST_F(Stress, LongRunOfLeadingZeros)
{
    const Outcome run = run_grade(std::string(8 * mebibyte, '0') + "100");
    EXPECT_EQ(run.out, expected_output(true));
    EXPECT_EQ(run.status, 0);
}

} // namespace
