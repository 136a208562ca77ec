#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "platform/pages/page_codec.h"
#include "platform/pages/page_model.h"

namespace vx::pages {

namespace {

// What stands on a page that cannot be read back, so the loss is seen where the page would be.
Page unreadable(std::size_t n, const std::string& why) {
    Page p;
    p.texts.push_back({20, 20, "Страница " + std::to_string(n + 1) + " не читается из временного файла: " + why});
    return p;
}

}  // namespace

PageList::~PageList() {
    if (file_) std::fclose(file_);
}

PageList::PageList(PageList&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)),
      writable_(other.writable_),
      end_(other.end_),
      extents_(std::move(other.extents_)),
      memory_(std::move(other.memory_)),
      cachedIndex_(other.cachedIndex_),
      cached_(std::move(other.cached_)) {}

PageList& PageList::operator=(PageList&& other) noexcept {
    if (this != &other) {
        if (file_) std::fclose(file_);
        file_ = std::exchange(other.file_, nullptr);
        writable_ = other.writable_;
        end_ = other.end_;
        extents_ = std::move(other.extents_);
        memory_ = std::move(other.memory_);
        cachedIndex_ = other.cachedIndex_;
        cached_ = std::move(other.cached_);
    }
    return *this;
}

void PageList::keepOnDisk() {
    // tmpfile's file has no name: nothing is left behind, whatever ends the program.
    if (!file_) writable_ = (file_ = std::tmpfile()) != nullptr;
    writeFinished();
}

void PageList::writeFinished() {
    if (!writable_ || memory_.size() < 2) return;
    std::size_t written = 0;
    for (; written + 1 < memory_.size(); ++written) {
        const std::string bytes = encodePage(memory_[written]);
        if (::pwrite(fileno(file_), bytes.data(), bytes.size(), end_) != static_cast<ssize_t>(bytes.size())) {
            // The disk is full or failing: the pages not written stay in memory, and so do the next ones.
            writable_ = false;
            break;
        }
        extents_.push_back({end_, bytes.size()});
        end_ += static_cast<int64_t>(bytes.size());
    }
    memory_.erase(memory_.begin(), memory_.begin() + static_cast<std::ptrdiff_t>(written));
}

Page& PageList::emplace_back() {
    memory_.emplace_back();
    writeFinished();
    return memory_.back();
}

void PageList::resize(std::size_t n) {
    while (size() < n) emplace_back();
    if (n < extents_.size()) {
        extents_.resize(n);
        memory_.clear();
        cached_.reset();
    } else {
        memory_.resize(n - extents_.size());
    }
}

Page& PageList::operator[](std::size_t n) {
    if (n < extents_.size()) throw std::logic_error("a page kept on disk is not changed in place");
    return memory_.at(n - extents_.size());
}

Page PageList::operator[](std::size_t n) const {
    if (n >= extents_.size()) return memory_[n - extents_.size()];
    if (!cached_ || cachedIndex_ != n) {
        cached_ = std::make_shared<const Page>(readBack(n));
        cachedIndex_ = n;
    }
    return *cached_;
}

Page PageList::at(std::size_t n) const {
    if (n >= size()) throw std::out_of_range("no page " + std::to_string(n + 1));
    return (*this)[n];
}

Page PageList::readBack(std::size_t n) const {
    const Extent& e = extents_[n];
    std::string bytes(e.bytes, '\0');
    const ssize_t got = ::pread(fileno(file_), bytes.data(), e.bytes, e.offset);
    if (got != static_cast<ssize_t>(e.bytes)) return unreadable(n, got < 0 ? std::strerror(errno) : "файл короче");
    Page page;
    if (!decodePage(bytes, page)) return unreadable(n, "данные повреждены");
    return page;
}

}  // namespace vx::pages
