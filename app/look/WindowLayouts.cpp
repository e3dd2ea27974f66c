#include "app/look/WindowLayouts.h"

namespace pintu {

namespace {

const MenuLayout menuA{
    .set = LayoutSet::A,
    .client = {9480, 6795},
    .placement = TwipRect{1170, 1725, 9480, 6795},
    .pinTitle = {2160, 1680, 1440, 1455},
    .tuTitle = {5760, 1680, 1440, 1455},
    .pictureCaption = {600, 240, 1425, 285},
    .drives = {600, 600, 2775, 300},
    .folders = {600, 1920, 2775, 3240},
    .pictures = {4080, 600, 3135, 4590},
    .difficultyCaption = {7560, 600, 1575, 315},
    .difficulties = {{{7800, 1560, 975, 285}, {7800, 2520, 975, 285}, {7800, 3480, 975, 285}, {7800, 4440, 975, 285}}},
    .ok = {3360, 5400, 1215, 735},
    .exit = {600, 5400, 1215, 735},
    .hallOfFame = {7800, 4920, 975, 495},
    .edition = {720, 6480, 2040, 240},
    .credit = {5040, 5760, 3645, 315},
    .thanks = {6000, 6360, 2655, 285},
};

const MenuLayout menuB{
    .set = LayoutSet::B,
    .client = {11880, 8595},
    .placement = std::nullopt,
    .pinTitle = {3240, 2280, 1440, 1455},
    .tuTitle = {7200, 2280, 1440, 1455},
    .pictureCaption = {600, 240, 1425, 285},
    .drives = {600, 600, 2775, 300},
    .folders = {600, 1920, 2775, 4920},
    .pictures = {4920, 600, 3855, 6210},
    .difficultyCaption = {9360, 600, 1575, 315},
    .difficulties = {{{9480, 1560, 975, 285}, {9480, 2640, 975, 285}, {9480, 3720, 975, 285}, {9480, 4800, 975, 285}}},
    .ok = {3360, 7200, 1215, 735},
    .exit = {600, 7200, 1215, 735},
    .hallOfFame = {9480, 6000, 975, 495},
    .edition = {600, 8160, 1080, 240},
    .credit = {7440, 7320, 3645, 315},
    .thanks = {8400, 7920, 2655, 285},
};

} // namespace

const MenuLayout& menuLayout(LayoutSet set)
{
    return set == LayoutSet::A ? menuA : menuB;
}

} // namespace pintu
