#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <span>

// Where a sequence of window events comes from: a seeded generator (the soak
// test) or the bytes of a fuzz input. pick(bound) is a choice in 0..bound-1.
class EventSource {
public:
  virtual ~EventSource() = default;
  [[nodiscard]] virtual uint32_t pick(uint32_t bound) = 0;
  // True once the source has no more choices to give.
  [[nodiscard]] virtual bool exhausted() const = 0;
};

class SeededEventSource final : public EventSource {
public:
  explicit SeededEventSource(uint64_t seed) : engine_(seed) {}
  uint32_t pick(uint32_t bound) override;
  bool exhausted() const override { return false; }

private:
  std::mt19937_64 engine_;
};

// One byte per choice (two for choices among more than 256), so that a
// mutation of one byte changes one choice. Past the end every choice is 0.
class ByteEventSource final : public EventSource {
public:
  explicit ByteEventSource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  uint32_t pick(uint32_t bound) override;
  bool exhausted() const override { return next_ >= bytes_.size(); }

private:
  uint32_t nextByte();

  std::span<const uint8_t> bytes_;
  std::size_t next_ = 0;
};
