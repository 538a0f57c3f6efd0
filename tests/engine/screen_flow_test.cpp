#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/screen_flow.h"

namespace {

constexpr Screen counting_screen = static_cast<Screen>(1);
constexpr Screen recording_screen = static_cast<Screen>(2);
constexpr Screen unlisted_screen = static_cast<Screen>(3);

int visits = 0;
std::uintptr_t first_depth = 0, deepest = 0;
ScreenArgs received{};

// Leads to itself with its count lowered until the count runs out, noting how deep it runs.
NextScreen count_down(const ScreenArgs& args) {
    ++visits;
    int here = 0;
    const auto depth = reinterpret_cast<std::uintptr_t>(&here);
    if (first_depth == 0) first_depth = deepest = depth;
    if (depth < deepest) deepest = depth;
    if (args[0] == 0) return {};
    return {counting_screen, {args[0] - 1}};
}

NextScreen record_args(const ScreenArgs& args) {
    ++visits;
    received = args;
    return {unlisted_screen, {}};
}

const std::vector<ScreenRow> test_screens{{counting_screen, count_down}, {recording_screen, record_args}};

TEST(ScreenFlow, AMillionScreensInARowRunWithoutTheStackGrowing) {
    visits = 0;
    run_screens({counting_screen, {999'999}}, test_screens);
    EXPECT_EQ(visits, 1'000'000);
    EXPECT_EQ(deepest, first_depth);
}

TEST(ScreenFlow, HandsOnAllSixArgumentsAndEndsAtNoneOrAScreenWithoutARow) {
    const struct {
        NextScreen first;
        int visits;
    } cases[] = {
        {{}, 0},                                         // none runs nothing
        {{counting_screen, {0}}, 1},                     // leads to none
        {{recording_screen, {1, -2, 3, 4, 5, 600}}, 1},  // leads to a screen the table lacks
    };
    for (const auto& c : cases) {
        visits = 0;
        run_screens(c.first, test_screens);
        EXPECT_EQ(visits, c.visits);
    }
    EXPECT_EQ(received, (ScreenArgs{1, -2, 3, 4, 5, 600}));
}

}  // namespace
