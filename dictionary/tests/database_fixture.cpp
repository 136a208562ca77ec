#include "dictionary/tests/database_fixture.h"

#include <unistd.h>
#include <atomic>

#include "context/globals.h"
#include "database/database_choice.h"
#include "platform/runtime/errors.h"

namespace vx::dct::testing {

void DatabaseTest::SetUp() {
    static std::atomic<int> serial{0};
    dir_ = std::filesystem::temp_directory_path() /
           ("vx-dct-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_ / "a");
    std::filesystem::create_directories(dir_ / "b");
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
    resetThread();
    useDatabase("a");
    rt::GLOBALERRORS.setSink(nullptr);
    rt::GLOBALERRORS.recorder().clear();
    rt::GLOBALERRORS.setEndProgramHandler([this] { ++fatalEnds_; });
}

void DatabaseTest::TearDown() {
    resetThread();
    for (Str* put : {&glo::PUT1, &glo::PUT2, &glo::PUT5, &glo::PUT6, &glo::PUT7, &glo::PUT8, &glo::PUT9}) put->clear();
    rt::GLOBALERRORS.setEndProgramHandler({});
    rt::GLOBALERRORS.recorder().clear();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir_);
}

// The test's own thread keeps its dictionary from test to test: close its files
// and start its managers afresh.
void DatabaseTest::resetThread() {
    DCTKILL();
    for (std::size_t i = 0; i < dictionary().files().size(); ++i) dictionary().files().handle(i).close();
    DCTINIT();
}

void DatabaseTest::useDatabase(const std::string& name) {
    database::chooseDatabaseFolder((dir_ / name).string() + "/");
}

void DatabaseTest::openAll() {
    for (std::size_t i = 0; i < kFileCount; ++i) dictionary().managers().access(i).open();
}

std::vector<std::string> DatabaseTest::captions() const {
    std::vector<std::string> out;
    for (const auto& m : rt::GLOBALERRORS.recorder().shown()) out.push_back(m.caption);
    return out;
}

std::vector<std::string> DatabaseTest::texts() const {
    std::vector<std::string> out;
    for (const auto& m : rt::GLOBALERRORS.recorder().shown()) out.push_back(m.text);
    return out;
}

}  // namespace vx::dct::testing
