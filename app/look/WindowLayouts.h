#pragma once

#include "app/look/BoardLayouts.h"
#include "app/look/Twips.h"

#include <array>
#include <optional>

namespace pintu {

// The menu of one layout set.
struct MenuLayout {
    LayoutSet set;
    TwipSize client;
    std::optional<TwipRect> placement; // where the client area goes on the screen; none: where the system puts it
    TwipRect pinTitle;                 // "拼"
    TwipRect tuTitle;                  // "图"
    TwipRect pictureCaption;           // "选择图片："
    TwipRect drives;
    TwipRect folders;
    TwipRect pictures;
    TwipRect difficultyCaption;        // "难度选择："
    std::array<TwipRect, 4> difficulties;
    TwipRect ok;                       // "确定"
    TwipRect exit;                     // "退出"
    TwipRect hallOfFame;               // "光荣榜"
    TwipRect edition;                  // edition and date
    TwipRect credit;
    TwipRect thanks;
};

// The names the menu's form gave its controls, kept as the widgets' object names.
struct MenuControlNames {
    static constexpr const char* pinTitle = "Label1";
    static constexpr const char* tuTitle = "Label2";
    static constexpr const char* pictureCaption = "Label4";
    static constexpr const char* drives = "Drive1";
    static constexpr const char* folders = "Dir1";
    static constexpr const char* pictures = "File1";
    static constexpr const char* difficultyCaption = "Label7";
    static constexpr const char* difficulty = "Option1_%1";
    static constexpr const char* ok = "Command1";
    static constexpr const char* exit = "Command2";
    static constexpr const char* hallOfFame = "Command3";
    static constexpr const char* edition = "Label6";
    static constexpr const char* credit = "Label5";
    static constexpr const char* thanks = "Label3";
};

const MenuLayout& menuLayout(LayoutSet set);

// The resolution choice, shared by both sets.
struct ResolutionLayout {
    TwipSize client;
    TwipRect placement;
    std::array<TwipRect, 2> choices; // "640*480", "800*600"
    TwipRect start;
};

inline constexpr ResolutionLayout resolutionLayout{
    .client = {2220, 1485},
    .placement = {4995, 3810, 2220, 1485},
    .choices = {{{600, 120, 1095, 255}, {600, 600, 1095, 255}}},
    .start = {480, 1080, 1215, 375},
};

struct ResolutionControlNames {
    static constexpr const char* choice = "Option1_%1";
    static constexpr const char* start = "Command1";
};

// The hall-of-fame viewer, shared by both sets.
struct HallOfFameLayout {
    TwipSize client;
    TwipRect records;
    TwipRect exit;
};

inline constexpr HallOfFameLayout hallOfFameLayout{
    .client = {7050, 4755},
    .records = {120, 0, 6855, 3855},
    .exit = {2880, 4080, 1215, 495},
};

struct HallOfFameControlNames {
    static constexpr const char* records = "Text1";
    static constexpr const char* exit = "Command1";
};

} // namespace pintu
