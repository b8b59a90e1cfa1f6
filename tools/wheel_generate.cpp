// Makes the wheel files of the catalogue: for every design a greedy start, then simulated
// annealing for smaller ones until the lower bound or the smallest known size is reached or the
// time for the design is up. A file already in the folder that passes the check is the design to
// beat, so a run can be stopped and started again; a file is only written, under a temporary
// name and renamed, when a smaller design has passed the exhaustive check.
//
//   pickora_wheel_generate [--seconds S] [--seed N] [--only 选六型10码中6保5.txt] FOLDER
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
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

bool writeFile(const fs::path& path, const std::string& text)
{
    const fs::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush())
            return false;
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    return !error;
}

double cpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

} // namespace

int main(int argc, char** argv)
{
    double seconds = 3.0;
    std::uint64_t seed = 1;
    std::string only;
    fs::path folder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seconds" && i + 1 < argc)
            seconds = std::atof(argv[++i]);
        else if (arg == "--seed" && i + 1 < argc)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--only" && i + 1 < argc)
            only = argv[++i];
        else
            folder = arg;
    }
    if (folder.empty()) {
        std::fprintf(stderr, "usage: pickora_wheel_generate [--seconds S] [--seed N] [--only NAME] FOLDER\n");
        return 2;
    }
    fs::create_directories(folder);

    const double started = cpuSeconds();
    int written = 0, atTarget = 0, failed = 0;
    for (const WheelParams& p : wheelCatalogue()) {
        const std::string name = wheelFileName(p);
        if (!only.empty() && name != only)
            continue;
        const fs::path file = folder / fs::path(name);
        std::vector<WheelBet> known;
        if (fs::exists(file)) {
            ParsedWheel parsed = parseWheelFile(readFile(file), p);
            if (parsed.error.empty() && verifyWheel(p, parsed.bets).ok)
                known = std::move(parsed.bets);
            else
                std::printf("%s: the file in the folder fails the check and is replaced\n", name.c_str());
        }
        const int bound = wheelLowerBound(p);
        const std::optional<KnownSize> reference = knownSize(p);
        const int target = reference ? std::max(bound, reference->size) : bound;
        if (!known.empty() && static_cast<int>(known.size()) <= target) {
            ++atTarget;
            continue;
        }
        // No smaller design exists: an exhaustive search shows it for the small ones.
        if (!known.empty() && provenLowerBound(p, static_cast<int>(known.size()), kProofSteps)
                                  >= static_cast<int>(known.size())) {
            ++atTarget;
            continue;
        }
        const double before = cpuSeconds();
        const std::uint64_t designSeed = seed * 0x9E3779B97F4A7C15ULL ^ std::hash<std::string>{}(name);
        const SearchResult result = searchWheel(p, known, target, seconds, designSeed);
        const double spent = cpuSeconds() - before;
        const WheelCheck check = verifyWheel(p, result.best);
        if (!check.ok) {
            ++failed;
            std::printf("%s: the search gave a design that fails the check: %s\n", name.c_str(),
                        check.problem.c_str());
            continue;
        }
        if (known.empty() || result.best.size() < known.size()) {
            if (!writeFile(file, wheelFileText(result.best))) {
                ++failed;
                std::printf("%s: cannot write the file\n", name.c_str());
                continue;
            }
            ++written;
        }
        const int size = static_cast<int>(result.best.size());
        if (size <= target || provenLowerBound(p, size, kProofSteps) >= size)
            ++atTarget;
        std::printf("%s greedy %d size %zu bound %d%s %.1f s\n", name.c_str(), result.greedySize,
                    result.best.size(), bound,
                    reference ? (" known " + std::to_string(reference->size)).c_str() : "", spent);
        std::fflush(stdout);
    }
    std::printf("written %d, at the bound or the known size %d, failed %d, CPU %.1f s\n", written,
                atTarget, failed, cpuSeconds() - started);
    return failed == 0 ? 0 : 1;
}
