// The fuzzing corpus as a plain test: every committed input, and inputs derived from them
// by the kind of damage a broken table shows (cut short, a field overwritten, random
// bytes), go through the reader in every ordinary run.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "CountdRequestFuzz.h"
#include "IfTableFuzz.h"
#include "LinkMessageFuzz.h"
#include "netstats/IfTableReader.h"

namespace bytelora::fuzz {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::vector<Bytes> Corpus(const char* folder = BYTELORA_FUZZ_CORPUS) {
    std::vector<Bytes> inputs;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return inputs;
}

void Replay(const Bytes& input) {
    RunIfTableInput(input.data(), input.size());
}

TEST(FuzzCorpus, HoldsAHandfulOfCraftedTables) {
    const auto corpus = Corpus();
    EXPECT_GE(corpus.size(), 6u);
    // At least one input reads whole rows, so the replay exercises the row parser.
    bool withRows = false;
    for (const Bytes& input : corpus) {
        withRows = withRows || input.size() >= 10 + kIfTableHeaderSize + kIfRowSize;
    }
    EXPECT_TRUE(withRows);
}

TEST(FuzzCorpus, EveryInputKeepsTheReadersPromises) {
    for (const Bytes& input : Corpus()) Replay(input);
}

TEST(FuzzCorpus, DamagedInputsKeepTheReadersPromises) {
    std::mt19937 random(20260807);
    const auto corpus = Corpus();
    for (const Bytes& original : corpus) {
        // Cut short at every length around the header and the row boundaries.
        for (std::size_t length = 0; length <= original.size(); ++length) {
            const std::size_t inRow = length < 14 ? 0 : (length - 14) % kIfRowSize;
            if (length < 32 || inRow < 8 || inRow > kIfRowSize - 8) {
                Replay(Bytes(original.begin(), original.begin() + static_cast<long>(length)));
            }
        }
        // Random words written over random places, sizes and counts included.
        for (int round = 0; round < 300; ++round) {
            Bytes damaged = original;
            if (damaged.empty()) damaged.resize(16);
            const int writes = 1 + static_cast<int>(random() % 8);
            for (int w = 0; w < writes; ++w) {
                const std::size_t at = random() % damaged.size();
                const auto value = static_cast<std::uint32_t>(random());
                for (std::size_t k = 0; k < 4 && at + k < damaged.size(); ++k) {
                    damaged[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
                }
            }
            Replay(damaged);
        }
    }
}

// Every input of the folder cut short at every length, and `rounds` copies of each with
// one or two bytes overwritten, through `run`.
void ReplayCutShortAndDamaged(const char* folder, std::uint32_t seed, int rounds,
                              void (*run)(const std::uint8_t*, std::size_t)) {
    std::mt19937 random(seed);
    const auto corpus = Corpus(folder);
    EXPECT_GE(corpus.size(), 5u);
    for (const Bytes& original : corpus) {
        for (std::size_t length = 0; length <= original.size(); ++length) {
            run(original.data(), length);
        }
        for (int round = 0; round < rounds; ++round) {
            Bytes damaged = original;
            const std::size_t at = random() % damaged.size();
            damaged[at] = static_cast<std::uint8_t>(random());
            if (random() % 2 == 0 && at + 1 < damaged.size()) {
                damaged[at + 1] = static_cast<std::uint8_t>(random());
            }
            run(damaged.data(), damaged.size());
        }
    }
}

TEST(FuzzCorpus, LinkMessagesCutShortOrDamagedKeepTheParsersPromises) {
    ReplayCutShortAndDamaged(BYTELORA_FUZZ_LINK_CORPUS, 1843, 500, RunLinkMessageInput);
}

TEST(FuzzCorpus, CounterRequestsAndRepliesCutShortOrDamagedKeepThePromises) {
    ReplayCutShortAndDamaged(BYTELORA_FUZZ_COUNTD_CORPUS, 2212, 300, RunCountdInput);
}

}  // namespace
}  // namespace bytelora::fuzz
