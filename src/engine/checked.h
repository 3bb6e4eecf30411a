#pragma once

// Checked arithmetic: every array index, every 16-bit count and every floating-point result that
// the program relies on goes through these helpers, so that a violation is a reported run-time
// error instead of undefined behaviour or a silent wrap.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

class RuntimeError : public std::runtime_error {
  public:
    enum class Kind { Overflow, SubscriptOutOfRange, FloatingPointFault };

    explicit RuntimeError(Kind kind);

    Kind kind() const { return kind_; }

  private:
    Kind kind_;
};

// The message shown to the user for each kind of run-time error.
std::string describe(RuntimeError::Kind kind);

[[noreturn]] void raise(RuntimeError::Kind kind);

// Adds one to a 16-bit count; 32767 + 1 is an overflow error.
inline void increment(int16_t& count) {
    if (count == std::numeric_limits<int16_t>::max()) [[unlikely]]
        raise(RuntimeError::Kind::Overflow);
    ++count;
}

// A double result must be finite; a NaN or infinity means an invalid operation, a division by
// zero or an overflow happened on the way.
inline double checkedDouble(double value) {
    if (!std::isfinite(value)) [[unlikely]]
        raise(RuntimeError::Kind::FloatingPointFault);
    return value;
}

// Rounds a double to single precision; a value too large for a single is an overflow.
inline float checkedSingle(double value) {
    const float single = static_cast<float>(checkedDouble(value));
    if (!std::isfinite(single)) [[unlikely]]
        raise(RuntimeError::Kind::FloatingPointFault);
    return single;
}

// A fixed array with the bounds 0..500, indexed like the program's arrays: Xcoord(i).
template <typename T> class BoundedArray {
  public:
    static constexpr int Upper = 500;

    T& operator()(int index) { return slots_[checkedIndex(index)]; }
    const T& operator()(int index) const { return slots_[checkedIndex(index)]; }
    // Slots 1..count taken from another array at once.
    void copyFrom(const BoundedArray& other, int count) {
        const std::size_t end = checkedIndex(count) + 1;
        std::copy(other.slots_.begin() + 1, other.slots_.begin() + end, slots_.begin() + 1);
    }

  private:
    static std::size_t checkedIndex(int index) {
        if (index < 0 || index > Upper) [[unlikely]]
            raise(RuntimeError::Kind::SubscriptOutOfRange);
        return static_cast<std::size_t>(index);
    }

    std::array<T, Upper + 1> slots_{};
};
