// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/imageurl.h"

#include "surface/pointerart.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
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

// A zlib stream of stored (uncompressed) deflate blocks: the images are small,
// and writing them costs next to nothing.
std::string zlibStored(std::string_view data) {
  constexpr std::size_t kBlock = 0xFFFF;
  std::string out = "\x78\x01";
  std::size_t at = 0;
  do {
    const std::size_t length = std::min(kBlock, data.size() - at);
    out += static_cast<char>(at + length == data.size() ? 1 : 0); // the last block
    for (const std::size_t half : {length, ~length}) {            // LEN and NLEN, low byte first
      out += static_cast<char>(half & 0xFFU);
      out += static_cast<char>((half >> 8U) & 0xFFU);
    }
    out += data.substr(at, length);
    at += length;
  } while (at < data.size());
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const char byte : data) { // Adler-32
    a = (a + static_cast<std::uint8_t>(byte)) % 65521U;
    b = (b + a) % 65521U;
  }
  putBigEndian(out, (b << 16U) | a);
  return out;
}

std::string base64(std::string_view bytes) {
  constexpr std::string_view kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (std::size_t at = 0; at < bytes.size(); at += 3) {
    std::uint32_t group = 0;
    for (std::size_t i = 0; i < 3; ++i) {
      group = (group << 8U) | (at + i < bytes.size() ? static_cast<std::uint8_t>(bytes[at + i]) : 0U);
    }
    for (std::size_t i = 0; i < 4; ++i) {
      out += i <= (bytes.size() - at) ? kDigits[(group >> (18U - (6U * i))) & 0x3FU] : '=';
    }
  }
  return out;
}

} // namespace

// A palette PNG: the art has at most 16 colours and transparency, one byte a
// pixel. Written here rather than by a canvas, which costs the page a canvas
// and its encoder at start-up.
std::string imageUrl(const pointerart::Image &image) {
  std::vector<pointerart::Argb> palette;
  std::string rows;
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    if (i % static_cast<std::size_t>(image.size) == 0) {
      rows += '\0'; // each row unfiltered
    }
    auto entry = std::find(palette.begin(), palette.end(), image.pixels[i]);
    if (entry == palette.end()) {
      entry = palette.insert(entry, image.pixels[i]);
    }
    rows += static_cast<char>(entry - palette.begin());
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
  putBigEndian(header, static_cast<std::uint32_t>(image.size));
  putBigEndian(header, static_cast<std::uint32_t>(image.size));
  header += std::string_view("\x08\x03\x00\x00\x00", 5); // 8 bits, palette, deflate, no filter, no interlace
  std::string png = "\x89PNG\r\n\x1A\n";
  putChunk(png, "IHDR", header);
  putChunk(png, "PLTE", plte);
  putChunk(png, "tRNS", trns);
  putChunk(png, "IDAT", zlibStored(rows));
  putChunk(png, "IEND", {});
  return "data:image/png;base64," + base64(png);
}

std::string cursorCss(const pointerart::Image &image) {
  const std::string hotSpot = std::to_string(pointerart::kHotSpot);
  return "url(" + imageUrl(image) + ") " + hotSpot + " " + hotSpot + ", default";
}
