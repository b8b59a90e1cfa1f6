// Checks wheel files exhaustively: every r-subset of the b base positions must meet some bet in
// at least g positions. The design is read from the file name (选六型10码中6保5.txt).
//
//   pickora_wheel_verify FILE...               checks the files, prints each size
//   pickora_wheel_verify --catalogue FOLDER    checks that the folder holds exactly the catalogue
//   pickora_wheel_verify --table FOLDER        the same, then prints the size table of docs/wheels.md
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "wheel_reference.h"
#include "wheel_search.h"

using namespace pickora;
using namespace pickora::wheels;
namespace fs = std::filesystem;

namespace {

// Steps of the exhaustive search for a design one bet smaller, per design.
constexpr std::uint64_t kProofSteps = 3'000'000;

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The bets of a file when they keep its promise; otherwise prints why and gives nothing.
std::optional<std::vector<WheelBet>> checkFile(const fs::path& file)
{
    const std::string name = file.filename().string();
    const std::optional<WheelParams> p = parseWheelFileName(name);
    if (!p) {
        std::printf("%s: not a wheel file name\n", name.c_str());
        return std::nullopt;
    }
    if (!fs::exists(file)) {
        std::printf("%s: missing\n", name.c_str());
        return std::nullopt;
    }
    const ParsedWheel parsed = parseWheelFile(readFile(file), *p);
    if (!parsed.error.empty()) {
        std::printf("%s: %s\n", name.c_str(), parsed.error.c_str());
        return std::nullopt;
    }
    const WheelCheck check = verifyWheel(*p, parsed.bets);
    if (!check.ok) {
        std::printf("%s: %s\n", name.c_str(), check.problem.c_str());
        return std::nullopt;
    }
    return parsed.bets;
}

std::string design(const WheelParams& p)
{
    char text[40];
    if (p.drawn == p.guaranteed)
        std::snprintf(text, sizeof text, "C(%d,%d,%d)", p.base, p.pick, p.guaranteed);
    else
        std::snprintf(text, sizeof text, "L(%d,%d,%d,%d)", p.base, p.pick, p.drawn, p.guaranteed);
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: pickora_wheel_verify FILE... | --catalogue FOLDER | --table FOLDER\n");
        return 2;
    }
    const std::string mode = argv[1];
    if (mode != "--catalogue" && mode != "--table") {
        int bad = 0;
        for (int i = 1; i < argc; ++i)
            if (const auto bets = checkFile(fs::path(argv[i])))
                std::printf("%s: kept, %zu bets\n", argv[i], bets->size());
            else
                ++bad;
        return bad == 0 ? 0 : 1;
    }
    if (argc != 3) {
        std::fprintf(stderr, "%s needs the folder\n", mode.c_str());
        return 2;
    }
    const fs::path folder = fs::path(argv[2]);
    std::set<std::string> expected;
    int bad = 0;
    int atBound = 0, atKnown = 0, open = 0, behind = 0, byProof = 0;
    std::size_t bets = 0;
    std::string table;
    int section = 0;
    for (const WheelParams& p : wheelCatalogue()) {
        const std::string name = wheelFileName(p);
        expected.insert(name);
        const auto found = checkFile(folder / fs::path(name));
        if (!found) {
            ++bad;
            continue;
        }
        bets += found->size();
        const int size = static_cast<int>(found->size());
        const int counting = countingBound(p);
        const int bound = wheelLowerBound(p);
        const int proven = provenLowerBound(p, size, kProofSteps);
        const std::optional<KnownSize> known = knownSize(p);
        std::string note;
        if (size <= bound) {
            note = "smallest (= lower bound)";
            ++atBound;
        } else if (size <= proven) {
            note = "smallest (exhaustive search: none of " + std::to_string(size - 1) + ")";
            ++atBound;
            ++byProof;
        } else if (known && size <= known->size) {
            note = known->exact ? "smallest (known exact value)" : "= smallest known";
            ++atKnown;
        } else if (known) {
            note = "**better known: " + std::to_string(known->size) + "**";
            ++behind;
        } else {
            note = "gap to the bound; no published size at hand";
            ++open;
        }
        if (p.pick != section) {
            section = p.pick;
            table += "\n### 选" + wheelNumeral(p.pick) + "型 (m = " + std::to_string(p.pick)
                     + ")\n\n| file | design | bets | counting bound | lower bound | known | note |\n"
                       "|---|---|---:|---:|---:|---:|---|\n";
        }
        table += "| " + name + " | " + design(p) + " | " + std::to_string(size) + " | "
                 + std::to_string(counting) + " | " + std::to_string(bound) + " | "
                 + (known ? std::to_string(known->size) : std::string("–")) + " | " + note + " |\n";
    }
    int extra = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!expected.count(name)) {
            std::printf("%s: not in the catalogue\n", name.c_str());
            ++extra;
        }
    }
    std::printf("%zu designs, %d failed, %d files not in the catalogue, %zu bets in all\n",
                expected.size(), bad, extra, bets);
    std::printf("at the lower bound %d (%d of them shown by exhaustive search), at the known smallest "
                "size %d, behind a known size %d, above the bound with no size at hand %d\n",
                atBound, byProof, atKnown, behind, open);
    if (mode == "--table")
        std::fputs(table.c_str(), stdout);
    return bad == 0 && extra == 0 ? 0 : 1;
}
