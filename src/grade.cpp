// grade: asks for one mark and gives the grade "A" to a mark from 81 to 100.
//
// The mark is read as "%d" would read it: white space is skipped, then one
// optional sign and the decimal digits up to the first other character. The
// value saturates instead of overflowing, so a number too large for an int
// can never wrap around into the band, and input without a number is simply
// a mark of 0. The exit status says whether all the output was written.

#include <cctype>
#include <cstdio>
#include <cstdlib>

int main()
{
    // Buffers of the program's own, so that a run needs no heap at all: this
    // is a good share of what it costs beyond starting the process.
    static char input_buffer[65536];
    static char output_buffer[64];
    std::setvbuf(stdin, input_buffer, _IOFBF, sizeof input_buffer);
    std::setvbuf(stdout, output_buffer, _IOFBF, sizeof output_buffer);

    std::printf("Enter mark: ");
    std::fflush(stdout); // show the prompt before waiting, on a pipe too

    int c = std::getchar();
    while (std::isspace(c) != 0) {
        c = std::getchar();
    }
    const bool negative = c == '-';
    if (c == '+' || c == '-') {
        c = std::getchar();
    }
    int mark = 0;
    while (std::isdigit(c) != 0) {
        if (mark <= 100) { // beyond 100 the exact value no longer matters
            mark = mark * 10 + (c - '0');
        }
        c = std::getchar();
    }
    if (negative) {
        mark = -mark;
    }

    if (mark > 80 && mark <= 100) {
        std::puts("A");
    }
    std::printf("Good luck");

    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
