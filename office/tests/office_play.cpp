#include "office/tests/office_play.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "platform/office/automation_control.h"

namespace vx::office::testing {

namespace {

std::filesystem::path& folder() {
    static std::filesystem::path dir;
    return dir;
}

// Set up before the first test touches the office, removed after the last.
class ShownFolder : public ::testing::Environment {
public:
    void SetUp() override {
        folder() = std::filesystem::temp_directory_path() / ("vetrix-office-shown-" + std::to_string(getpid()));
        std::filesystem::remove_all(folder());
        std::filesystem::create_directories(folder());
        setenv("VETRIX_OFFICE_SHOW_DIR", folder().c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(folder()); }
};

[[maybe_unused]] const auto* const shownFolderEnvironment = ::testing::AddGlobalTestEnvironment(new ShownFolder);

}  // namespace

const std::filesystem::path& shownFolder() { return folder(); }

std::filesystem::path shownDocument(long control, const char* extension) {
    return shownFolder() / ("shown-" + std::to_string(control) + "." + extension);
}

long shownCount() {
    const std::filesystem::directory_iterator all(shownFolder());
    return static_cast<long>(std::distance(begin(all), end(all)));
}

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

::testing::AssertionResult OfficePlay::play(std::function<void()> operation) {
    operation_ = std::move(operation);
    h.addProcedure("Operation", [this] { operation_(); });
    const ui::Outcome o = h.start("Operation");
    if (!o) return ::testing::AssertionFailure() << o.refusal;
    return ::testing::AssertionSuccess();
}

std::vector<std::string> OfficePlay::messages() const {
    std::vector<std::string> out;
    for (const auto& m : h.messages()) {
        std::string text = m.text;
        for (char& c : text)
            if (c == '\n') c = '|';
        out.push_back(m.caption + ": " + text);
    }
    return out;
}

long OfficePlay::nextControl() { return AutomationControl().number() + 1; }

std::filesystem::path OfficePlay::scratchFolder(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("vetrix-" + name + "-" + std::to_string(getpid()) + "-" +
                                       std::to_string(nextControl()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace vx::office::testing
