#pragma once
// The program's own office process: one per run, with a profile folder of its own
// and a pipe of a unique name, so an office the user runs is never touched. It
// starts on first use and ends when the program ends, unless the user still has
// documents of it in view. When it has ended in between (the user closed it),
// the next use starts a new one.

#include <stdexcept>

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include "platform/office/office_program.h"

namespace vx::office {

// No office server can be started or reached; what() says why.
class OfficeUnavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The server's desktop, starting the server when needed; throws OfficeUnavailable.
css::uno::Reference<css::frame::XDesktop2> officeDesktop();
// The server's own component context, for its services (starting the server when needed).
css::uno::Reference<css::uno::XComponentContext> officeContext();
// Whether the installed office can show windows at all (not a -nogui package).
bool officeHasGui();
// Whether the server shows no windows (no display, a server without a GUI, or test mode).
bool officeHeadless();
// A document came into the user's view: the server outlives the program.
void noteDocumentShown();

}  // namespace vx::office
