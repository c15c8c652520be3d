// Where no coverage-guided fuzzer is at hand: a seeded random loop that feeds the fuzz target
// texts made of the characters that matter to a number, cut and spliced from typical inputs.
//   number-fuzz-loop [ITERATIONS] [SEED]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::uint64_t state;

unsigned Below(unsigned n) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<unsigned>((state >> 33) % n);
}

const char* const Seeds[] = {"2",
                             "999",
                             "2,5",
                             " 2 ",
                             "1e400",
                             "1e-400",
                             "-0,0e-0",
                             "%s%n",
                             "0x10",
                             "nan",
                             "inf",
                             "1.5",
                             "+.5e+5",
                             "12345678901234567890",
                             "1e-99999999999999999999",
                             ".",
                             ",",
                             "e5",
                             "\t7\t"};
const char Alphabet[] = "0123456789.,eE+- \tnaix%\xc3\xa4";

std::string Mutate(std::string s) {
    for (unsigned edits = 1 + Below(4); edits > 0; --edits) {
        const unsigned at = s.empty() ? 0 : Below(static_cast<unsigned>(s.size()) + 1);
        switch (Below(4)) {
        case 0:
            s.insert(at, 1, Alphabet[Below(sizeof Alphabet - 1)]);
            break;
        case 1:
            if (at < s.size())
                s.erase(at, 1);
            break;
        case 2:
            s.insert(at, Seeds[Below(std::size(Seeds))]);
            break;
        default:
            if (at < s.size())
                s[at] = Alphabet[Below(sizeof Alphabet - 1)];
            break;
        }
    }
    return s;
}

} // namespace

int main(int argc, char** argv) {
    const long iterations = argc > 1 ? std::atol(argv[1]) : 2000000;
    state = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    for (const char* seed : Seeds)
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(seed),
                               std::string(seed).size());
    for (long i = 0; i < iterations; ++i) {
        const std::string text = Mutate(Seeds[Below(std::size(Seeds))]);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    }
    std::printf("number fuzz: %ld random texts, no fault\n", iterations);
    return 0;
}
