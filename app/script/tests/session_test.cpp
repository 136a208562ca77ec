#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "app/program.h"
#include "app/script/session.h"
#include "context/globals.h"
#include "dictionary/dictionary.h"
#include "dictionary/records.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/layout.h"

namespace vx::script {
namespace {

// A form that adds a species: it asks before it adds the record, and says when the number is taken.
void speciesForm() {
    Dec id{5, 0};
    Str name{20};
    ui::Window w(ui::WindowKind::MdiChild, "UpdateSpecies");
    ui::LayoutBuilder b(w);
    b.entry("?ID", id, "@n5");
    b.entry("?NAME", name, "@s20");
    b.button("?SAVE", "Сохранить");
    w.open();
    while (w.isOpen()) {
        const ui::Event e = w.nextEvent();
        if (e.kind == ui::EventKind::CloseWindow || e.kind == ui::EventKind::CloseDown) break;
        if (e.kind != ui::EventKind::Accepted || e.control != w.idOf("?SAVE")) continue;
        if (ui::messageBox("Виды животных", "Добавить вид " + name.str() + "?", rt::Buttons::YesNo) != rt::Answer::Yes)
            continue;
        data::FileManager& fm = dct::dictionary().managers().access(dct::indexOf(dct::FileId::ANIMVID));
        fm.open();
        if (fm.useFile() == rt::Level::Benign) {
            auto* r = static_cast<dct::ANIMVIDRecord*>(fm.record());
            r->IDANIM = id;
            r->NAME = name;
            if (fm.insert() == rt::Level::Benign) glo::IDVIDANIM = id;
        }
        fm.close();
    }
    w.close();
}

class ScriptSession : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = std::filesystem::path(::testing::TempDir()) / ("script_session-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        setenv("VETRIX_CONFIG_DIR", folder_.c_str(), 1);
        std::filesystem::current_path(folder_);
        app::processAttach();
    }
    static void TearDownTestSuite() {
        app::processDetach();
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        std::filesystem::remove_all(folder_);
    }
    void SetUp() override {
        std::filesystem::remove(folder_ / "ANIMVID.TPS");
        windows_.add({"UpdateSpecies", speciesForm, windows::Start::Modal, 25000, {}, {}});
    }

    int run(std::string_view text) {
        auto parsed = parseScript(text);
        if (auto* e = std::get_if<ParseError>(&parsed)) {
            ADD_FAILURE() << "line " << e->line << ": " << e->reason;
            return -1;
        }
        transcript_.str("");
        Session session(windows_);
        return session.run(std::get<Script>(parsed), transcript_);
    }
    std::string transcript() const { return transcript_.str(); }

    static inline std::filesystem::path folder_;
    windows::WindowTable windows_;
    std::ostringstream transcript_;
};

TEST_F(ScriptSession, FormAddsARecordAfterTheQuestionIsAnswered) {
    const int status =
        run("start UpdateSpecies\n"
            "expect window UpdateSpecies\n"
            "type ?ID \"7\"\n"
            "type ?NAME \"Корова\"\n"
            "expect value ?NAME \"Корова  \"\n"
            "answer No\n"
            "press ?SAVE\n"
            "answer Yes\n"
            "press ?SAVE\n"
            "expect message \"Виды животных\" \"Добавить вид Корова?\"\n"
            "expect message \"Виды животных\" \"Добавить вид Корова?\"\n"
            "expect no-message\n"
            "expect global IDVIDANIM \"7\"\n"
            "dump file animvid\n"
            "close\n"
            "expect closed UpdateSpecies\n");
    EXPECT_EQ(status, 0) << transcript();
    EXPECT_NE(transcript().find("1 records\nANI:IDANIM=7 ANI:NAME=Корова\n"), std::string::npos) << transcript();
    EXPECT_NE(transcript().find("7: press ?SAVE -> ok"), std::string::npos) << transcript();
}

TEST_F(ScriptSession, FirstFailingLineEndsTheRunAndSaysWhy) {
    struct Case {
        const char* script;
        const char* failure;  // part of the transcript's last line
    };
    const Case cases[] = {
        {"start UpdateSpecies\ntype ?NAME \"Овца\"\nexpect value ?NAME \"Коза\"\nclose\n",
         "FAILED at line 3: expect value ?NAME \"Коза\": ?NAME shows \"Овца\", not \"Коза\""},
        {"# a question nobody answers\nstart UpdateSpecies\npress ?SAVE\nclose\n", "FAILED at line 3: press ?SAVE"},
        {"start NoSuchWindow\n", "FAILED at line 1: start NoSuchWindow: no procedure NoSuchWindow"},
        {"expect global NOSUCH \"\"\n", "no global NOSUCH"},
        {"start UpdateSpecies\nexpect message \"Виды животных\" \"\"\n", "no message was shown"},
        {"dump file NOSUCH\nclose\n", "FAILED at line 1: dump file NOSUCH: no data file NOSUCH"},
        {"dump file VPO\nclose\n", "dump file VPO: file VPO: no disk name (no database is chosen)"},
        {"dump file TASK\nclose\n", "dump file TASK: file TASK ("},  // not on disk
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.script), 1) << c.script;
        EXPECT_NE(transcript().find(c.failure), std::string::npos) << transcript();
        EXPECT_EQ(transcript().find("close ->"), std::string::npos) << "ran past the failure:\n" << transcript();
    }
}

TEST_F(ScriptSession, GlobalsReadAsTheUserSeesThem) {
    glo::initialise();
    glo::GLO_FILTER = "PAS:IDHOZ = 3";
    glo::DATABEGIN = PackedDate::of(1, 2, 2026);
    glo::DATAROG = 80000;
    glo::IDBOL = Decimal(12);
    glo::DM[1][4] = 9;
    EXPECT_EQ(run("expect global GLO:FILTER \"PAS:IDHOZ = 3\"\n"
                  "expect global glo_filter \"PAS:IDHOZ = 3\"\n"
                  "expect global TASKBOL \"Способы выделения животных\"\n"
                  "expect global DATABEGIN \"01.02.2026\"\n"
                  "expect global DATAEND \"\"\n"
                  "expect global DATAROG \"80000\"\n"
                  "expect global IDBOL \"12\"\n"
                  "expect global SORT \"1\"\n"
                  "expect global DM[2,5] \"9\"\n"),
              0)
        << transcript();
    glo::initialise();
}

}  // namespace
}  // namespace vx::script
