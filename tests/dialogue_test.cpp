// The whole dialogue, byte for byte, for one mark on standard input.

#include "run_grade.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct Case {
    const char* name;
    std::string input;
    bool graded;
};

// clang-format off
const Case cases[] = {
    // The band is 81 to 100: the lower bound is exclusive, the upper inclusive.
    {"mark_80", "80\n", false},
    {"mark_81", "81\n", true},
    {"mark_90", "90\n", true},
    {"mark_100", "100\n", true},
    {"mark_101", "101\n", false},
    {"mark_0", "0\n", false},
    {"mark_minus_1", "-1\n", false},
    {"mark_minus_90", "-90\n", false},
    {"mark_minus_0", "-0\n", false},
    {"plus_sign", "+90\n", true},
    {"leading_zeros", "0081\n", true},
    // White space of every kind, empty lines included, is skipped before the number.
    {"blanks_and_empty_lines", "   \n\n95\n", true},
    {"every_white_space", " \t\n\v\f\r95\n", true},
    {"windows_lines", "\r\n90\r\n", true},
    {"carriage_return_after", "90\r\n", true},
    {"no_line_break_at_end", "99", true},
    // The number ends at the first character that is not a digit; the rest is left unread.
    {"decimal_point", "85.5\n", true},
    {"letters_after", "90abc", true},
    {"sign_after", "90-5\n", true},
    {"exponent", "1e2\n", false},
    {"hexadecimal", "0x5A\n", false},
    {"second_number_ignored", "8 1\n", false},
    {"second_line_ignored", "50\n90\n", false},
    // No number at all is a mark without a grade.
    {"empty_input", "", false},
    {"only_white_space", " \n\t\r\n", false},
    {"letters", "abc\n", false},
    {"letter_first", "A90\n", false},
    {"lone_plus", "+\n", false},
    {"lone_minus", "-", false},
    {"sign_then_blank", "+ 90\n", false},
    {"doubled_sign", "++90\n", false},
    {"mixed_signs", "-+90\n", false},
    {"nul_byte", std::string("\0" "90\n", 4), false},
    {"no_break_space", "\xc2\xa0" "90\n", false},
    // Numbers beyond an int never wrap around into the band.
    {"int_max", "2147483647\n", false},
    {"int_min", "-2147483648\n", false},
    {"int_max_plus_1", "2147483648\n", false},
    {"int_min_minus_1", "-2147483649\n", false},
    {"two_to_32_plus_90", "4294967386\n", false},
    {"minus_two_to_32_plus_90", "-4294967206\n", false},
    {"two_to_64_plus_90", "18446744073709551706\n", false},
    {"four_hundred_nines", std::string(400, '9') + "\n", false},
    {"many_leading_zeros", std::string(5000, '0') + "95\n", true},
};
// clang-format on

void PrintTo(const Case& c, std::ostream* os) { *os << '"' << escaped(c.input) << '"'; }

class Dialogue : public GradeTest, public testing::WithParamInterface<Case> {};

TEST_P(Dialogue, WritesExactlyTheExpectedBytes)
{
    const Case& c = GetParam();
    const Outcome run = run_grade(c.input);
    EXPECT_EQ(escaped(run.out), escaped(expected_output(c.graded))) << "input: " << escaped(c.input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(Table, Dialogue, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& tested) {
                             return std::string(tested.param.name);
                         });

// Standard input that cannot be read is input without a number, not an error.
TEST_F(Dialogue, UnreadableInputIsNoMark)
{
    for (const char* redirect : {"<&-", "</"}) {
        const Outcome run = run_grade("", redirect);
        EXPECT_EQ(escaped(run.out), escaped(expected_output(false))) << redirect;
        EXPECT_EQ(run.status, 0) << redirect;
        EXPECT_EQ(run.err, "") << redirect;
    }
}

// Output that cannot be written is a failure, reported by the exit status alone.
TEST_F(Dialogue, UnwritableOutputFails)
{
    for (const char* redirect : {">/dev/full", ">&-"}) {
        for (const char* input : {"90\n", "50\n"}) {
            const Outcome run = run_grade(input, {}, redirect);
            EXPECT_EQ(run.status, 1) << redirect << " input " << escaped(input);
            EXPECT_EQ(run.err, "") << redirect << " input " << escaped(input);
        }
    }
}

TEST_F(Dialogue, IgnoresArguments)
{
    const Outcome run = run_grade("95\n", {}, {}, "50 --help -");
    EXPECT_EQ(escaped(run.out), escaped(expected_output(true)));
    EXPECT_EQ(run.status, 0);
}

} // namespace
