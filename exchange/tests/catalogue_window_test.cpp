// The catalogue of export templates and its form, played headless.

#include <gtest/gtest.h>

#include "dictionary/names.h"
#include "exchange/exchange_windows.h"
#include "exchange/tests/exchange_fixture.h"
#include "exchange/variant_texts.h"
#include "platform/runtime/thread_state.h"

namespace vx::exchange::testing {
namespace {

class CatalogueTest : public ExchangeTest {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        h->addProcedure("BrowseExp", BrowseExp);
        templatePath = (dir / "Шаблон.xls").string();
    }

    void insertTemplate(const std::string& name, const char* variant) {
        PLAY(h->press("?INSERT:4"));
        PLAY(h->expectWindow("UpDateExp"));
        PLAY(h->type("?EXP:NAME", name));
        PLAY(h->file(templatePath));
        PLAY(h->press("?LOOKUPFILE"));
        PLAY(h->type("?EXP:VRASCH", variant));
        PLAY(h->type("?EXP:STROKA1", "7"));
        PLAY(h->type("?EXP:STROKA2", "200"));
        PLAY(h->press("?OK"));
        PLAY(h->expectClosed("UpDateExp"));
    }

    std::string templatePath;
};

TEST_F(CatalogueTest, InsertsNumberedTemplatesAndExplainsTheHighlightedVariant) {
    PLAY(h->start("BrowseExp"));
    PLAY(h->press("?INSERT:4"));
    PLAY(h->expectStatus(2, "Добавить"));
    PLAY(h->expectValue("?EXP:NPP", "1"));
    PLAY(h->press("?CANCEL"));
    PLAY(h->expectClosed("UpDateExp"));

    insertTemplate("Список животных", "3");
    insertTemplate("Опись", "12");
    PLAY(h->expectRow("?BROWSE:1", 1, "1|Список животных|3|" + templatePath));
    PLAY(h->expectRow("?BROWSE:1", 2, "2|Опись|12|" + templatePath));

    PLAY(h->select("?BROWSE:1", 1));
    EXPECT_EQ(h->tooltip("?BROWSE:1"), *variantTooltip(3));
    PLAY(h->select("?BROWSE:1", 2));
    EXPECT_EQ(h->tooltip("?BROWSE:1"), *variantTooltip(3)) << "variant 12 leaves the last text";

    EXPECT_EQ(h->tooltip("?BUTTON5"), "[Помощь о вариантах экспорта]");
    PLAY(h->focus("?BUTTON5"));
    EXPECT_EQ(h->tooltip("?BUTTON5"), variantHelp());
}

TEST_F(CatalogueTest, ACancelledFileDialogKeepsThePathAndAFirstRowBelowOneIsRefused) {
    PLAY(h->start("BrowseExp"));
    insertTemplate("Список животных", "1");
    PLAY(h->select("?BROWSE:1", 1));
    PLAY(h->press("?CHANGE:4"));
    PLAY(h->expectStatus(2, "Изменить"));
    PLAY(h->file(""));
    PLAY(h->press("?LOOKUPFILE"));
    PLAY(h->expectValue("?EXP:FNAME", templatePath));

    PLAY(h->type("?EXP:STROKA1", "0"));
    PLAY(h->press("?OK"));
    PLAY(h->expectMessage("Редактировать параметры экспорта", "Первая строка шаблона должна быть не меньше 1."));
    PLAY(h->expectWindow("UpDateExp"));
    PLAY(h->type("?EXP:STROKA1", "5"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpDateExp"));
    Lines stored;
    onThread([&] {
        stored = vx::testing::all(dct::Access::EXPORT, dct::EXPORT, [] {
            return dct::EXP->FNAME.str() + " " + dct::EXP->STROKA1.value().plain() + " " +
                   dct::EXP->STROKA2.value().plain();
        });
    });
    EXPECT_EQ(stored, Lines{templatePath + " 5 200"});
}

TEST_F(CatalogueTest, AViewedTemplateOnlyShowsAndKeepsItsDescriptionEditable) {
    PLAY(h->start("BrowseExp"));
    insertTemplate("Список животных", "1");
    PLAY(h->close());
    h->addProcedure("UpDateExpView", [] {
        dct::Access::EXPORT->open();
        dct::Access::EXPORT->useFile();
        dct::EXP->NPP = 1;
        dct::Fetch(dct::EXP_K1);
        *rt::GLOBALREQUEST = rt::request::View;
        UpDateExp();
    });
    PLAY(h->start("UpDateExpView"));
    PLAY(h->expectStatus(2, "Просмотреть"));
    PLAY(h->expectValue("?EXP:NAME", "Список животных"));
    for (const char* control : {"?EXP:NPP", "?EXP:NAME", "?EXP:FNAME", "?EXP:VRASCH", "?EXP:STROKA1", "?EXP:STROKA2"})
        EXPECT_TRUE(h->find(control)->readOnly()) << control;
    EXPECT_FALSE(h->find("?EXP:PRIM")->readOnly());
    EXPECT_FALSE(h->find("?LOOKUPFILE")->usable());
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("UpDateExp"));
    PLAY(h->expectNoMessage());
}

}  // namespace
}  // namespace vx::exchange::testing
