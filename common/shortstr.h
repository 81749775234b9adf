// Short strings: the text type of every record field, key, answer and line.
//
// A ShortStr<N> holds at most N single-byte (Windows-1252) characters with
// its length in front, laid out in memory exactly as the kiosk's record files
// store it: one length byte, then N character bytes. Nothing ever overflows:
// every operation that would make the text longer than N cuts it at N.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace kiosk {

template <std::size_t N>
class ShortStr {
  static_assert(N >= 1 && N <= 255, "a short string holds 1..255 characters");

 public:
  static constexpr std::size_t kMax = N;

  ShortStr() = default;
  ShortStr(std::string_view s) { assign(s); }        // NOLINT: implicit, and cuts at N
  ShortStr(const char* s) { assign(std::string_view(s)); }  // NOLINT
  template <std::size_t M>
  ShortStr(const ShortStr<M>& o) { assign(o.view()); }  // NOLINT

  ShortStr& operator=(std::string_view s) { assign(s); return *this; }
  ShortStr& operator=(const char* s) { assign(std::string_view(s)); return *this; }
  template <std::size_t M>
  ShortStr& operator=(const ShortStr<M>& o) { assign(o.view()); return *this; }

  // Replaces the text, cutting it at N; the unused tail is zeroed so that a
  // record written to disk holds no stale bytes.
  void assign(std::string_view s) {
    std::size_t n = std::min(s.size(), N);
    if (n) std::memmove(data_, s.data(), n);
    if (n < N) std::memset(data_ + n, 0, N - n);
    len_ = static_cast<std::uint8_t>(n);
  }

  // Appends as much of s as fits.
  ShortStr& append(std::string_view s) {
    std::size_t cur = size();
    std::size_t room = N - cur;
    std::size_t n = std::min(s.size(), room);
    if (n) std::memmove(data_ + cur, s.data(), n);
    len_ = static_cast<std::uint8_t>(cur + n);
    return *this;
  }
  ShortStr& append(char c) { return append(std::string_view(&c, 1)); }
  ShortStr& operator+=(std::string_view s) { return append(s); }
  ShortStr& operator+=(char c) { return append(c); }
  template <std::size_t M>
  ShortStr& operator+=(const ShortStr<M>& o) { return append(o.view()); }

  // A record read straight from disk may carry a length byte above N; every
  // reader sees at most N characters, so a damaged byte never reads past the
  // field.
  std::size_t size() const { return std::min<std::size_t>(len_, N); }
  std::size_t length() const { return size(); }
  bool empty() const { return len_ == 0; }
  static constexpr std::size_t max_size() { return N; }

  // Sets the length byte directly, cut at N, as code that builds a field
  // byte by byte does. Bytes past the old length keep whatever they held.
  void set_length(std::size_t n) { len_ = static_cast<std::uint8_t>(std::min(n, N)); }
  void clear() { assign({}); }

  // Zero-based character access within 0..N-1 (out-of-range reads give 0
  // and writes are ignored, so a wrong index can never touch other memory).
  char operator[](std::size_t i) const { return i < N ? data_[i] : '\0'; }
  char& at_unchecked(std::size_t i) { return data_[i]; }
  void set(std::size_t i, char c) { if (i < N) data_[i] = c; }

  std::string_view view() const { return std::string_view(data_, size()); }
  std::string str() const { return std::string(view()); }
  operator std::string_view() const { return view(); }  // NOLINT
  const char* data() const { return data_; }

  // Raw image as stored on disk: the length byte then N characters.
  static constexpr std::size_t kStoredSize = N + 1;
  void store(unsigned char* out) const {
    out[0] = len_;
    std::memcpy(out + 1, data_, N);
  }
  // Reads a stored image; a length byte above N (a damaged record) is cut.
  void load(const unsigned char* in) {
    std::memcpy(data_, in + 1, N);
    len_ = static_cast<std::uint8_t>(std::min<std::size_t>(in[0], N));
  }

  friend bool operator==(const ShortStr& a, const ShortStr& b) { return a.view() == b.view(); }
  friend bool operator==(const ShortStr& a, std::string_view b) { return a.view() == b; }
  friend bool operator==(const ShortStr& a, const char* b) { return a.view() == std::string_view(b); }
  friend auto operator<=>(const ShortStr& a, const ShortStr& b) { return a.view() <=> b.view(); }

 private:
  std::uint8_t len_ = 0;
  char data_[N] = {};
};

using Str255 = ShortStr<255>;

static_assert(sizeof(ShortStr<10>) == 11, "short strings are stored without padding");
static_assert(alignof(ShortStr<10>) == 1, "short strings pack into records without padding");

}  // namespace kiosk
