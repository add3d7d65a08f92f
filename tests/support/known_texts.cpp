// Linked into every core test program: a message or question that the German catalogue cannot
// translate fails the test that showed it, so no text reaches a user untranslated.
#include <gtest/gtest.h>

#include "tests/support/recording_messages.h"

namespace {

[[maybe_unused]] const bool installed = [] {
    vizud::test::unknownTextShown = [](const std::string& text) {
        ADD_FAILURE() << "a text outside the catalogue of app/user_texts.cpp: \"" << text << '"';
    };
    return true;
}();

}  // namespace
