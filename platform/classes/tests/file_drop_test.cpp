#include <gtest/gtest.h>

#include "platform/classes/tests/classes_fixture.h"
#include "platform/classes/tests/test_windows.h"
#include "platform/runtime/thread_state.h"

namespace vx::classes::testing {
namespace {

using Lines = std::vector<std::string>;
namespace rq = rt::request;

class FileDropTest : public ClassesTest {
protected:
    void SetUp() override {
        ClassesTest::SetUp();
        resetScene();
        addKind(2, "Пёс");
        addKind(3, "Мышь");
        // The member form on a thread of its own, over member `no` (0: none).
        h->addProcedure("Call", [this] {
            data::FileManager& fm = files().access(MEM);
            fm.open();
            if (no != 0) {
                member().NO = no;
                fm.fetch(0);
            }
            *rt::GLOBALREQUEST = request;
            MemberForm();
            fm.close();
        });
    }
    ui::Outcome call(Byte r, int member) {
        request = r;
        no = member;
        return h->start("Call");
    }
    Lines entries() {
        Lines out;
        for (int n = 1; auto r = h->row("?KIND", n); ++n) out.push_back((*r)[0]);
        return out;
    }

    Byte request = rq::Change;
    int no = 0;
};

TEST_F(FileDropTest, AnInsertWithoutAMatchTakesTheFirstEntry) {
    PLAY(call(rq::Insert, 0));
    EXPECT_EQ(entries(), (Lines{"Пёс", "Мышь"}));
    PLAY(h->expectValue("?KIND", "Пёс"));
    PLAY(h->type("?MEM:NAME", "Новый"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(members(), (Lines{"1 0 Новый 2"})) << "the default kind 1 is not listed: the first entry's kind";
}

TEST_F(FileDropTest, AChangeKeepsAnUnlistedValueAndTakesAChoice) {
    addMember(1, 1, "Первый", 9);
    addMember(2, 1, "Второй", 3);
    PLAY(call(rq::Change, 1));
    PLAY(h->expectValue("?KIND", ""));
    PLAY(h->press("?OK"));
    EXPECT_EQ(members()[0], "1 1 Первый 9") << "opening and saving does not change the record";

    PLAY(call(rq::Change, 2));
    PLAY(h->expectValue("?KIND", "Мышь"));
    PLAY(h->choose("?KIND", "Пёс"));
    PLAY(h->expectValue("?KIND", "Пёс"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(members()[1], "2 1 Второй 2");

    // Of two entries with the same name, the record keeps the one it had.
    addKind(4, "Пёс");
    addMember(3, 1, "Третий", 4);
    PLAY(call(rq::Change, 3));
    PLAY(h->expectValue("?KIND", "Пёс"));
    PLAY(h->press("?OK"));
    EXPECT_EQ(members()[2], "3 1 Третий 4");
}

}  // namespace
}  // namespace vx::classes::testing
