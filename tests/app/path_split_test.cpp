#include <gtest/gtest.h>

#include "app/path_split.h"

namespace vizud {
namespace {

void expectSplit(const std::string& path, const std::string& ext, const std::string& file, const std::string& title) {
    const PathParts parts = splitPath(path);
    EXPECT_EQ(parts.extension, ext) << path;
    EXPECT_EQ(parts.fileName, file) << path;
    EXPECT_EQ(parts.title, title) << path;
}

TEST(PathSplit, OddPathsSplitAtTheLastDot) {
    expectSplit("C:\\lists\\my.list.si", "si", "my.list.si", "my");
    expectSplit("C:\\lists\\channels", "", "C:\\lists\\channels", "C:\\lists\\channels");
    expectSplit("C:\\my.lists\\channels", "lists\\channels", "my.lists\\channels", "my");
    expectSplit("/home/me/sat/Astra 19.2E.si", "si", "Astra 19.2E.si", "Astra 19");
    expectSplit("/home/me.d/channels", "d/channels", "me.d/channels", "me");
    expectSplit("plain.si", "si", "plain.si", "plain");
    expectSplit(".si", "si", ".si", "");
    expectSplit("", "", "", "");
    expectSplit("dir/trailing.", "", "trailing.", "trailing");
}

}  // namespace
}  // namespace vizud
