// The series menu: the episode pictures' fixed hover rectangles, the choice under a held button,
// EXIT and the scrolling backdrop.
#include "screens/series_menu.h"

#include "screen_passes.h"

namespace {

using screen_testing::point;
using screen_testing::ScreenPasses;

using SeriesMenuPasses = ScreenPasses;

TEST_F(SeriesMenuPasses, EpisodePicturesAreHoveredInsideFixedRectanglesOnly) {
    const struct {
        int x, y;
        int choice;
    } cases[] = {
        {80, 390, 0},  {81, 390, 1},  {239, 390, 1}, {240, 390, 0}, {160, 330, 0}, {160, 331, 1},
        {160, 449, 1}, {160, 450, 0}, {400, 390, 0}, {401, 390, 2}, {559, 390, 2}, {560, 390, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << ", " << c.y);
        SeriesMenu menu;
        point(c.x, c.y, true);
        pass(menu);  // ready from the start: a click on the first, black frame counts
        EXPECT_EQ(menu.fade().choice(), c.choice);
        EXPECT_EQ(menu.fade().fading_out(), c.choice != 0);
    }
}

TEST_F(SeriesMenuPasses, AHeldButtonDraggedOntoKv2ChoosesItButExitKeepsTheEpisode) {
    const struct {
        const char* path;
        int second_x, second_y;
        NextScreen next;
    } cases[] = {
        {"KV1, then KV2", 450, 390, {Screen::instructions, {2}}},
        {"KV1, then EXIT", 305, 305, {Screen::instructions, {1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        SeriesMenu menu;
        point(150, 390, true);
        for (int s = 0; s < 5; ++s) pass(menu);
        point(c.second_x, c.second_y, true);
        passes_to_end(menu);
        const NextScreen next = menu.leave();
        EXPECT_EQ(next.screen, c.next.screen);
        EXPECT_EQ(next.args[0], c.next.args[0]);
    }
}

TEST_F(SeriesMenuPasses, ExitAloneEndsTheProgramAfterPictureAndTuneHaveFaded) {
    SeriesMenu menu;
    for (int s = 0; s < 40; ++s) pass(menu);
    point(305, 305, false);
    {
        screen_testing::TextLog log;
        pass(menu);
        EXPECT_TRUE(log.drew("font8", 295, 300, "EXIT"));  // lit
    }
    save("series_menu_exit_hovered.png");
    EXPECT_TRUE(screen_testing::whitish(getpixel(page(), 292, 297)));  // the outline's corner
    point(305, 305, true);
    EXPECT_EQ(passes_to_end(menu), 17);  // the click's pass, then 16 steps
    EXPECT_EQ(menu.leave().screen, Screen::none);
}

TEST_F(SeriesMenuPasses, TheBackdropCopiesStay640ApartAcrossTheWrap) {
    SeriesMenu menu;
    for (int s = 0; s < 1300; ++s) {
        menu.step();
        const int a = menu.backdrop_x(0), b = menu.backdrop_x(1);
        ASSERT_EQ(std::abs(a - b), 640) << s;
        ASSERT_GE(std::min(a, b), -639) << s;
    }
}

}  // namespace
