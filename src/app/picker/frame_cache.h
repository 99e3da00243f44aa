// The frames a picker has decoded lately, at the size it shows them, by
// index: what makes a step back cheap after the first. Bounded in bytes; the
// frame used longest ago goes first.
#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <list>
#include <optional>
#include <unordered_map>

namespace reelsnap {

class FrameCache {
  public:
    explicit FrameCache(std::size_t maxBytes) : maxBytes_(maxBytes) {}

    // The frame, which becomes the one used last; nothing when it is not held.
    std::optional<QImage> Find(std::int32_t index);
    bool Holds(std::int32_t index) const { return entries_.count(index) != 0; }
    // Keeps the frame, letting go of the least recently used ones to stay
    // within the bound; a frame larger than the whole bound is not kept.
    void Put(std::int32_t index, const QImage& image);
    void Clear();

    std::size_t bytes() const { return bytes_; }
    std::size_t maxBytes() const { return maxBytes_; }
    std::size_t size() const { return entries_.size(); }

  private:
    using Order = std::list<std::int32_t>;  // most recently used first
    struct Entry {
        QImage image;
        Order::iterator place;
    };
    void Forget(std::int32_t index);

    std::size_t maxBytes_;
    std::size_t bytes_ = 0;
    Order order_;
    std::unordered_map<std::int32_t, Entry> entries_;
};

}  // namespace reelsnap
