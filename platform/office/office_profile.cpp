#include "platform/office/office_profile.h"

#include <fstream>

namespace vx::office {

namespace {

// The office's user settings: the start module's factory removed from the set of
// installed modules, which is what decides whether a closed last document makes room for the start window.
constexpr const char* kSettings =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
    "<item oor:path=\"/org.openoffice.Setup/Office/Factories\">"
    "<node oor:name=\"com.sun.star.frame.StartModule\" oor:op=\"remove\"/></item>\n"
    "</oor:items>\n";

}  // namespace

bool writeOfficeProfile(const std::filesystem::path& profile) {
    const std::filesystem::path user = profile / "user";
    std::error_code ec;
    std::filesystem::create_directories(user, ec);
    std::ofstream out(user / "registrymodifications.xcu", std::ios::binary);
    out << kSettings;
    return static_cast<bool>(out.flush());
}

}  // namespace vx::office
