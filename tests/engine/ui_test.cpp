#include <allegro.h>
#include <gtest/gtest.h>

#include "engine/ui.h"

namespace {

TEST(GrabFrame, CutsFrameIOfTheSheetRowByRow) {
    BITMAP* sheet = create_bitmap(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) putpixel(sheet, x, y, y * 40 + x);
    // Frames of 6x5 from (2, 3), 3 to a row: frame 4 is the second of the second row, at (8, 8).
    BITMAP* frame = grab_frame(sheet, 6, 5, 2, 3, 3, 4);
    ASSERT_EQ(frame->w, 6);
    ASSERT_EQ(frame->h, 5);
    EXPECT_EQ(bitmap_color_depth(frame), 16);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) ASSERT_EQ(getpixel(frame, x, y), (8 + y) * 40 + 8 + x);
    destroy_bitmap(frame);
    destroy_bitmap(sheet);
}

class ImageButton : public testing::Test {
protected:
    void SetUp() override {
        picture = create_bitmap(20, 10);
        clear_to_color(picture, makecol(0, 0, 200));
        putpixel(picture, 0, 0, bitmap_mask_color(picture));
        button_pictures[2] = picture;
        dest = create_bitmap(100, 100);
        clear_to_color(dest, makecol(0, 100, 0));
    }
    void TearDown() override {
        button_pictures[2] = nullptr;
        destroy_bitmap(picture);
        destroy_bitmap(dest);
        mouse_x = mouse_y = mouse_b = 0;
    }
    void point(int x, int y, int buttons) {
        mouse_x = x;
        mouse_y = y;
        mouse_b = buttons;
    }
    BITMAP* picture = nullptr;
    BITMAP* dest = nullptr;
};

TEST_F(ImageButton, IsPressedOnlyStrictlyInsideWithTheLeftButton) {
    const int x = 30, y = 40;  // the picture covers 30..49 x 40..49
    struct Case {
        int mx, my, buttons;
        bool pressed;
    };
    for (Case c : {Case{35, 45, 1, true}, Case{30, 45, 1, false}, Case{35, 40, 1, false}, Case{31, 41, 1, true},
                   Case{49, 49, 1, true}, Case{50, 45, 1, false}, Case{35, 50, 1, false}, Case{35, 45, 2, false},
                   Case{35, 45, 0, false}, Case{35, 45, 3, true}}) {
        point(c.mx, c.my, c.buttons);
        EXPECT_EQ(image_button(3, dest, x, y, 0), c.pressed) << c.mx << "," << c.my << " buttons " << c.buttons;
    }
}

TEST_F(ImageButton, DrawsMaskedOrLitWhite) {
    point(0, 0, 0);
    EXPECT_FALSE(image_button(3, dest, 10, 10, 1));
    EXPECT_EQ(getpixel(dest, 11, 11), makecol(0, 0, 200));
    EXPECT_EQ(getpixel(dest, 10, 10), makecol(0, 100, 0)) << "the mask pixel is skipped";

    point(15, 15, 1);
    EXPECT_TRUE(image_button(3, dest, 10, 10, 1));
    EXPECT_EQ(getpixel(dest, 11, 11), makecol(255, 255, 255));
    EXPECT_EQ(getpixel(dest, 10, 10), makecol(0, 100, 0));

    clear_to_color(dest, 0);
    EXPECT_TRUE(image_button(3, dest, 10, 10, 2));
    EXPECT_EQ(getpixel(dest, 11, 11), 0) << "draw other than 1 draws nothing";
}

TEST_F(ImageButton, UnknownTypesAreNeverPressedAndDrawNothing) {
    point(15, 15, 1);
    clear_to_color(dest, 0);
    EXPECT_FALSE(image_button(5, dest, 10, 10, 1));
    EXPECT_FALSE(image_button(0, dest, 10, 10, 1));
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_EQ(getpixel(dest, x, y), 0);
}

TEST(MouseDown, HeldWhileTheLeftOrRightButtonIsDown) {
    for (auto [buttons, held] : {std::pair{1, 1}, {2, 1}, {3, 1}, {4, 0}, {0, 0}}) {
        mouse_b = buttons;
        mouse_down();
        EXPECT_EQ(mouse_held, held) << buttons;
    }
    mouse_b = 0;
}

}  // namespace
