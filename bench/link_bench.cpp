// Whole transfers with the box simulator over a pseudo-terminal, at the real line timing (including the
// 5 ms pause before each block the host sends): a full database download and upload, and a 6 MiB
// software upgrade (transfer type 3, 1536 blocks).
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <random>

#include "tests/link/box_on_pty.h"
#include "tests/support/image_factory.h"
#include "tests/support/temp_dir.h"

namespace vizud {
namespace {

std::vector<std::uint8_t> fullDatabase() {
    auto image = test::makeImage(1, test::fullShape());
    const auto* p = reinterpret_cast<const std::uint8_t*>(image.get());
    return std::vector<std::uint8_t>(p, p + sizeof(all_tables_block));
}

void runTransfers(benchmark::State& st, TransferMode mode, const std::string& dlp = {}) {
    test::BoxOnPty box({}, fullDatabase());
    auto image = test::makeImage(2, test::fullShape());
    link::TransferSession session(*image);
    link::TransferRequest request = test::hostRequest(box.path(), mode, true);
    request.dlpPath = dlp;
    for (auto _ : st) {
        const test::HostRun run = test::runHost(session, request);
        if (run.outcome.end != link::DialogEnd::Ok) {
            st.SkipWithError("transfer failed");
            break;
        }
    }
}

void BM_DownloadFullDatabase(benchmark::State& st) {
    runTransfers(st, TransferMode::Download);
}
BENCHMARK(BM_DownloadFullDatabase)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_UploadFullDatabase(benchmark::State& st) {
    runTransfers(st, TransferMode::Upload);
}
BENCHMARK(BM_UploadFullDatabase)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_UpgradeSixMebibytes(benchmark::State& st) {
    test::TempDir dir;
    const std::string path = dir.file("soft.dlp");
    std::vector<std::uint8_t> file(64 + 0x600000);
    std::mt19937 rng(5);
    for (auto& b : file)
        b = static_cast<std::uint8_t>(rng());
    const link::DeviceRecord host = link::builtInHostRecord();
    std::memcpy(file.data(), &host, 24);
    test::writeFile(path, file.data(), file.size());
    runTransfers(st, TransferMode::Upgrade, path);
}
BENCHMARK(BM_UpgradeSixMebibytes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace
}  // namespace vizud

BENCHMARK_MAIN();
