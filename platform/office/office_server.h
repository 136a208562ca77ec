#pragma once
// The program's own office process: one per run, with a profile folder of its own
// and a pipe of a unique name, so an office the user runs is never touched. It
// starts on first use and ends when the program ends, unless the user still has
// documents of it in view.

#include <com/sun/star/frame/XDesktop2.hpp>

namespace vx::office {

// The server's desktop, starting the server when needed; throws std::runtime_error
// with the reason when it cannot be started or reached.
css::uno::Reference<css::frame::XDesktop2> officeDesktop();
// Whether the server shows no windows (no display, a server without a GUI, or test mode).
bool officeHeadless();
// A document came into the user's view: the server outlives the program.
void noteDocumentShown();
// The connection broke (the user closed the office): the next use starts a new server.
void forgetOfficeServer();
// Ends the server now (also run at shutdown).
void endOfficeServer();

}  // namespace vx::office
