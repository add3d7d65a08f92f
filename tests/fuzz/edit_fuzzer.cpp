// The random edit run (edit_run.h) with its choices taken from the fuzzer's bytes, on a consistent image;
// a broken rule stops the fuzzer with the step that broke it.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "tests/database/edit_run.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

class FuzzedChoices : public vizud::test::Choices {
public:
    int uniform(int lo, int hi) override { return in->ConsumeIntegralInRange(lo, hi); }
    std::uint32_t bits() override { return in->ConsumeIntegral<std::uint32_t>(); }
    FuzzedDataProvider* in = nullptr;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    static FuzzedChoices choices;
    static unsigned variant = 0;
    static const auto run = [] {
        auto made = std::make_unique<vizud::test::EditRun>(
            choices, "fuzz input", [](all_tables_block& img) { vizud::fuzz::startingImage(img, variant); });
        made->reuseState();
        return made;
    }();
    choices.in = &in;
    variant = in.ConsumeIntegral<std::uint8_t>();
    // One step per few bytes of input, so a longer input is a longer session.
    const int steps = static_cast<int>(std::min<std::size_t>(size / 3 + 1, 200));
    const std::string failure = run->steps(steps, steps + 1);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
