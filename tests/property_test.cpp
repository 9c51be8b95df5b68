// Generated inputs against a small model of the read rules, written apart from
// the program: strip the white space, take a sign, take the digits, drop the
// leading zeros, and only then look at the value.

#include "run_grade.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace {

bool model_grades(std::string_view input)
{
    const auto start = input.find_first_not_of(" \t\n\v\f\r");
    std::string_view rest = input.substr(std::min(start, input.size()));
    const bool negative = !rest.empty() && rest.front() == '-';
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        rest.remove_prefix(1);
    }
    const std::string_view digits =
        rest.substr(0, std::min(rest.find_first_not_of("0123456789"), rest.size()));
    const std::string_view value = digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
    if (negative || value.size() < 2 || value.size() > 3) {
        return false;
    }
    const int mark = std::stoi(std::string(value));
    return mark >= 81 && mark <= 100;
}

class Generator {
public:
    explicit Generator(std::uint32_t seed) : engine_(seed) {}

    std::string input()
    {
        std::string text;
        if (chance(5)) {
            return text; // empty input
        }
        for (int n = below(4) == 0 ? below(20) : 0; n > 0; --n) {
            text += " \t\n\v\f\r"[below(6)];
        }
        for (int n = chance(30) ? below(3) + 1 : 0; n > 0; --n) {
            text += "+-"[below(2)];
        }
        text.append(chance(20) ? static_cast<std::size_t>(below(40)) : 0, '0');
        if (chance(50)) {
            text += std::to_string(70 + below(41)); // near the band
        } else {
            for (int n = below(30); n > 0; --n) {
                text += static_cast<char>('0' + below(10));
            }
        }
        for (int n = chance(50) ? below(5) : 0; n > 0; --n) {
            text += static_cast<char>(below(256)); // anything may follow
        }
        return text;
    }

private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(engine_); }
    bool chance(int percent) { return below(100) < percent; }

    std::mt19937 engine_;
};

class Property : public GradeTest {};

TEST_F(Property, AgreesWithTheModelOfTheReadRules)
{
    constexpr std::uint32_t seed = 20261211;
    constexpr int runs = 3000;
    Generator generate(seed);
    int graded = 0;
    for (int i = 0; i < runs; ++i) {
        const std::string input = generate.input();
        const bool expected = model_grades(input);
        const Outcome run = run_grade(input);
        ASSERT_EQ(escaped(run.out), escaped(expected_output(expected)))
            << "seed " << seed << ", run " << i << ", input \"" << escaped(input) << '"';
        ASSERT_EQ(run.status, 0) << "seed " << seed << ", run " << i << ", input \"" << escaped(input) << '"';
        graded += expected ? 1 : 0;
    }
    // The inputs must exercise both answers, or the comparison proves little.
    EXPECT_GT(graded, runs / 20);
    EXPECT_GT(runs - graded, runs / 20);
}

} // namespace
