// The KV1 ship: the earlier episode's brighter, simpler look. White hull, blue wings, red nose.
#include "art/catalogue.h"
#include "art/kit.h"

namespace datagen::art {

using namespace draw;

namespace {

const Colour kv1_shot = rgb(255, 230, 90);

void engine(Canvas& c, float x, float y) { flame(c, {x, y}, {0, 1}, 5, 4, kv1::orange); }

// Gun levels 1 and 2: nose gun at column 18, wing guns at 9.5 and 26.5.
Image small_ship() {
    Canvas c(36, 35);
    engine(c, 14, 29);
    engine(c, 22, 29);
    kv1_hull(c, polygon(mirrored({{18, 9}, {10, 18}, {4, 27}, {5, 30}, {14, 28}}, 18)), kv1::blue);
    for (float x : {9.5f, 26.5f}) kv1_hull(c, rect({x - 1.5f, 13}, {x + 1.5f, 24}, 1), kv1::hull * 0.7f);
    kv1_hull(c, polygon(mirrored({{18, 1}, {15, 8}, {14, 20}, {12, 31}, {15, 32}}, 18)), kv1::hull);
    kv1_hull(c, polygon(mirrored({{18, 1}, {16.5f, 5}, {16, 7}}, 18)), kv1::red);
    canopy(c, {18, 15}, 2, 4, kv1::blue);
    return c.to_image();
}

// Gun level 3: the same ship grown a pair of outer wings; guns at 12, 26 and 39.
Image big_ship() {
    Canvas c(52, 40);
    engine(c, 20, 33);
    engine(c, 32, 33);
    kv1_hull(c, polygon(mirrored({{26, 10}, {16, 18}, {3, 30}, {4, 35}, {20, 32}}, 26)), kv1::blue);
    kv1_hull(c, polygon(mirrored({{12, 20}, {5, 30}, {7, 34}, {15, 30}}, 26)), kv1::red);
    for (float x : {12.0f, 39.0f}) kv1_hull(c, rect({x - 1.5f, 14}, {x + 1.5f, 28}, 1), kv1::hull * 0.7f);
    kv1_hull(c, polygon(mirrored({{26, 1}, {23, 9}, {22, 22}, {19, 35}, {22, 36}}, 26)), kv1::hull);
    kv1_hull(c, polygon(mirrored({{26, 1}, {24.5f, 5}, {24, 7}}, 26)), kv1::red);
    canopy(c, {26, 16}, 2.2f, 4.5f, kv1::blue);
    return c.to_image();
}

}  // namespace

DatafileFile kv1_ship_datafile() {
    return {"kv1_adam_ship.dat", [] {
                return pictures({
                    {"SHOT_1", bolt(4, 10, kv1_shot, -1)},
                    {"SHOT_2", bolt(5, 10, kv1_shot, -1)},
                    {"SHOT_3", bolt(6, 12, rgb(120, 255, 255), -1)},
                    {"SHIP", small_ship()},
                    {"SHIP_3", big_ship()},
                });
            }};
}

}  // namespace datagen::art
