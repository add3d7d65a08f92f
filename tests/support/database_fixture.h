// A database over its own editor state, with recorded messages: the starting point of most core tests.
#pragma once

#include <memory>

#include "database/channel_database.h"
#include "tests/support/image_builder.h"
#include "tests/support/recording_messages.h"

namespace vizud::test {

struct DatabaseFixture {
    std::unique_ptr<EditorState> state = std::make_unique<EditorState>();
    RecordingMessages messages;
    ChannelDatabase db{*state, messages};
    ImageBuilder build{state->image};

    all_tables_block& image() { return state->image; }
};

}  // namespace vizud::test
