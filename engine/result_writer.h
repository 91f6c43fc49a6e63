// Builds a converter's result in the caller's output buffer. Every byte is counted, but only bytes that
// leave room for the terminator are stored, so a converter can finish its work and then ask whether the
// whole result fits. Nothing is ever written at or past out + size.
#pragma once

#include <cstddef>
#include <cstring>

class ResultWriter {
 public:
  // `out` holds `size` bytes, all zero: whatever is not written stays a terminator.
  ResultWriter(char* out, size_t size) : out_(out), size_(size), room_(size == 0 ? 0 : size - 1) {}

  void put(char c) {
    if (length_ < room_) out_[length_] = c;
    ++length_;
  }
  // `literal` `times` over, as "../" for each step up. The loop keeps its state in locals: a store
  // through the char buffer could otherwise alias the members and force a reload per byte.
  template <size_t N>
  void appendRepeated(const char (&literal)[N], int times) {
    char* const out = out_;
    const size_t room = room_;
    size_t length = length_;
    for (int t = 0; t < times; ++t) {
      for (size_t i = 0; i + 1 < N; ++i, ++length) {
        if (length < room) out[length] = literal[i];
      }
    }
    length_ = length;
  }
  void append(const char* text) { appendBytes(text, std::strlen(text)); }
  void appendBytes(const char* bytes, size_t n) {
    if (length_ < room_) std::memcpy(out_ + length_, bytes, n < room_ - length_ ? n : room_ - length_);
    length_ += n;
  }
  // Replaces byte i of the result, which must already be counted.
  void replaceAt(size_t i, char c) {
    if (i < length_ && i < room_) out_[i] = c;
  }

  // The result's full length, whether or not all of it fits.
  size_t length() const { return length_; }
  // Byte i of the result, or NUL where it was not stored (the result then cannot fit anyway).
  char at(size_t i) const { return i < length_ && i < room_ ? out_[i] : '\0'; }
  bool fits() const { return length_ < size_; }

  // Removes the last byte.
  void dropLast() {
    if (length_ == 0) return;
    --length_;
    if (length_ < room_) out_[length_] = '\0';
  }
  // Zeroes what was stored, leaving the buffer all zero.
  void clear() {
    for (size_t i = 0; i < length_ && i < room_; ++i) out_[i] = '\0';
    length_ = 0;
  }

 private:
  char* out_;
  size_t size_;
  size_t room_;  // bytes that can hold text: all but the one kept for the terminator
  size_t length_ = 0;
};
