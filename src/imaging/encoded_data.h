// What an encoder gives: the bytes of a complete file, or the library's
// reason why there are none.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace reelsnap {

// Leaves new elements uninitialised, so that an encoder can size its output
// buffer without first clearing megabytes it is about to overwrite.
template <typename T>
struct UninitializedAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = UninitializedAllocator<U>;
    };
    UninitializedAllocator() = default;
    template <typename U>
    UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}
    template <typename U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

using EncodedData = std::vector<std::uint8_t, UninitializedAllocator<std::uint8_t>>;

// The file's bytes, or why there are none, in the library's own words
// (English: libraries do not translate them). Reads as an optional of the
// bytes.
class EncodeResult {
  public:
    EncodeResult(EncodedData data) : data_(std::move(data)) {}
    static EncodeResult Failed(std::string reason) {
        EncodeResult result;
        result.reason_ = reason.empty() ? std::string("the encoder failed") : std::move(reason);
        return result;
    }

    explicit operator bool() const { return data_.has_value(); }
    EncodedData& operator*() { return *data_; }
    const EncodedData& operator*() const { return *data_; }
    EncodedData* operator->() { return &*data_; }
    const EncodedData* operator->() const { return &*data_; }
    void reset(std::string reason) { *this = Failed(std::move(reason)); }
    const std::string& reason() const { return reason_; }

  private:
    EncodeResult() = default;
    std::optional<EncodedData> data_;
    std::string reason_;
};

}  // namespace reelsnap
