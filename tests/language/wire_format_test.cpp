// The byte format: exact layout, round trips, determinism, and the reader's
// behaviour on damaged and hostile bytes.
#include "wire_format.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "language/packet.h"

namespace {

using language::kMaxNestingDepth;
using language::wire::Decode;
using language::wire::Encode;
using language::wire::IsPacket;
using language::wire::NestingDepth;
using language::wire::Verify;

std::string Le32(std::uint32_t v) {
  std::string out;
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(v >> shift));
  return out;
}

std::string Header(std::uint8_t flags, std::int32_t kind, std::uint32_t count) {
  return std::string("CEPK\x01", 5) + static_cast<char>(flags) +
         Le32(static_cast<std::uint32_t>(kind)) + Le32(count);
}

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

// Every value type, extremes, a nested packet and text outside the BMP.
__packet Sample() {
  __packet child(5);
  child << __val(1, 17u) << __val(2, L"hint \U0001F600") << __val(3, RECT{0, -4, 24, 24});
  __packet p(1);
  p << __val(1, 0xFFFFFFFFu) << __val(2, INT_MIN) << __val(3, SIZE{640, -1})
    << __val(4, RECT{INT_MIN, 0, INT_MAX, -1}) << __val(5, L"caption") << __val(-6, child.data())
    << __val(7, std::string()) << __val(8, std::wstring()) << __val(INT_MAX, L"\U0010FFFF");
  return p;
}

std::string Bytes(const __packet& p) {
  std::string out;
  Encode(p, out);
  return out;
}

// The reader's one invariant on any input: it either rejects the bytes, or
// gives a packet whose encoding is exactly those bytes; and all its entry
// points agree.
void ExpectCanonicalOrRejected(const std::string& bytes) {
  const std::optional<__packet> decoded = Decode(bytes);
  ASSERT_EQ(decoded.has_value(), !Verify(bytes).has_value()) << Hex(bytes);
  ASSERT_EQ(decoded.has_value(), IsPacket(bytes));
  __packet received(99);
  received << __val(1, 1u);
  const bool ok = received.receive(reinterpret_cast<const unsigned char*>(bytes.data()),
                                   static_cast<unsigned long>(bytes.size()));
  if (bytes.empty()) return;
  ASSERT_EQ(ok, decoded.has_value());
  if (decoded) {
    ASSERT_EQ(Bytes(*decoded), bytes) << Hex(bytes);
    ASSERT_EQ(received, *decoded);
  } else {
    ASSERT_TRUE(received.empty());
    ASSERT_EQ(NestingDepth(bytes), std::nullopt);
  }
}

TEST(WireFormat, ExactLayout) {
  __packet p(7);
  p << __val(2, 0x01020304u) << __val(-1, L"A\U0001F600") << __val(3, -2) << __val(4, SIZE{1, 2})
    << __val(5, std::string("xy")) << __val(6, RECT{-1, 0, 1, 2});
  const std::vector<std::string> rows = {
      "4345504b 01 01 07000000 06000000",     // header: magic, version, flags, kind, count
      "02000000 01 04030201",                 // key 2, u32
      "ffffffff 05 03000000 4100 3dd8 00de",  // key -1, text of 3 units: a surrogate pair
      "03000000 02 feffffff",                 // key 3, i32
      "04000000 03 01000000 02000000",        // key 4, SIZE
      "05000000 06 02000000 7879",            // key 5, byte string
      "06000000 04 ffffffff 00000000 01000000 02000000",  // key 6, RECT
  };
  std::string expected;
  for (const std::string& row : rows) {
    for (char c : row) {
      if (c != ' ') expected += c;
    }
  }
  EXPECT_EQ(Hex(p.data()), expected);
}

TEST(WireFormat, EmptyPacketIsAHeaderNotNothing) {
  const std::string bytes = __packet().data();
  EXPECT_EQ(bytes, Header(0, 0, 0));
  EXPECT_EQ(bytes.size(), language::wire::kHeaderSize);
  EXPECT_EQ(Decode(bytes), __packet());
  EXPECT_FALSE(IsPacket(""));
  EXPECT_EQ(__packet(0).data(), Header(1, 0, 0));
}

TEST(WireFormat, RoundTripOfEveryType) {
  const __packet p = Sample();
  const std::optional<__packet> back = Decode(p.data());
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, p);
  EXPECT_EQ(back->keys(), p.keys());
  EXPECT_EQ(*(*back)[INT_MAX].wstr(), L"\U0010FFFF");

  const __packet child = (*back)[-6];
  EXPECT_EQ(child.kind(), 5);
  EXPECT_EQ(*child[2].wstr(), L"hint \U0001F600");
}

TEST(WireFormat, EqualPacketsGiveEqualBytes) {
  __packet reused(1);
  reused << __val(1, 1u) << __val(2, L"old") << __val(3, 3u);
  reused < __val(2, L"new");
  __packet fresh(1);
  fresh << __val(1, 1u) << __val(2, L"new") << __val(3, 3u);
  EXPECT_EQ(reused.data(), fresh.data());
  EXPECT_EQ(Sample().data(), Sample().data());

  std::string appended = "prefix";
  Encode(fresh, appended);
  EXPECT_EQ(appended, "prefix" + fresh.data());
}

TEST(WireFormat, WideTextOnTheWire) {
  // A lone surrogate travels unchanged both ways.
  const std::wstring lone = {static_cast<wchar_t>(0xDC00), L'a', static_cast<wchar_t>(0xD800)};
  __packet p;
  p << __val(1, lone);
  EXPECT_EQ(*Decode(p.data())->find(1)->wstr(), lone);

  if constexpr (sizeof(wchar_t) == 4) {
    // What UTF-16 cannot carry becomes U+FFFD.
    __packet wide;
    wide << __val(1, std::wstring{static_cast<wchar_t>(0x110000), static_cast<wchar_t>(-1)});
    EXPECT_EQ(*Decode(wide.data())->find(1)->wstr(), L"\uFFFD\uFFFD");

    // Two separate surrogate characters that form a pair read back as one.
    __packet split;
    split << __val(1, std::wstring{static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)});
    EXPECT_EQ(*Decode(split.data())->find(1)->wstr(), L"\U0001F600");
  }
}

TEST(WireFormat, RejectsEachKindOfMalformedHeader) {
  struct Case {
    const char* what;
    std::string bytes;
    std::size_t offset;
  };
  std::string bad_version = Header(0, 0, 0);
  bad_version[4] = 2;
  const Case cases[] = {
      {"too short", Header(0, 0, 0).substr(0, 13), 13},
      {"bad magic", "CEPX" + Header(0, 0, 0).substr(4), 0},
      {"bad version", bad_version, 4},
      {"unknown flag", Header(0x02, 0, 0), 5},
      {"kind without flag", Header(0, 7, 0), 6},
      {"count past the end", Header(0, 0, 1), 10},
      {"absurd count", Header(0, 0, 0xFFFFFFFF) + std::string(64, '\0'), 10},
      {"trailing byte", Header(0, 0, 0) + '\0', 14},
  };
  for (const Case& c : cases) {
    const auto error = Verify(c.bytes);
    ASSERT_TRUE(error) << c.what;
    EXPECT_EQ(error->offset, c.offset) << c.what << ": " << error->message();
    EXPECT_FALSE(Decode(c.bytes)) << c.what;
  }
  EXPECT_EQ(Verify(Header(0, 0, 1))->message(),
            "entry count larger than the bytes left can hold at byte 10");
}

TEST(WireFormat, RejectsEachKindOfMalformedEntry) {
  const std::string one = Header(0, 0, 1);
  const std::string two = Header(0, 0, 2);
  const std::string u32_entry_1 = Le32(1) + '\x01' + Le32(0);
  const std::string u32_entry_2 = Le32(2) + '\x01' + Le32(0);
  const std::string cases[] = {
      one + Le32(1) + '\x00' + Le32(0),                           // tag 0
      one + Le32(1) + '\x07' + Le32(0),                           // tag 7
      one + Le32(1) + '\x03' + Le32(0),                           // SIZE cut short
      one + Le32(1) + '\x05' + Le32(0xFFFFFFFF),                  // absurd text length
      one + Le32(1) + '\x06' + Le32(0xFFFFFFFF),                  // absurd byte length
      one + Le32(1) + '\x05' + Le32(3) + std::string(5, 'a'),     // text length past the end
      one + Le32(1) + '\x06' + Le32(1) + "ab",                    // trailing byte after a string
      two + u32_entry_1 + u32_entry_1,                            // key twice, adjacent
      Header(0, 0, 3) + u32_entry_2 + u32_entry_1 + u32_entry_2,  // key twice, apart
  };
  for (const std::string& bytes : cases) EXPECT_FALSE(Decode(bytes)) << Hex(bytes);
  EXPECT_TRUE(Decode(two + u32_entry_2 + u32_entry_1));  // descending keys are fine
  EXPECT_EQ(Verify(Header(0, 0, 3) + u32_entry_2 + u32_entry_1 + u32_entry_2)->offset, 32u);
}

TEST(WireFormat, EveryTruncationFails) {
  const std::string bytes = Sample().data();
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    ASSERT_FALSE(Decode(std::string_view(bytes).substr(0, n))) << n;
  }
}

TEST(WireFormat, EverySingleByteChangeIsRejectedOrCanonical) {
  const std::string bytes = Sample().data();
  int accepted = 0;
  int rejected = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    for (int value = 0; value < 256; ++value) {
      std::string mutated = bytes;
      if (static_cast<unsigned char>(mutated[i]) == value) continue;
      mutated[i] = static_cast<char>(value);
      ExpectCanonicalOrRejected(mutated);
      ++(IsPacket(mutated) ? accepted : rejected);
    }
  }
  // Payload bytes can change freely; structure bytes cannot.
  EXPECT_GT(accepted, 0);
  EXPECT_GT(rejected, 0);
}

TEST(WireFormat, RandomBytes) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 80);
  const std::string header_start = Header(0, 0, 0).substr(0, 5);
  for (int i = 0; i < 10000; ++i) {
    std::string bytes;
    // Half the cases start like a packet so the reader gets past the magic.
    if (i % 2 == 1) bytes = header_start;
    for (int n = length(random); n > 0; --n) bytes.push_back(static_cast<char>(byte(random)));
    ExpectCanonicalOrRejected(bytes);
  }
}

// A packet nested `levels` times, each level a packet whose only value is the
// next level's bytes, the innermost the empty packet. Built outside in, as one
// buffer, since each level's bytes are its prefix followed by the level inside.
std::string DeeplyNested(int levels) {
  std::vector<std::size_t> sizes{language::wire::kHeaderSize};
  for (int i = 0; i < levels; ++i) sizes.push_back(sizes.back() + language::wire::kHeaderSize + 9);
  std::string bytes;
  bytes.reserve(sizes.back());
  for (int i = levels; i > 0; --i) {
    bytes += Header(0, 0, 1) + Le32(1) + '\x06' + Le32(static_cast<std::uint32_t>(sizes[i - 1]));
  }
  return bytes + Header(0, 0, 0);
}

TEST(WireFormat, NestingDepth) {
  __packet leaf(2);
  leaf << __val(1, std::string("not a packet")) << __val(2, std::string());
  __packet middle;
  middle << __val(1, leaf.data()) << __val(2, __packet().data());
  __packet top(1);
  top << __val(10, middle.data()) << __val(11, leaf.data());
  EXPECT_EQ(NestingDepth(leaf.data()), 1);
  EXPECT_EQ(NestingDepth(top.data()), 3);
  EXPECT_EQ(NestingDepth(top.data(), 2), std::nullopt);
  EXPECT_EQ(NestingDepth("not a packet"), std::nullopt);
}

TEST(WireFormat, TenThousandLevelsAreMeasuredWithoutRecursion) {
  const std::string deep = DeeplyNested(10000);
  ASSERT_TRUE(IsPacket(deep));
  EXPECT_EQ(NestingDepth(deep), std::nullopt);  // beyond kMaxNestingDepth
  EXPECT_EQ(NestingDepth(deep, 20000), 10001);
  EXPECT_EQ(NestingDepth(DeeplyNested(kMaxNestingDepth - 1)), kMaxNestingDepth);
  EXPECT_EQ(NestingDepth(DeeplyNested(kMaxNestingDepth)), std::nullopt);

  // Decoding takes one level at a time.
  const std::optional<__packet> outer = Decode(deep);
  ASSERT_TRUE(outer);
  EXPECT_TRUE(IsPacket(*outer->find(1)->bytes()));
}

// Mutation fuzzing without a fuzzing engine: damaged variants of valid
// packets, checked against the reader's invariant. Accepted variants join the
// corpus so later rounds start from them too.
TEST(WireFormat, FuzzSmoke) {
  __packet nested;
  nested << __val(1, Sample().data()) << __val(2, DeeplyNested(3));
  std::vector<std::string> corpus = {Sample().data(), __packet().data(), nested.data(),
                                     DeeplyNested(5)};
  std::mt19937 random(7);
  auto below = [&](std::size_t n) {
    return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  const unsigned char interesting[] = {0x00, 0x01, 0x05, 0x06, 0x07, 0x7F, 0x80, 0xFF};
  for (int round = 0; round < 50000; ++round) {
    std::string bytes = corpus[below(corpus.size())];
    for (std::size_t edits = 1 + below(4); edits > 0; --edits) {
      const std::size_t at = below(bytes.size() + 1);
      switch (below(6)) {
        case 0:
          if (at < bytes.size()) bytes[at] ^= static_cast<char>(1 << below(8));
          break;
        case 1:
          if (at < bytes.size()) bytes[at] = static_cast<char>(interesting[below(8)]);
          break;
        case 2:
          bytes.insert(at, 1, static_cast<char>(below(256)));
          break;
        case 3:
          if (at < bytes.size()) bytes.erase(at, 1 + below(8));
          break;
        case 4:
          bytes.resize(at);
          break;
        case 5: {
          const std::string& other = corpus[below(corpus.size())];
          const std::size_t from = below(other.size());
          bytes.insert(at, other.substr(from, below(32)));
          break;
        }
      }
    }
    ExpectCanonicalOrRejected(bytes);
    if (IsPacket(bytes) && corpus.size() < 256) corpus.push_back(bytes);
  }
}

}  // namespace
