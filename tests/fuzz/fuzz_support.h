// What the fuzz targets share: the editor, consistent starting images, and changes to an
// image chosen by the fuzzer's bytes.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "database/channel_database.h"
#include "tests/support/database_fixture.h"

namespace vizud::fuzz {

// Ends the run with a finding when a promise of the code under test does not hold.
inline void require(bool holds) {
    if (!holds)
        std::abort();
}

// The editor's state and database as a fuzz target keeps them from input to input (no program dump is
// written); each call forgets the messages of the last input.
test::DatabaseFixture& editor();

// A consistent image of a few hundred programs over a dozen satellites (made once; each call copies it).
// `variant` picks one of a few such images.
void startingImage(all_tables_block& img, unsigned variant);

// Up to `maxChanges` changes chosen by `in`: a count, a field, a name, a list's count or entry, the CRC or
// any byte; small steps are likelier than wild ones, so most changed images still load.
void applyChanges(FuzzedDataProvider& in, all_tables_block& img, int maxChanges);

// Takes the image already in the editor's state as the editor opens a file (false when a count exceeds its
// table), sweeping unused providers.
bool openInPlace(ChannelDatabase& db);

}  // namespace vizud::fuzz
