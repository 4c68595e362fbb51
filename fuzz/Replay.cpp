// Runs a fuzz target's entry point without the fuzzer, so that every build compiles the targets
// and the test suite replays them (with the sanitizers in the sanitizer build).
//
//   replay_<target> [--lead=N] [file ...]
//
// Each file is fed whole, cut at a spread of lengths, and with single bytes changed by a fixed
// pseudo-random sequence; --lead=N puts the byte N in front of every input (the update target
// reads its mode from the first byte). Without files, the empty input and a fixed set of random
// inputs are fed. A fault shows as a crash or a sanitizer report; the exit code is 0 otherwise.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using TBytes = std::vector<std::uint8_t>;

constexpr int kCuts = 48;
constexpr int kMutations = 160;
constexpr int kRandomInputs = 64;

void Feed(const std::optional<std::uint8_t>& lead, const std::uint8_t* data, std::size_t size)
{
    TBytes input;
    input.reserve(size + 1);
    if (lead)
        input.push_back(*lead);
    input.insert(input.end(), data, data + size);
    LLVMFuzzerTestOneInput(input.data(), input.size());
}

void Replay(const std::optional<std::uint8_t>& lead, const TBytes& seed, std::mt19937& random)
{
    Feed(lead, seed.data(), seed.size());
    // The first bytes one at a time (headers), then cuts spread over the whole file.
    for (std::size_t n = 0; n < seed.size() && n < 16; ++n)
        Feed(lead, seed.data(), n);
    for (int k = 1; k < kCuts && !seed.empty(); ++k)
        Feed(lead, seed.data(), seed.size() * static_cast<std::size_t>(k) / kCuts);
    if (seed.empty())
        return;
    std::uniform_int_distribution<std::size_t> where(0, seed.size() - 1);
    std::uniform_int_distribution<int> value(0, 255);
    TBytes changed = seed;
    for (int k = 0; k < kMutations; ++k) {
        const std::size_t at = where(random);
        const std::uint8_t was = changed[at];
        changed[at] = static_cast<std::uint8_t>(value(random));
        Feed(lead, changed.data(), changed.size());
        changed[at] = was;
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::optional<std::uint8_t> lead;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("--lead="))
            lead = static_cast<std::uint8_t>(std::stoi(arg.substr(7)));
        else
            files.push_back(arg);
    }
    std::mt19937 random(20261210u);
    for (const std::string& name : files) {
        std::ifstream in(name, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "Cannot open file %s\n", name.c_str());
            return 2;
        }
        const TBytes seed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        Replay(lead, seed, random);
        std::printf("%s: %zu bytes replayed\n", name.c_str(), seed.size());
    }
    if (files.empty()) {
        Feed(lead, nullptr, 0);
        std::uniform_int_distribution<std::size_t> length(1, 4096);
        std::uniform_int_distribution<int> value(0, 255);
        for (int k = 0; k < kRandomInputs; ++k) {
            TBytes input(length(random));
            for (auto& b : input)
                b = static_cast<std::uint8_t>(value(random));
            Feed(lead, input.data(), input.size());
        }
        std::printf("%d random inputs replayed\n", kRandomInputs);
    }
    return 0;
}
