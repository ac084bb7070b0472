#pragma once
// Small sets over an enumeration with fewer than 32 values (shift states, font styles).
#include <cstdint>
#include <initializer_list>

namespace vexa {

template <typename E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E e : items) bits_ |= Bit(e);
  }
  constexpr bool contains(E e) const { return (bits_ & Bit(e)) != 0; }
  constexpr bool empty() const { return bits_ == 0; }
  constexpr TSet& include(E e) { bits_ |= Bit(e); return *this; }
  constexpr TSet& exclude(E e) { bits_ &= ~Bit(e); return *this; }
  constexpr uint32_t bits() const { return bits_; }
  static constexpr TSet FromBits(uint32_t bits) { TSet s; s.bits_ = bits; return s; }
  friend constexpr TSet operator|(TSet a, TSet b) { return FromBits(a.bits_ | b.bits_); }
  friend constexpr TSet operator|(TSet a, E e) { return FromBits(a.bits_ | Bit(e)); }
  friend constexpr TSet operator&(TSet a, TSet b) { return FromBits(a.bits_ & b.bits_); }
  friend constexpr bool operator==(TSet, TSet) = default;

 private:
  static constexpr uint32_t Bit(E e) { return uint32_t{1} << static_cast<unsigned>(e); }
  uint32_t bits_ = 0;
};

}  // namespace vexa
