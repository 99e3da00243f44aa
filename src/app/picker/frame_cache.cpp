#include "app/picker/frame_cache.h"

namespace reelsnap {

std::optional<QImage> FrameCache::Find(std::int32_t index) {
    const auto found = entries_.find(index);
    if (found == entries_.end()) return std::nullopt;
    order_.splice(order_.begin(), order_, found->second.place);
    return found->second.image;
}

void FrameCache::Put(std::int32_t index, const QImage& image) {
    Forget(index);
    const auto size = std::size_t(image.sizeInBytes());
    if (size > maxBytes_) return;
    while (bytes_ + size > maxBytes_ && !order_.empty()) Forget(order_.back());
    order_.push_front(index);
    entries_.emplace(index, Entry{image, order_.begin()});
    bytes_ += size;
}

void FrameCache::Clear() {
    entries_.clear();
    order_.clear();
    bytes_ = 0;
}

void FrameCache::Forget(std::int32_t index) {
    const auto found = entries_.find(index);
    if (found == entries_.end()) return;
    bytes_ -= std::size_t(found->second.image.sizeInBytes());
    order_.erase(found->second.place);
    entries_.erase(found);
}

}  // namespace reelsnap
