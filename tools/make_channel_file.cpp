// Writes a consistent channel file for trying the editor: `make_channel_file OUT.si [full|SEED]`.
// "full" (the default) gives a full-capacity database: 20000 programs, 200 satellites, 3000 transponders.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/image_factory.h"
#include "tests/support/temp_dir.h"

int main(int argc, char** argv) {
    constexpr const char* kUsage = "usage: make_channel_file OUT.si [full|SEED]\n";
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    // An option is never a file name: a mistyped one must not leave a file named after it.
    if (argc < 2 || argc > 3 || first.starts_with('-')) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string kind = argc == 3 ? argv[2] : "full";
    const bool full = kind == "full";
    const auto seed = full ? 2026u : static_cast<std::uint32_t>(std::strtoul(kind.c_str(), nullptr, 10));
    const auto image = vizud::test::makeImage(seed, full ? vizud::test::fullShape() : vizud::test::ImageShape{});
    if (!vizud::test::writeFile(argv[1], image.get(), vizud::kImageSize)) {
        std::fprintf(stderr, "make_channel_file: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
