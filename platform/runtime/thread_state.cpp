#include "platform/runtime/thread_state.h"

namespace vx::rt {

ThreadInstance<ErrorStatus> GLOBALERRORSTATUS;
ThreadInstance<Byte> GLOBALREQUEST;
ThreadInstance<Byte> GLOBALRESPONSE;
ThreadInstance<Long> VCRREQUEST;

}  // namespace vx::rt
