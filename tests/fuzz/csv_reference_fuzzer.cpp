// A spreadsheet list from any bytes: the reader refuses it (with no rows) or reads it, and applied with the
// options the first byte picks to a consistent image it either refuses with the image untouched or leaves
// the image consistent: every row matched a program or is counted as matching nothing, deletions leave
// exactly the matched programs, and the check finds nothing it did not find before. Input without a header
// naming service_id gets the export's header, so the rows themselves are what is explored.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "database/image_access.h"
#include "listtools/apply_order.h"
#include "listtools/csv_export.h"
#include "listtools/csv_reference.h"
#include "listtools/database_check.h"
#include "tests/fuzz/fuzz_support.h"

using namespace vizud;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t choice = data[0];
    std::string csv(reinterpret_cast<const char*>(data + 1), size - 1);
    if (csv.find("service_id") == std::string::npos)
        csv = std::string(kCsvHeader) + "\r\n" + csv;
    const CsvReference reference = readCsvReference(csv);
    fuzz::require(reference.error.empty() || reference.rows.empty());
    if (!reference.error.empty())
        return 0;

    test::DatabaseFixture& fx = fuzz::editor();
    all_tables_block& img = fx.image();
    fuzz::startingImage(img, choice >> 6);
    if (!fuzz::openInPlace(fx.db))
        return 0;
    fx.db.updateChecksum();
    const std::size_t findings = checkImage(img).size();
    static const auto before = std::make_unique<all_tables_block>();
    std::memcpy(before.get(), &img, kImageSize);
    const CsvApplyOptions options{(choice & 1) != 0, (choice & 2) != 0, (choice & 4) != 0, (choice & 8) != 0};
    const CsvOrderResult result = applyOrderFromCsv(fx.db, reference, options);
    if (!result.error.empty()) {
        fuzz::require(std::memcmp(before.get(), &img, kImageSize) == 0);
        return 0;
    }
    const int matched = result.match.tvMatched + result.match.radioMatched;
    fuzz::require(static_cast<std::size_t>(matched) + result.unmatchedLines.size() == reference.rows.size());
    fuzz::require(!options.deleteMissing || programCount(img) == matched);
    fx.db.updateChecksum();
    fuzz::require(checkImage(img).size() <= findings);
    return 0;
}
