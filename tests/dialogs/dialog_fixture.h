// A small database for the dialog models: satellites Astra (7) with 10700, 11720 and 12500 MHz, Hotbird
// (9) with 10992 MHz, and Thor (11) with none; providers ARD, ZDF and a name with a character-table byte;
// two TV and two radio programs; two favourite lists in use. The CRC is refreshed, so an image the
// dialogs left alone compares equal byte for byte. ModelFixture adds a dialog's model and the checks of
// its OK.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/dialog_field.h"
#include "tests/support/database_fixture.h"
#include "tests/support/image_factory.h"

namespace vizud::test {

using Texts = std::vector<std::string>;

class DialogFixture : public ::testing::Test, public DatabaseFixture {
protected:
    void SetUp() override {
        build.satellite(7, "Astra");
        build.satellite(9, "Hotbird", 130);
        build.satellite(11, "Thor", 8);
        build.transponder(7, 10700);
        build.transponder(7, 11720, 1);
        build.transponder(7, 12500);
        build.transponder(9, 10992);
        for (const char* name : {"ARD", "ZDF", "\x05News"})
            build.provider(name);
        build.program("Das Erste", 0, 0, true, 28106);
        build.program("\x05News", 3, 2, true, 17);
        build.program("Bayern 3", 1, 1, false);
        build.program("Radio X", 2, 0, false);
        build.favourites(0, {0}, {2});
        build.favourites(3, {1}, {});
        for (int l = 0; l < kFavouriteLists; ++l)
            setName(image().favourites[l].favName, "Fav_" + std::to_string(l + 1));
        db.updateChecksum();
        remember();
    }

    // Takes the image as it is now as the one later checks compare with.
    void remember() { std::memcpy(before.get(), &image(), sizeof(all_tables_block)); }
    bool unchanged() const { return std::memcmp(before.get(), &state->image, sizeof(all_tables_block)) == 0; }

    std::unique_ptr<all_tables_block> before = std::make_unique<all_tables_block>();
};

template <typename Model>
class ModelFixture : public DialogFixture {
protected:
    // Prepares and opens the dialog; its fields.
    template <typename... Args>
    auto& start(Args... args) {
        EXPECT_EQ(model.prepare(args...), 0);
        model.open();
        return model.fields;
    }
    // The image taken last and no messages: the next case starts afresh.
    void reset() {
        std::memcpy(&image(), before.get(), sizeof(all_tables_block));
        messages.clear();
    }
    // OK refuses with `message` on `field` and writes nothing, or, with no message, is taken.
    void expectOk(const std::string& message, DialogField field = DialogField::None) {
        EXPECT_EQ(model.ok(), message.empty());
        EXPECT_EQ(model.refusedField(), field);
        EXPECT_EQ(messages.texts(), message.empty() ? Texts{} : Texts{message});
        if (!message.empty()) {
            EXPECT_TRUE(unchanged());
        }
    }
    Model model{db, messages};
};

}  // namespace vizud::test
