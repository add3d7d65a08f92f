// Transponders from any satellites.xml: the reader refuses or reads it (never a crash, a sanitizer
// finding or unbounded memory), and a plan applied to a consistent image leaves it consistent: every
// program keeps its transponder and the check finds nothing it did not find before.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "database/image_access.h"
#include "listtools/database_check.h"
#include "listtools/satellites_xml.h"
#include "tests/fuzz/fuzz_support.h"

using namespace vizud;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SatellitesXml file = readSatellitesXml(std::string_view(reinterpret_cast<const char*>(data), size));
    fuzz::require(file.error.empty() || file.satellites.empty());
    if (file.satellites.empty())
        return 0;
    test::DatabaseFixture& fx = fuzz::editor();
    all_tables_block& img = fx.image();
    fuzz::startingImage(img, size & 3);
    if (!fuzz::openInPlace(fx.db))
        return 0;
    fx.db.updateChecksum();
    const std::size_t findings = checkImage(img).size();
    std::vector<std::uint32_t> tuning;
    for (int p = 0; p < programCount(img); ++p) {
        const st_ts& tp = img.transponders[img.programs[p].tpIndex];
        tuning.push_back(std::uint32_t{tp.satId} << 24 | std::uint32_t{tp.polarization} << 16 | tp.frequency);
    }
    const TransponderPlan plan = planTransponderUpdate(img, file);
    const int before = transponderCount(img);
    if (applyTransponderPlan(fx.db, plan, nullptr) != 0) {
        fuzz::require(before + static_cast<int>(plan.additions.size()) > kMaxTransponders);
        return 0;
    }
    fuzz::require(transponderCount(img) == before + static_cast<int>(plan.additions.size()));
    for (int p = 0; p < programCount(img); ++p) {
        const st_ts& tp = img.transponders[img.programs[p].tpIndex];
        fuzz::require(tuning[static_cast<std::size_t>(p)] ==
                      (std::uint32_t{tp.satId} << 24 | std::uint32_t{tp.polarization} << 16 | tp.frequency));
    }
    fx.db.updateChecksum();
    fuzz::require(checkImage(img).size() == findings);
    return 0;
}
