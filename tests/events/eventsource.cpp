#include "eventsource.h"

uint32_t SeededEventSource::pick(uint32_t bound) {
  if (bound <= 1)
    return 0;
  return std::uniform_int_distribution<uint32_t>(0, bound - 1)(engine_);
}

uint32_t ByteEventSource::nextByte() { return next_ < bytes_.size() ? bytes_[next_++] : 0u; }

uint32_t ByteEventSource::pick(uint32_t bound) {
  if (bound <= 1)
    return 0;
  uint32_t value = nextByte();
  if (bound > 256)
    value = value << 8 | nextByte();
  return value % bound;
}
