// The window's element set, as it is when the window is created: one row per
// element, in creation order. Within each container the rows also give the
// stacking order, front-most first; a container's children follow it directly.
// Everything else (the model, the routing, the replay tool, the Qt window)
// reads this table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "window/element_types.hpp"

namespace ringcoil {

namespace fonts {
inline constexpr FontDef kWindow{.face = "MS Sans Serif", .points = 8.25};
inline constexpr FontDef kTitle{.face = "MS Sans Serif", .points = 18, .underline = true};
inline constexpr FontDef kHint{.face = "System", .points = 9.75};
inline constexpr FontDef kName{.face = "MS Sans Serif", .points = 13.5};
inline constexpr FontDef kValue{.face = "MS Sans Serif", .points = 13.5, .italic = true};
inline constexpr FontDef kSymbolItalic{
    .face = "Symbol", .points = 20.25, .italic = true, .charset = Charset::Symbol};
inline constexpr FontDef kSymbol{.face = "Symbol", .points = 20.25, .charset = Charset::Symbol};
inline constexpr FontDef kQuestion{.face = "Arial Black", .points = 12};
inline constexpr FontDef kDisplay{
    .face = "Times New Roman", .points = 20.25, .charset = Charset::Western};
inline constexpr FontDef kKey{.face = "MS Sans Serif", .points = 24, .italic = true};
inline constexpr FontDef kCommaKey{.face = "MS Serif", .points = 24, .italic = true};
inline constexpr FontDef kEnter{.face = "MS Sans Serif", .points = 13.5};
inline constexpr FontDef kCommand{.face = "MS Sans Serif", .points = 13.5, .italic = true};
}  // namespace fonts

namespace colors {
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kPink{255, 128, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kCyan{0, 255, 255};
inline constexpr Rgb kTableBlue{0, 0, 255};
inline constexpr Rgb kDividerBlue{0, 0, 192};
}  // namespace colors

// The window itself.
struct FormDef {
  std::string_view caption = "Штучка от KELVANO";
  int clientWidth = 7275;  // twips: 485 pixels
  int clientHeight = 4875;  // twips: 325 pixels
  FontDef font = fonts::kWindow;
  Pointer pointer = Pointer::Icon;
};
inline constexpr FormDef kForm{};

// The font an element is drawn in: its own, or the window's.
constexpr const FontDef& fontOf(const ElementDef& d) { return d.font ? *d.font : kForm.font; }

// clang-format off
inline constexpr std::array kElements = std::to_array<ElementDef>({
    // Help pages: page 1 and the frame of all pages, then its children.
    {.name = "Фон1", .kind = Kind::PictureBox, .rect = {2025, 990, 5100, 3705}, .visible = false,
     .border = Border::Sunken, .tabIndex = 62, .picture = Picture::Page1,
     .accessibleName = "Справка, страница 1"},
    {.name = "Автор", .kind = Kind::PictureBox, .container = "Фон1", .rect = {0, 0, 5055, 3660},
     .visible = false, .border = Border::Sunken, .tooltip = "Нажми мышку", .tabIndex = 68,
     .picture = Picture::Author, .accessibleName = "Об авторе", .press = Press::CloseHelp},
    {.name = "Фон3", .kind = Kind::PictureBox, .container = "Фон1", .rect = {0, 0, 5055, 3660},
     .visible = false, .border = Border::Sunken, .tabIndex = 66, .picture = Picture::Page3,
     .accessibleName = "Справка, страница 3"},
    {.name = "Закрыть", .kind = Kind::PushButton, .container = "Фон3", .rect = {3825, 3195, 1005, 285},
     .caption = "Закрыть", .visible = false, .tabIndex = 67},
    {.name = "Фоно", .kind = Kind::PictureBox, .container = "Фон1", .rect = {0, 0, 5055, 3660},
     .visible = false, .border = Border::Sunken, .tabIndex = 64, .picture = Picture::Page2,
     .accessibleName = "Справка, страница 2"},
    {.name = "Далеее", .kind = Kind::PushButton, .container = "Фоно", .rect = {1980, 3240, 1005, 285},
     .caption = "Далее", .visible = false, .tabIndex = 65},
    {.name = "Далее", .kind = Kind::PushButton, .container = "Фон1", .rect = {3915, 2565, 1005, 330},
     .caption = "Далее", .visible = false, .tabIndex = 63},

    // The full reset over the display reset, the Enter buttons, the "?" buttons.
    {.name = "aaaa", .kind = Kind::PushButton, .rect = {1380, 3240, 525, 495}, .caption = "#",
     .visible = false, .font = fonts::kKey, .tabIndex = 53,
     .accessibleName = "Полный сброс всех данных", .movesDialogueOn = true},
    {.name = "Command6", .kind = Kind::PushButton, .rect = {315, 3780, 1590, 360}, .caption = "Ввод",
     .visible = false, .font = fonts::kCommand, .tabIndex = 52,
     .movesDialogueOn = true},
    {.name = "Command5", .kind = Kind::PushButton, .rect = {315, 3780, 1590, 360}, .caption = "Ввод",
     .visible = false, .font = fonts::kCommand, .tabIndex = 51,
     .movesDialogueOn = true},
    {.name = "Command4", .kind = Kind::PushButton, .rect = {315, 3780, 1590, 360}, .caption = "Ввод",
     .visible = false, .font = fonts::kCommand, .tabIndex = 50,
     .movesDialogueOn = true},
    {.name = "Command3", .kind = Kind::PushButton, .rect = {315, 3780, 1590, 360}, .caption = "Ввод",
     .visible = false, .font = fonts::kCommand, .tabIndex = 49,
     .movesDialogueOn = true},
    {.name = "Command2", .kind = Kind::PushButton, .rect = {315, 3780, 1590, 360}, .caption = "Ввод",
     .visible = false, .font = fonts::kCommand, .tabIndex = 48,
     .movesDialogueOn = true},
    {.name = "Q4", .index = 3, .kind = Kind::PushButton, .rect = {5760, 2580, 285, 330}, .caption = "?",
     .visible = false, .font = fonts::kQuestion, .tabIndex = 41},
    {.name = "Q6", .index = 5, .kind = Kind::PushButton, .rect = {5760, 3465, 285, 330}, .caption = "?",
     .visible = false, .font = fonts::kQuestion, .tabIndex = 40,
     .accessibleName = "Выбрать: рассчитать индуктивность", .movesDialogueOn = true},
    {.name = "Q5", .index = 4, .kind = Kind::PushButton, .rect = {5760, 3015, 285, 345}, .caption = "?",
     .visible = false, .font = fonts::kQuestion, .tabIndex = 39,
     .accessibleName = "Выбрать: рассчитать количество витков", .movesDialogueOn = true},
    {.name = "Q3", .index = 2, .kind = Kind::PushButton, .rect = {5760, 2160, 285, 330}, .caption = "?",
     .visible = false, .font = fonts::kQuestion, .tabIndex = 38},
    {.name = "Q2", .index = 1, .kind = Kind::PushButton, .rect = {5760, 1710, 285, 330}, .caption = "?",
     .visible = false, .font = fonts::kQuestion, .tabIndex = 37},
    {.name = "Q1", .index = 0, .kind = Kind::PushButton, .rect = {5760, 1260, 285, 330}, .caption = "?",
     .visible = false, .font = fonts::kQuestion, .tabIndex = 36},
    {.name = "Ввод", .kind = Kind::PushButton, .rect = {315, 3780, 1590, 330}, .caption = "Ввод",
     .font = fonts::kEnter, .tabIndex = 34,
     .movesDialogueOn = true},

    // Keypad, animation box, timer, display, exit.
    {.name = "aa", .index = 1, .kind = Kind::PushButton, .rect = {855, 1620, 495, 495}, .caption = "2",
     .font = fonts::kKey, .tabIndex = 33},
    {.name = "aa", .index = 0, .kind = Kind::PushButton, .rect = {315, 1620, 495, 495}, .caption = "1",
     .font = fonts::kKey, .tabIndex = 32},
    {.name = "Picture1", .kind = Kind::PictureBox, .rect = {338, 338, 1500, 510}, .tabIndex = 26,
     .picture = Picture::Animation, .accessibleName = "Анимированная подпись", .role = Role::Graphic},
    {.name = "Timer1", .kind = Kind::Timer, .intervalMs = 80},
    {.name = "aa", .index = 9, .kind = Kind::PushButton, .rect = {315, 3240, 495, 495}, .caption = ",",
     .font = fonts::kCommaKey, .tabIndex = 9},
    {.name = "aaa", .kind = Kind::PushButton, .rect = {1395, 3240, 495, 495}, .caption = "#",
     .font = fonts::kKey, .tooltip = "Сброс", .tabIndex = 11,
     .accessibleName = "Сброс", .movesDialogueOn = true},
    {.name = "aa", .index = 10, .kind = Kind::PushButton, .rect = {855, 3240, 495, 495}, .caption = "0",
     .font = fonts::kKey, .tabIndex = 10},
    {.name = "aa", .index = 8, .kind = Kind::PushButton, .rect = {1395, 2700, 495, 495}, .caption = "9",
     .font = fonts::kKey, .tabIndex = 8},
    {.name = "aa", .index = 7, .kind = Kind::PushButton, .rect = {855, 2700, 495, 495}, .caption = "8",
     .font = fonts::kKey, .tabIndex = 7},
    {.name = "aa", .index = 6, .kind = Kind::PushButton, .rect = {315, 2700, 495, 495}, .caption = "7",
     .font = fonts::kKey, .tabIndex = 6},
    {.name = "aa", .index = 5, .kind = Kind::PushButton, .rect = {1395, 2160, 495, 495}, .caption = "6",
     .font = fonts::kKey, .tabIndex = 5},
    {.name = "aa", .index = 4, .kind = Kind::PushButton, .rect = {855, 2160, 495, 495}, .caption = "5",
     .font = fonts::kKey, .tabIndex = 4},
    {.name = "aa", .index = 3, .kind = Kind::PushButton, .rect = {315, 2160, 495, 495}, .caption = "4",
     .font = fonts::kKey, .tabIndex = 3},
    {.name = "aa", .index = 2, .kind = Kind::PushButton, .rect = {1395, 1620, 495, 495}, .caption = "3",
     .font = fonts::kKey, .tabIndex = 2},
    {.name = "Text1", .kind = Kind::TextBox, .rect = {270, 1035, 1620, 495}, .font = fonts::kDisplay,
     .foreColor = Rgb{128, 0, 0}, .backColor = Rgb{128, 255, 255}, .align = Align::Right, .tabIndex = 1,
     .accessibleName = "Дисплей калькулятора"},
    {.name = "Command1", .kind = Kind::PushButton, .rect = {315, 4290, 1560, 315}, .caption = "Выход",
     .font = fonts::kCommand, .tabIndex = 0},

    // State holders, never shown.
    {.name = "Zoro", .rect = {6900, 840, 75, 195}, .visible = false, .autoSize = true},
    {.name = "Z", .rect = {90, 585, 75, 195}, .visible = false, .autoSize = true},

    // Name labels: input variants (yellow), then answer variants (pink).
    {.name = "Индукт3", .rect = {2160, 3420, 2295, 360}, .caption = "Индуктивность", .visible = false,
     .font = fonts::kName, .foreColor = colors::kYellow, .autoSize = true},
    {.name = "Виток3", .rect = {2160, 2970, 2895, 360}, .caption = "Количество витков", .visible = false,
     .font = fonts::kName, .foreColor = colors::kYellow, .autoSize = true},
    {.name = "Высота3", .rect = {2160, 2520, 2205, 360}, .caption = "Высота кольца", .visible = false,
     .font = fonts::kName, .foreColor = colors::kYellow, .autoSize = true},
    {.name = "Дивнут3", .rect = {2160, 2100, 3150, 360}, .caption = "Внутренний диаметр", .visible = false,
     .font = fonts::kName, .foreColor = colors::kYellow, .autoSize = true},
    {.name = "Динар3", .rect = {2160, 1680, 2880, 360}, .caption = "Наружный диаметр", .visible = false,
     .font = fonts::kName, .foreColor = colors::kYellow, .autoSize = true},
    {.name = "Магнит3", .rect = {2160, 1230, 2370, 360}, .caption = "Проницаемость", .visible = false,
     .font = fonts::kName, .foreColor = colors::kYellow, .autoSize = true},
    {.name = "Индукт2", .rect = {2160, 3420, 2295, 360}, .caption = "Индуктивность", .visible = false,
     .font = fonts::kName, .foreColor = colors::kPink, .autoSize = true},
    {.name = "Виток2", .rect = {2160, 2970, 2895, 360}, .caption = "Количество витков", .visible = false,
     .font = fonts::kName, .foreColor = colors::kPink, .autoSize = true},
    {.name = "Высота2", .rect = {2160, 2520, 2205, 360}, .caption = "Высота кольца", .visible = false,
     .font = fonts::kName, .foreColor = colors::kPink, .autoSize = true},
    {.name = "Дивнут2", .rect = {2160, 2100, 3150, 360}, .caption = "Внутренний диаметр", .visible = false,
     .font = fonts::kName, .foreColor = colors::kPink, .autoSize = true},
    {.name = "Динар2", .rect = {2160, 1680, 2880, 360}, .caption = "Наружный диаметр", .visible = false,
     .font = fonts::kName, .foreColor = colors::kPink, .autoSize = true},
    {.name = "Магнит2", .rect = {2160, 1230, 2490, 360}, .caption = "Проницаемость", .visible = false,
     .font = fonts::kName, .foreColor = colors::kPink, .autoSize = true},

    // Value labels; their captions are placeholders that are never seen.
    {.name = "Окно5", .rect = {5370, 3000, 1035, 360}, .caption = "", .font = fonts::kValue,
     .foreColor = colors::kCyan},
    {.name = "Окно6", .rect = {5400, 3450, 1020, 360}, .caption = "6", .font = fonts::kValue,
     .foreColor = colors::kCyan},
    {.name = "Окно4", .rect = {5400, 2550, 1020, 360}, .caption = "4", .font = fonts::kValue,
     .foreColor = colors::kCyan},
    {.name = "Окно3", .rect = {5430, 2130, 1020, 360}, .caption = "3", .font = fonts::kValue,
     .foreColor = colors::kCyan},
    {.name = "Окно2", .rect = {5400, 1680, 1020, 360}, .caption = "2", .font = fonts::kValue,
     .foreColor = colors::kCyan},
    {.name = "Окно1", .rect = {5430, 1260, 960, 360}, .caption = "1", .font = fonts::kValue,
     .foreColor = colors::kCyan},

    {.name = "Line14", .kind = Kind::Line, .line = {225, 4185, 1920, 4185, 3}, .foreColor = colors::kGreen},
    {.name = "Line13", .kind = Kind::Line, .line = {240, 960, 1920, 960, 3}, .foreColor = colors::kGreen},

    // The 41 animation frames; never shown, so their places have no effect.
    {.name = "Image1", .index = 40, .kind = Kind::Image, .rect = {2295, 4095, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 39, .kind = Kind::Image, .rect = {2288, 4091, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 38, .kind = Kind::Image, .rect = {2281, 4088, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 37, .kind = Kind::Image, .rect = {2274, 4084, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 36, .kind = Kind::Image, .rect = {2268, 4081, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 35, .kind = Kind::Image, .rect = {2261, 4078, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 34, .kind = Kind::Image, .rect = {2254, 4074, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 33, .kind = Kind::Image, .rect = {2247, 4071, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 32, .kind = Kind::Image, .rect = {2241, 4068, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 31, .kind = Kind::Image, .rect = {2234, 4064, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 30, .kind = Kind::Image, .rect = {2227, 4061, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 29, .kind = Kind::Image, .rect = {2220, 4057, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 28, .kind = Kind::Image, .rect = {2214, 4054, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 27, .kind = Kind::Image, .rect = {2207, 4051, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 26, .kind = Kind::Image, .rect = {2200, 4047, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 25, .kind = Kind::Image, .rect = {2193, 4044, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 24, .kind = Kind::Image, .rect = {2187, 4041, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 23, .kind = Kind::Image, .rect = {2180, 4037, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 22, .kind = Kind::Image, .rect = {2173, 4034, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 21, .kind = Kind::Image, .rect = {2166, 4030, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 20, .kind = Kind::Image, .rect = {2160, 4027, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 19, .kind = Kind::Image, .rect = {2153, 4024, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 18, .kind = Kind::Image, .rect = {2146, 4020, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 17, .kind = Kind::Image, .rect = {2139, 4017, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 16, .kind = Kind::Image, .rect = {2133, 4014, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 15, .kind = Kind::Image, .rect = {2126, 4010, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 14, .kind = Kind::Image, .rect = {2119, 4007, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 13, .kind = Kind::Image, .rect = {2112, 4003, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 12, .kind = Kind::Image, .rect = {2106, 4000, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 11, .kind = Kind::Image, .rect = {2099, 3997, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 10, .kind = Kind::Image, .rect = {2092, 3993, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 9, .kind = Kind::Image, .rect = {2085, 3990, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 8, .kind = Kind::Image, .rect = {2079, 3987, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 7, .kind = Kind::Image, .rect = {2072, 3983, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 6, .kind = Kind::Image, .rect = {2065, 3980, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 5, .kind = Kind::Image, .rect = {2058, 3976, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 4, .kind = Kind::Image, .rect = {2052, 3973, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 3, .kind = Kind::Image, .rect = {2045, 3970, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 2, .kind = Kind::Image, .rect = {2038, 3966, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 1, .kind = Kind::Image, .rect = {2031, 3963, 1500, 510}, .visible = false},
    {.name = "Image1", .index = 0, .kind = Kind::Image, .rect = {2025, 3960, 1500, 510}, .visible = false},
    {.name = "Line12", .kind = Kind::Line, .line = {1980, 270, 1980, 4635, 4}, .foreColor = colors::kGreen},

    // Title and hint.
    {.name = "Глава", .rect = {2385, 135, 4470, 870}, .caption = "Расчет катушки на кольцевом сердечнике",
     .font = fonts::kTitle, .foreColor = Rgb{255, 255, 192}, .align = Align::Center, .wordWrap = true,
     .pointer = Pointer::Help, .tooltip = "Подробнее",
     .press = Press::OpenHelp},
    {.name = "Справка", .rect = {2100, 3960, 4965, 600}, .caption = "???", .font = fonts::kHint,
     .foreColor = Rgb{255, 255, 128}, .backColor = Rgb{0, 0, 128}, .opaque = true,
     .border = Border::Single, .align = Align::Center, .description = "Подсказка"},

    // Unit column.
    {.name = "Label6", .rect = {6480, 3465, 555, 360}, .caption = "мкГ", .font = fonts::kName,
     .foreColor = colors::kGreen, .autoSize = true},
    {.name = "Label5", .rect = {6615, 2880, 300, 510}, .caption = "w", .font = fonts::kSymbol,
     .foreColor = colors::kGreen, .autoSize = true},
    {.name = "Label4", .rect = {6555, 2565, 435, 360}, .caption = "мм", .font = fonts::kName,
     .foreColor = colors::kGreen, .autoSize = true},
    {.name = "Label3", .rect = {6525, 2115, 435, 360}, .caption = "мм", .font = fonts::kName,
     .foreColor = colors::kGreen, .autoSize = true},

    // Table grid.
    {.name = "Line11", .kind = Kind::Line, .line = {6435, 1200, 6435, 3825, 3}, .foreColor = colors::kTableBlue},
    {.name = "Line10", .kind = Kind::Line, .line = {7035, 1215, 7035, 3825, 3}, .foreColor = colors::kTableBlue},
    {.name = "Line9", .kind = Kind::Line, .line = {2115, 1215, 2115, 3825, 3}, .foreColor = colors::kTableBlue},
    {.name = "Line8", .kind = Kind::Line, .line = {2115, 3840, 7035, 3840, 3}, .foreColor = colors::kTableBlue},
    {.name = "Line7", .kind = Kind::Line, .line = {2115, 1200, 7035, 1200, 3}, .foreColor = colors::kTableBlue},
    {.name = "Line6", .kind = Kind::Line, .line = {2115, 3405, 7035, 3405, 3}, .foreColor = colors::kTableBlue},
    {.name = "Line5", .kind = Kind::Line, .line = {2115, 2955, 7035, 2955, 3}, .foreColor = colors::kTableBlue},
    {.name = "Line4", .kind = Kind::Line, .line = {2115, 2520, 7035, 2520, 3}, .foreColor = colors::kTableBlue},
    {.name = "Line3", .kind = Kind::Line, .line = {2115, 2085, 7035, 2085, 3}, .foreColor = colors::kTableBlue},
    {.name = "Line2", .kind = Kind::Line, .line = {2130, 1635, 7035, 1635, 3}, .foreColor = colors::kTableBlue},
    {.name = "Label2", .rect = {6555, 1680, 435, 360}, .caption = "мм", .font = fonts::kName,
     .foreColor = colors::kGreen, .autoSize = true},
    {.name = "Label1", .rect = {6630, 1125, 270, 495}, .caption = "m", .font = fonts::kSymbolItalic,
     .foreColor = colors::kGreen, .autoSize = true},
    {.name = "Line1", .kind = Kind::Line, .line = {5355, 1200, 5355, 3825, 4}, .foreColor = colors::kDividerBlue},

    // Plain name labels (green), rearmost of all.
    {.name = "Индукт", .rect = {2160, 3420, 3675, 360}, .caption = "Индуктивность", .font = fonts::kName,
     .foreColor = colors::kGreen, .autoSize = true, .pointer = Pointer::RedArrow,
     .press = Press::ChooseMode},
    {.name = "Виток", .rect = {2160, 2970, 3675, 360}, .caption = "Количество витков", .font = fonts::kName,
     .foreColor = colors::kGreen, .autoSize = true, .pointer = Pointer::RedArrow,
     .press = Press::ChooseMode},
    {.name = "Высота", .rect = {2160, 2520, 3675, 360}, .caption = "Высота кольца", .font = fonts::kName,
     .foreColor = colors::kGreen, .autoSize = true},
    {.name = "Дивнут", .rect = {2160, 2115, 3660, 360}, .caption = "Внутренний диаметр", .font = fonts::kName,
     .foreColor = colors::kGreen, .autoSize = true},
    {.name = "Динар", .rect = {2160, 1665, 3690, 360}, .caption = "Наружный диаметр", .font = fonts::kName,
     .foreColor = colors::kGreen, .autoSize = true},
    {.name = "Магнит", .rect = {2175, 1215, 3675, 375}, .caption = "Проницаемость", .font = fonts::kName,
     .foreColor = colors::kGreen},
});
// clang-format on

inline constexpr std::size_t kElementCount = kElements.size();

// An element, as its row in kElements.
enum class Id : std::uint8_t {};

constexpr std::size_t indexOf(Id id) { return static_cast<std::size_t>(id); }
constexpr const ElementDef& def(Id id) { return kElements[indexOf(id)]; }

// Looks an element up by name and, for a member of an element array, index;
// nullopt when there is no such element (a name a user or a script wrote).
constexpr std::optional<Id> lookupElement(std::string_view name, int index = -1) {
  for (std::size_t i = 0; i < kElementCount; ++i) {
    if (kElements[i].name == name && kElements[i].index == index) return static_cast<Id>(i);
  }
  return std::nullopt;
}

// The same for a name the program itself holds. Evaluated at compile time for
// the named constants below, where a misspelt name stops the build.
constexpr Id findElement(std::string_view name, int index = -1) {
  if (const auto id = lookupElement(name, index)) return *id;
  throw "no such element";
}

// Named handles for the elements the operations address.
namespace el {
inline constexpr Id Фон1 = findElement("Фон1");
inline constexpr Id Автор = findElement("Автор");
inline constexpr Id Фон3 = findElement("Фон3");
inline constexpr Id Закрыть = findElement("Закрыть");
inline constexpr Id Фоно = findElement("Фоно");
inline constexpr Id Далеее = findElement("Далеее");
inline constexpr Id Далее = findElement("Далее");
inline constexpr Id aaaa = findElement("aaaa");
inline constexpr Id aaa = findElement("aaa");
inline constexpr Id Command1 = findElement("Command1");
inline constexpr Id Command2 = findElement("Command2");
inline constexpr Id Command3 = findElement("Command3");
inline constexpr Id Command4 = findElement("Command4");
inline constexpr Id Command5 = findElement("Command5");
inline constexpr Id Command6 = findElement("Command6");
inline constexpr Id Ввод = findElement("Ввод");
inline constexpr Id Q1 = findElement("Q1", 0);
inline constexpr Id Q2 = findElement("Q2", 1);
inline constexpr Id Q3 = findElement("Q3", 2);
inline constexpr Id Q4 = findElement("Q4", 3);
inline constexpr Id Q5 = findElement("Q5", 4);
inline constexpr Id Q6 = findElement("Q6", 5);
inline constexpr Id Picture1 = findElement("Picture1");
inline constexpr Id Timer1 = findElement("Timer1");
inline constexpr Id Text1 = findElement("Text1");
inline constexpr Id Z = findElement("Z");
inline constexpr Id Zoro = findElement("Zoro");
inline constexpr Id Глава = findElement("Глава");
inline constexpr Id Справка = findElement("Справка");
inline constexpr Id Окно1 = findElement("Окно1");
inline constexpr Id Окно2 = findElement("Окно2");
inline constexpr Id Окно3 = findElement("Окно3");
inline constexpr Id Окно4 = findElement("Окно4");
inline constexpr Id Окно5 = findElement("Окно5");
inline constexpr Id Окно6 = findElement("Окно6");
inline constexpr Id Магнит = findElement("Магнит");
inline constexpr Id Динар = findElement("Динар");
inline constexpr Id Дивнут = findElement("Дивнут");
inline constexpr Id Высота = findElement("Высота");
inline constexpr Id Виток = findElement("Виток");
inline constexpr Id Индукт = findElement("Индукт");
inline constexpr Id Магнит2 = findElement("Магнит2");
inline constexpr Id Динар2 = findElement("Динар2");
inline constexpr Id Дивнут2 = findElement("Дивнут2");
inline constexpr Id Высота2 = findElement("Высота2");
inline constexpr Id Виток2 = findElement("Виток2");
inline constexpr Id Индукт2 = findElement("Индукт2");
inline constexpr Id Магнит3 = findElement("Магнит3");
inline constexpr Id Динар3 = findElement("Динар3");
inline constexpr Id Дивнут3 = findElement("Дивнут3");
inline constexpr Id Высота3 = findElement("Высота3");
inline constexpr Id Виток3 = findElement("Виток3");
inline constexpr Id Индукт3 = findElement("Индукт3");
}  // namespace el

// Members of the element arrays.
inline constexpr int kKeyCount = 11;    // aa(0) .. aa(10)
inline constexpr int kFrameCount = 41;  // Image1(0) .. Image1(40)
constexpr Id aa(int index) { return findElement("aa", index); }
constexpr Id Image1(int index) { return findElement("Image1", index); }

}  // namespace ringcoil
