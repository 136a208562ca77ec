#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "office/document_opener.h"
#include "office/excel_template.h"
#include "office/tests/office_play.h"
#include "platform/office/office_program.h"

namespace vx::office {
namespace {

namespace fs = std::filesystem;
using testing::OfficePlay;

// A fill as the exports write it; it must stop at the first failure.
void fill(std::string_view path, bool& failed) {
    ExcelTemplate x;
    x.open(path);
    x.setText("A1", "Отчёт");
    x.addRowBelow(17);
    x.setNumber("C18", std::int64_t{5});
    EXPECT_EQ(x.read("A1"), "");
    x.finish("Экспорт в Excel", "Экспорт в Excel завершен!");
    failed = x.failed();
}

using OfficeFailure = OfficePlay;

TEST_F(OfficeFailure, AMissingTemplateStopsTheFillWithOneMessageNamingFileAndReason) {
    const long control = nextControl();
    bool failed = false;
    ASSERT_TRUE(play([&] { fill("/nonexistent/шаблон отчёта.xls   ", failed); }));
    EXPECT_TRUE(failed);
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "Файл не открывается: Файл «/nonexistent/шаблон отчёта.xls» не найден."}));
    EXPECT_FALSE(fs::exists(testing::shownDocument(control, "ods")));
}

TEST_F(OfficeFailure, WithoutAnOfficeServerTheUserIsToldSoOnce) {
    const fs::path file = scratchFolder("no-server") / "шаблон.xls";
    std::ofstream(file) << "template";
    useOfficeProgram("/nonexistent/soffice");

    bool failed = false;
    ASSERT_TRUE(play([&] { fill(file.string(), failed); }));
    ASSERT_TRUE(play([&] { openDocument(file.string()); }));
    EXPECT_TRUE(failed);
    const std::string told =
        "Ошибка автоматизации: Нет офисного сервера: LibreOffice не удаётся запустить."
        "|Причина: LibreOffice не установлен (нет программы /nonexistent/soffice)"
        "|Установите LibreOffice (Calc и Writer) и повторите.";
    EXPECT_EQ(messages(), (std::vector<std::string>{told, told}));
    fs::remove_all(file.parent_path());
}

}  // namespace
}  // namespace vx::office
