#pragma once

// The wording of the help pages and the author page, line by line as the
// pictures set it, with their line breaks and hyphenation. The artwork
// generator draws it; screen readers are given it as the pages' text.

#include <QStringList>
#include <array>

namespace ringcoil::page_text {

// Page 1: advice on ferrite rings.
inline const QStringList kPage1Opening{
    QStringLiteral("Ферритовые кольцевые сердечники приме-"),
    QStringLiteral("няют для получениявысоких значений доб-"),
    QStringLiteral("ротности и индуктивности при малых раз-"),
    QStringLiteral("мерах. Марка провода на добротность пра-"),
    QStringLiteral("ктически не влияет."),
};
inline const QString kPage1Merits = QStringLiteral("ДОСТОИНСТВА");
inline const QStringList kPage1MeritLines{
    QStringLiteral("малое рассеивание магнитного потока и"),
    QStringLiteral("соответственно малая восприимчивость"),
    QStringLiteral("к внешним полям."),
};
inline const QString kPage1Drawbacks = QStringLiteral("НЕДОСТАТКИ");
inline const QStringList kPage1DrawbackLines{
    QStringLiteral("невозможность плавной регулировки ин-"),
    QStringLiteral("дуктивности и неудобство при намотке"),
    QStringLiteral("большого числа витков."),
};

// Page 2: which permeability for which band.
inline const std::array<QStringList, 3> kPage2Paragraphs{
    QStringList{
        QStringLiteral("На низкочастотных диапазонах"),
        QStringLiteral("( 1.8-7 МГц ) для получения высокой доброт-"),
        QStringLiteral("ности желательно применять сердечники с"),
        QStringLiteral("проницаемостью 50 , а на высокочастотных"),
        QStringLiteral("( 14-30 МГц ) с проницаемостью 20."),
    },
    QStringList{
        QStringLiteral("Оптимальным вариантом для всех КВ диа-"),
        QStringLiteral("пазонов считаются кольца с проницаемостью"),
        QStringLiteral("30."),
    },
    QStringList{
        QStringLiteral("Добротность возрастает при увеличении"),
        QStringLiteral("размеров сердечника. С кольцами 32 мм"),
        QStringLiteral("достигается добротность порядка 400-500."),
    },
};

// Page 3: cut-off frequencies of the ferrite grades.
inline const QString kPage3Heading = QStringLiteral("Граничные частоты");
struct Grade {
  QString name;
  QString cutOff;
};
inline const std::array<Grade, 9> kPage3Grades{{
    {QStringLiteral("4000НМ"), QStringLiteral("150 кГц")},
    {QStringLiteral("3000НМ"), QStringLiteral("200 кГц")},
    {QStringLiteral("2000НМ"), QStringLiteral("450 кГц")},
    {QStringLiteral("1500НМ"), QStringLiteral("650 кГц")},
    {QStringLiteral("1000НМ"), QStringLiteral("750 кГц")},
    {QStringLiteral("600НН"), QStringLiteral("1,2 МГц")},
    {QStringLiteral("400НН"), QStringLiteral("1,5 МГц")},
    {QStringLiteral("200НН"), QStringLiteral("3,5 МГц")},
    {QStringLiteral("150 -100НН"), QStringLiteral("4 МГц")},
}};

// The author page, top to bottom: what kind of program this is and what it
// is for, its title and version, who made it, the sign-off.
inline const QString kProgramKind = QStringLiteral("Программа-калькулятор");
inline const QString kAuthorPurpose = QStringLiteral("для расчёта данных ферритового кольца");
inline const QString kAuthorTitle = QStringLiteral("РАСЧЁТ КАТУШКИ");
inline const QString kAuthorVersion = QStringLiteral("1.0");
inline const QString kAuthorRole = QStringLiteral("Автор и Дизайн");
inline const QString kAuthorCallSign = QStringLiteral("KELVANO");
inline const QString kAuthorSignOff = QStringLiteral("Good like. 73!");

}  // namespace ringcoil::page_text
