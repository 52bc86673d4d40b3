// The wording of the help pages and the author page, line by line as the
// pictures set it, with their line breaks and hyphenation. The artwork
// generator draws it; a listener is given it as each page's text.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "window/elements.hpp"

namespace ringcoil::help_text {

// Page 1: advice on ferrite rings.
inline constexpr std::array<std::string_view, 5> kPage1Opening{
    "Ферритовые кольцевые сердечники приме-",
    "няют для получениявысоких значений доб-",
    "ротности и индуктивности при малых раз-",
    "мерах. Марка провода на добротность пра-",
    "ктически не влияет.",
};
inline constexpr std::string_view kPage1Merits = "ДОСТОИНСТВА";
inline constexpr std::array<std::string_view, 3> kPage1MeritLines{
    "малое рассеивание магнитного потока и",
    "соответственно малая восприимчивость",
    "к внешним полям.",
};
inline constexpr std::string_view kPage1Drawbacks = "НЕДОСТАТКИ";
inline constexpr std::array<std::string_view, 3> kPage1DrawbackLines{
    "невозможность плавной регулировки ин-",
    "дуктивности и неудобство при намотке",
    "большого числа витков.",
};

// Page 2: which permeability for which band.
inline constexpr std::array<std::string_view, 5> kPage2Paragraph1{
    "На низкочастотных диапазонах",
    "( 1.8-7 МГц ) для получения высокой доброт-",
    "ности желательно применять сердечники с",
    "проницаемостью 50 , а на высокочастотных",
    "( 14-30 МГц ) с проницаемостью 20.",
};
inline constexpr std::array<std::string_view, 3> kPage2Paragraph2{
    "Оптимальным вариантом для всех КВ диа-",
    "пазонов считаются кольца с проницаемостью",
    "30.",
};
inline constexpr std::array<std::string_view, 3> kPage2Paragraph3{
    "Добротность возрастает при увеличении",
    "размеров сердечника. С кольцами 32 мм",
    "достигается добротность порядка 400-500.",
};
inline constexpr std::array<std::span<const std::string_view>, 3> kPage2Paragraphs{
    std::span<const std::string_view>(kPage2Paragraph1),
    std::span<const std::string_view>(kPage2Paragraph2),
    std::span<const std::string_view>(kPage2Paragraph3),
};

// Page 3: cut-off frequencies of the ferrite grades.
inline constexpr std::string_view kPage3Heading = "Граничные частоты";
struct Grade {
  std::string_view name;
  std::string_view cutOff;
};
inline constexpr std::array<Grade, 9> kPage3Grades{{
    {"4000НМ", "150 кГц"},
    {"3000НМ", "200 кГц"},
    {"2000НМ", "450 кГц"},
    {"1500НМ", "650 кГц"},
    {"1000НМ", "750 кГц"},
    {"600НН", "1,2 МГц"},
    {"400НН", "1,5 МГц"},
    {"200НН", "3,5 МГц"},
    {"150 -100НН", "4 МГц"},
}};

// The author page, top to bottom: what kind of program this is and what it
// is for, its title and version, who made it, the sign-off.
inline constexpr std::string_view kProgramKind = "Программа-калькулятор";
inline constexpr std::string_view kAuthorPurpose = "для расчёта данных ферритового кольца";
inline constexpr std::string_view kAuthorTitle = "РАСЧЁТ КАТУШКИ";
inline constexpr std::string_view kAuthorVersion = "1.0";
inline constexpr std::string_view kAuthorRole = "Автор и Дизайн";
inline constexpr std::string_view kAuthorCallSign = "KELVANO";
inline constexpr std::string_view kAuthorSignOff = "Good like. 73!";

}  // namespace ringcoil::help_text

namespace ringcoil {

// The wording of a help page (Фон1, Фоно, Фон3) or the author page, a
// paragraph a line, the lines of a paragraph joined and their hyphenation
// undone; empty for any other element.
std::string helpPageText(Id page);

}  // namespace ringcoil
