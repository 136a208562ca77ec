// The fixed texts of the export variants.

#include <gtest/gtest.h>

#include "exchange/variant_texts.h"
#include "platform/core/text.h"

namespace vx::exchange {
namespace {

TEST(VariantTexts, HelpIsSeventeenLinesJoinedByCrLfWithoutABreakAtTheEnd) {
    const std::string& help = variantHelp();
    std::vector<std::string> lines;
    for (std::size_t from = 0;;) {
        const std::size_t at = help.find("\r\n", from);
        lines.push_back(help.substr(from, at - from));
        if (at == std::string::npos) break;
        from = at + 2;
    }
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0], "Варианты экспорта:");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "0:  Выбрать файл-шаблон для заполнения вручную;");
    EXPECT_EQ(lines[12], "10: [A] № пп; [B] № в БД; [C] ФИО, адрес;[D] инв. № жив-го, кличка; [E] дата рождения");
    EXPECT_EQ(lines[14], "99: Выбрать файл-шаблон для заполнения из БД, расчет определен в программе;");
    EXPECT_EQ(lines[15], "");
    EXPECT_EQ(lines[16], "НОМЕР СТРОКИ ЗАВИСИТ ОТ ВЫСОТЫ ШАПКИ [сколько она занимает строк]");
    EXPECT_EQ(charCount(help), 1392u);
}

TEST(VariantTexts, TooltipsByVariant) {
    const struct {
        int variant;
        std::optional<std::string> catalogue, exportWindow;
    } cases[] = {
        {0, "Вариант 0: Выбрать документ. Заполнить вручную. Для [Произвольный список] вариант расчета 1...10;",
         std::nullopt},
        {3,
         "Вариант 3: [A] № пп; [B] № в БД; [C] инв. № животного; [D] вид животного; [E] возраст л, м, д; [F] ФИО; [G] "
         "адрес;",
         "Вариант 3: [A] № пп; [B] № в БД; [C] инв. № животного; [D] вид животного; [E] возраст л, м, д; [F] ФИО; [G] "
         "адрес;"},
        {9,
         "Вариант 9: [A] № пп; [B] № в БД; [C] инв. № животного; [D] пол животного; [E] возраст ; [F-I] Результаты "
         "исследований",
         "Выбрать любой вариант экспорта. Установить флажок [Печатать шапку.]"},
        {11, "Вариант 11: [A] № пп; [B] Хозяйство, ФИО; [C] Адрес;[D] Вид № жив-го; [E] Пол; [F] Возраст; [G] инв. №",
         std::nullopt},
        {12, std::nullopt, std::nullopt},
        {99, "Вариант 99: Встроенная обработка экспорта.", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variant);
        EXPECT_EQ(variantTooltip(c.variant), c.catalogue);
        EXPECT_EQ(exportVariantTooltip(c.variant), c.exportWindow);
    }
}

}  // namespace
}  // namespace vx::exchange
