// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Turns the fuzzer's bytes into the values the number rules take: each
// value is a type byte followed by as many bytes as that type needs.

#include "runtime/value.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace vx::fuzz {

class FuzzInput {
public:
  FuzzInput(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}

  [[nodiscard]] bool empty() const { return pos_ >= size_; }

  std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }

  template <typename T> T raw() {
    unsigned char bytes[sizeof(T)] = {};
    for (unsigned char &b : bytes) {
      b = byte();
    }
    T value;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
  }

  // A text of up to 255 bytes, its length first.
  std::string text() {
    const std::size_t length = byte();
    std::string out;
    for (std::size_t i = 0; i < length && !empty(); ++i) {
      out += static_cast<char>(byte());
    }
    return out;
  }

  // Doubles come either as raw bit patterns (NaN, infinities and
  // subnormals included) or as a short decimal text read by the program
  // itself, which reaches round values the bit patterns rarely hit.
  Value value() {
    switch (byte() % 7) {
    case 0:
      return {};
    case 1:
      return Value::integer(raw<std::int16_t>());
    case 2:
      return Value::longValue(raw<std::int32_t>());
    case 3:
      return {raw<double>()};
    case 4:
      return {text()};
    case 5:
      return Value::boolean((byte() & 1U) != 0);
    default:
      return {static_cast<double>(raw<std::int32_t>()) / 8.0};
    }
  }

  // Whatever bytes are left, as one text.
  std::string rest() {
    std::string out(reinterpret_cast<const char *>(data_ + pos_), size_ - pos_);
    pos_ = size_;
    return out;
  }

private:
  const std::uint8_t *data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

} // namespace vx::fuzz
