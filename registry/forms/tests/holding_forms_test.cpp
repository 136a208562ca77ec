#include <gtest/gtest.h>

#include "dictionary/names.h"
#include "platform/runtime/thread_state.h"
#include "registry/forms/forms_windows.h"
#include "registry/forms/tests/forms_fixture.h"

namespace vx::registry::testing {
namespace {

using namespace dct;

class HoldingFormsTest : public FormsTest {
protected:
    Lines holdings() {
        Lines out;
        onThread([&] {
            withFiles([&] {
                Set(HOZ);
                while (Next(HOZ))
                    out.push_back(HOZ->IDHOZ.value().plain() + " " + HOZ->NAME.str() + " " +
                                  std::to_string(HOZ->SEKTOR));
            });
        });
        return out;
    }
    Lines farms() {
        Lines out;
        onThread([&] {
            withFiles([&] {
                Set(FER);
                while (Next(FER))
                    out.push_back(FER->IDHOZ.value().plain() + " " + FER->IDFERM.value().plain() + " " +
                                  FER->NAME.str());
            });
        });
        return out;
    }
};

TEST_F(HoldingFormsTest, AHoldingIsInsertedWithItsSectorAndDuplicateNumbersAreAllowed) {
    addHolding(1, "Первое");
    open(Updatehoz, rt::request::Insert);
    PLAY(h->expectWindow("Updatehoz"));
    PLAY(h->expectStatus(2, "Добавит запись"));
    PLAY(h->type("?HOZ:IDHOZ", "1"));
    PLAY(h->type("?HOZ:NAME", "Двойник"));
    PLAY(h->press("?HOZ:SEKTOR:RADIO2"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("Updatehoz"));
    EXPECT_EQ(response, rt::response::Completed);
    EXPECT_EQ(holdings(), (Lines{"1 Первое 0", "1 Двойник 2"}));
}

TEST_F(HoldingFormsTest, AViewedHoldingCannotBeEditedAndOkStoresNothing) {
    addHolding(3, "Заречное");
    open(Updatehoz, rt::request::View, [] {
        HOZ->IDHOZ = 3;
        Fetch(HOZ_K1);
    });
    PLAY(h->expectStatus(2, "View Record"));
    EXPECT_TRUE(h->find("?HOZ:IDHOZ")->readOnly());
    EXPECT_TRUE(h->find("?HOZ:NAME")->readOnly());
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("Updatehoz"));
    EXPECT_EQ(response, rt::response::Cancelled);
    EXPECT_EQ(holdings(), (Lines{"3 Заречное 0"}));
}

TEST_F(HoldingFormsTest, ANewFarmShowsTheNameOfTheHoldingItWasPrimedWith) {
    addHolding(2, "Вторая");
    addHolding(5, "Пятая");
    open(Updateferma, rt::request::Insert, [] { primeInsert(*Access::FERMA, {{"IDHOZ", Value(2)}}); });
    PLAY(h->expectStatus(2, "Добавить запись"));
    PLAY(h->expectValue("?FER:IDHOZ", "2"));
    PLAY(h->expectValue("?HOZ:NAME", "Вторая"));
    PLAY(h->type("?FER:IDHOZ", "5"));
    PLAY(h->expectValue("?HOZ:NAME", "Пятая"));
    PLAY(h->type("?FER:IDHOZ", "9"));
    PLAY(h->expectValue("?HOZ:NAME", ""));  // no such holding
    PLAY(h->type("?FER:IDHOZ", "2"));
    PLAY(h->type("?FER:IDFERM", "4"));
    PLAY(h->type("?FER:NAME", "Луговая"));
    PLAY(h->press("?OK"));
    PLAY(h->expectClosed("Updateferma"));
    EXPECT_EQ(farms(), (Lines{"2 4 Луговая"}));
}

}  // namespace
}  // namespace vx::registry::testing
