// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/png.h"

#include "surface/pointerart.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

void putBigEndian(std::string &out, std::uint32_t value) {
  for (const unsigned shift : {24U, 16U, 8U, 0U}) {
    out += static_cast<char>((value >> shift) & 0xFFU);
  }
}

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFU;
  for (const char byte : bytes) {
    crc ^= static_cast<std::uint8_t>(byte);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc >> 1U) ^ (0xEDB88320U & (0U - (crc & 1U)));
    }
  }
  return ~crc;
}

void putChunk(std::string &png, std::string_view type, std::string_view data) {
  putBigEndian(png, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = png.size();
  png += type;
  png += data;
  putBigEndian(png, crc32(std::string_view(png).substr(start)));
}

// Deflate's bits, least significant first; Huffman codes go most significant
// bit first.
class Bits {
public:
  void put(std::uint32_t value, int count) {
    pending_ |= value << static_cast<unsigned>(filled_);
    filled_ += count;
    for (; filled_ >= 8; filled_ -= 8) {
      out_ += static_cast<char>(pending_ & 0xFFU);
      pending_ >>= 8U;
    }
  }
  void code(std::uint32_t code, int length) {
    std::uint32_t reversed = 0;
    for (int i = 0; i < length; ++i) {
      reversed = (reversed << 1U) | ((code >> static_cast<unsigned>(i)) & 1U);
    }
    put(reversed, length);
  }
  std::string finish() {
    if (filled_ > 0) {
      out_ += static_cast<char>(pending_ & 0xFFU);
    }
    return out_;
  }

private:
  std::string out_;
  std::uint32_t pending_ = 0;
  int filled_ = 0;
};

// A literal byte, the block's end (256) or a length code (257 to 285) in
// deflate's fixed code.
void symbol(Bits &bits, unsigned value) {
  if (value < 144) {
    bits.code(0x30 + value, 8);
  } else if (value < 256) {
    bits.code(0x190 + value - 144, 9);
  } else if (value < 280) {
    bits.code(value - 256, 7);
  } else {
    bits.code(0xC0 + value - 280, 8);
  }
}

constexpr std::array<unsigned, 29> kLengthBase{3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<unsigned, 30> kDistanceBase{1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                                 33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                                 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra{0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Each code's extra bits reach exactly to the next code's base, the first
// `codes` of them (the longest length, 258, has a code of its own).
template <std::size_t N>
constexpr bool contiguous(const std::array<unsigned, N> &base, const std::array<int, N> &extra, std::size_t codes = N) {
  for (std::size_t i = 0; i + 1 < codes; ++i) {
    if (base[i] + (1U << static_cast<unsigned>(extra[i])) != base[i + 1]) {
      return false;
    }
  }
  return true;
}
static_assert(contiguous(kLengthBase, kLengthExtra, kLengthBase.size() - 1) &&
              contiguous(kDistanceBase, kDistanceExtra));

// The code whose base is the largest not above `value`, and what it leaves over.
template <std::size_t N> std::pair<std::size_t, unsigned> split(const std::array<unsigned, N> &base, unsigned value) {
  const auto at = static_cast<std::size_t>(std::upper_bound(base.begin(), base.end(), value) - base.begin() - 1);
  return {at, value - base[at]};
}

constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
constexpr std::size_t kWindow = 32768;

// One deflate block in the fixed code. Pixel art repeats the pixel before and
// the row above, so those are tried first, then where the same three bytes
// were last seen.
std::string deflate(std::string_view data, std::size_t stride) {
  Bits bits;
  bits.put(1, 1); // the last block
  bits.put(1, 2); // fixed codes
  std::unordered_map<std::uint32_t, std::size_t> seen;
  const auto key = [&data](std::size_t at) {
    return (static_cast<std::uint32_t>(static_cast<std::uint8_t>(data[at])) << 16U) |
           (static_cast<std::uint32_t>(static_cast<std::uint8_t>(data[at + 1])) << 8U) |
           static_cast<std::uint8_t>(data[at + 2]);
  };
  const auto remember = [&](std::size_t at) {
    if (at + kMinMatch <= data.size()) {
      seen[key(at)] = at;
    }
  };
  for (std::size_t at = 0; at < data.size();) {
    std::size_t length = 0;
    std::size_t distance = 0;
    std::array<std::size_t, 3> from{1, stride, 0};
    if (at + kMinMatch <= data.size()) {
      const auto last = seen.find(key(at));
      from[2] = last == seen.end() ? 0 : at - last->second;
    }
    for (const std::size_t back : from) {
      if (back == 0 || back > at || back > kWindow) {
        continue;
      }
      std::size_t n = 0;
      while (n < kMaxMatch && at + n < data.size() && data[at + n] == data[at - back + n]) {
        ++n;
      }
      if (n > length) {
        length = n;
        distance = back;
      }
    }
    if (length < kMinMatch) {
      symbol(bits, static_cast<std::uint8_t>(data[at]));
      remember(at++);
      continue;
    }
    const auto [lengthCode, lengthRest] = split(kLengthBase, static_cast<unsigned>(length));
    symbol(bits, 257 + static_cast<unsigned>(lengthCode));
    bits.put(lengthRest, kLengthExtra.at(lengthCode));
    const auto [distanceCode, distanceRest] = split(kDistanceBase, static_cast<unsigned>(distance));
    bits.code(static_cast<std::uint32_t>(distanceCode), 5);
    bits.put(distanceRest, kDistanceExtra.at(distanceCode));
    for (const std::size_t end = at + length; at < end;) {
      remember(at++);
    }
  }
  symbol(bits, 256); // the block's end
  return bits.finish();
}

std::string zlib(std::string_view data, std::size_t stride) {
  std::string out = "\x78\x01" + deflate(data, stride);
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const char byte : data) { // Adler-32
    a = (a + static_cast<std::uint8_t>(byte)) % 65521U;
    b = (b + a) % 65521U;
  }
  putBigEndian(out, (b << 16U) | a);
  return out;
}

} // namespace

std::string png(const pointerart::Image &image, int scale) {
  std::vector<pointerart::Argb> palette;
  std::string row;
  std::string rows;
  const std::size_t side = static_cast<std::size_t>(image.size) * static_cast<std::size_t>(scale);
  for (int y = 0; y < image.size; ++y) {
    row = '\0'; // unfiltered
    for (int x = 0; x < image.size; ++x) {
      auto entry = std::find(palette.begin(), palette.end(), image.at(x, y));
      if (entry == palette.end()) {
        entry = palette.insert(entry, image.at(x, y));
      }
      row.append(static_cast<std::size_t>(scale), static_cast<char>(entry - palette.begin()));
    }
    for (int i = 0; i < scale; ++i) {
      rows += row;
    }
  }
  std::string plte;
  std::string trns;
  for (const pointerart::Argb colour : palette) {
    for (const unsigned shift : {16U, 8U, 0U}) {
      plte += static_cast<char>((colour >> shift) & 0xFFU);
    }
    trns += static_cast<char>(colour >> 24U);
  }
  std::string header;
  putBigEndian(header, static_cast<std::uint32_t>(side));
  putBigEndian(header, static_cast<std::uint32_t>(side));
  header += std::string_view("\x08\x03\x00\x00\x00", 5); // 8 bits, palette, deflate, no filter, no interlace
  std::string file = "\x89PNG\r\n\x1A\n";
  putChunk(file, "IHDR", header);
  putChunk(file, "PLTE", plte);
  putChunk(file, "tRNS", trns);
  putChunk(file, "IDAT", zlib(rows, side + 1));
  putChunk(file, "IEND", {});
  return file;
}
