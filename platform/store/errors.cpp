#include "platform/store/record_file.h"

namespace vx::store {

std::string errorText(Error e) {
    switch (e) {
    case Error::None: return "No Error";
    case Error::FileNotFound: return "File Not Found";
    case Error::PathNotFound: return "Path Not Found";
    case Error::AccessDenied: return "Access Denied";
    case Error::NotOpen: return "File Not Open";
    case Error::RecordNotAvailable: return "Record Not Available";
    case Error::Duplicate: return "Creates Duplicate Key";
    case Error::Locked: return "File Is Already Locked";
    case Error::BadName: return "Invalid Filename";
    case Error::Changed: return "Record Changed By Another Station";
    case Error::Other: return "File System Error";
    case Error::DiskFull: return "Disk Full";
    }
    return "Unknown Error";
}

}  // namespace vx::store
