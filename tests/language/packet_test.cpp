// Semantics of __packet and __val: storing, ordering, typing, equality,
// nesting and receive().
#include "language/packet.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using Type = __val::Type;

std::vector<int> Keys(std::initializer_list<int> keys) { return keys; }

TEST(Packet, AddMovesAPresentKeyLastWhileSetKeepsItsPlace) {
  __packet p(1);
  p << __val(1, 10u) << __val(2, 20u) << __val(3, 30u);
  EXPECT_EQ(p.keys(), Keys({1, 2, 3}));

  p << __val(1, 11u);
  EXPECT_EQ(p.keys(), Keys({2, 3, 1}));
  EXPECT_EQ(p[1].u32(), 11u);

  p < __val(3, 31u);
  EXPECT_EQ(p.keys(), Keys({2, 3, 1}));
  EXPECT_EQ(p[3].u32(), 31u);

  p < __val(9, 90u);
  EXPECT_EQ(p.keys(), Keys({2, 3, 1, 9}));
  EXPECT_EQ(p.size(), 4u);
}

TEST(Packet, SetCanChangeTheTypeUnderAKey) {
  __packet p;
  p < __val(2, L"text") < __val(2, 0u);
  EXPECT_EQ(p[2].type(), Type::u32);
  EXPECT_EQ(p.size(), 1u);
}

TEST(Packet, RemvalRemovesOnlyThatKey) {
  __packet p;
  p << __val(1, 1) << __val(2, 2) << __val(3, 3);
  p.remval(2);
  p.remval(42);  // absent: nothing happens
  EXPECT_EQ(p.keys(), Keys({1, 3}));
  EXPECT_FALSE(p.has(2));
}

TEST(Packet, AbsentKeyGivesAValueHoldingNothingUnderThatKey) {
  __packet p(3);
  p << __val(1, 5u);
  const __val absent = p[7];
  EXPECT_TRUE(absent.holds_nothing());
  EXPECT_EQ(absent.key(), 7);
  EXPECT_FALSE(absent.u32());
  EXPECT_EQ(absent.wstr(), nullptr);
  EXPECT_EQ(p.find(7), nullptr);
  EXPECT_EQ(p[1], __val(1, 5u));
}

TEST(Packet, StoringNothingRemovesTheKey) {
  __packet source;
  __packet target;
  target << __val(4, 1u) << __val(5, 2u);
  target < source[4];
  target << source[5];
  EXPECT_TRUE(target.values().empty());
  target << __val();  // key 0, nothing: still no value stored
  EXPECT_TRUE(target.values().empty());
}

TEST(Val, IntegerTypesStayDistinct) {
  const __val i(1, -1);
  const __val u(1, 1u);
  const __val ul(1, 1ul);
  EXPECT_EQ(i.type(), Type::i32);
  EXPECT_EQ(i.i32(), -1);
  EXPECT_FALSE(i.u32());
  EXPECT_EQ(u.type(), Type::u32);
  EXPECT_EQ(ul.type(), Type::u32);
  EXPECT_FALSE(ul.i32());
  EXPECT_NE(__val(1, 5), __val(1, 5u));
  EXPECT_EQ(__val(1, 5u), __val(1, 5ul));
}

TEST(Val, UnsignedLongKeepsItsLow32Bits) {
  EXPECT_EQ(__val(1, static_cast<unsigned long>(-1)).u32(), 0xFFFFFFFFu);
  EXPECT_EQ(__val(1, ULONG_MAX).u32(), 0xFFFFFFFFu);
  if constexpr (sizeof(unsigned long) > 4) {
    EXPECT_EQ(__val(1, static_cast<unsigned long>(0x1234567800000005ull)).u32(), 5u);
  }
  EXPECT_EQ(__val(1, INT_MIN).i32(), INT_MIN);
}

TEST(Val, TextAndGeometry) {
  EXPECT_EQ(*__val(1, static_cast<const wchar_t*>(nullptr)).wstr(), L"");
  EXPECT_EQ(*__val(1, L"abc").wstr(), L"abc");
  EXPECT_EQ(*__val(1, std::wstring(L"x\0y", 3)).wstr(), std::wstring(L"x\0y", 3));
  EXPECT_EQ(__val(1, SIZE{3, -4}).size(), (SIZE{3, -4}));
  EXPECT_EQ(__val(1, RECT{0, -4, 24, 24}).rect(), (RECT{0, -4, 24, 24}));
  EXPECT_EQ(*__val(1, std::string("\0\1", 2)).bytes(), std::string("\0\1", 2));
  EXPECT_EQ(__val(1, SIZE{1, 2}).rect(), std::nullopt);
}

TEST(Packet, EqualityNeedsSameKindSameValuesSameOrder) {
  __packet a(5);
  a << __val(1, 1u) << __val(2, L"x");
  __packet b(5);
  b << __val(1, 1u) << __val(2, L"x");
  EXPECT_EQ(a, b);

  __packet reordered(5);
  reordered << __val(2, L"x") << __val(1, 1u);
  EXPECT_NE(a, reordered);

  __packet other_kind(6);
  other_kind << __val(1, 1u) << __val(2, L"x");
  EXPECT_NE(a, other_kind);

  EXPECT_EQ(__packet(), __packet());
  EXPECT_NE(__packet(), __packet(0));  // no kind differs from kind 0
  EXPECT_TRUE(__packet().empty());
  EXPECT_FALSE(__packet(0).empty());
}

TEST(Packet, NestedPacketConvertsBack) {
  __packet child(8);
  child << __val(1, 42u) << __val(3, L"caption");
  __packet parent;
  parent << __val(1, child.data());

  const __packet back = parent[1];
  EXPECT_EQ(back, child);
  EXPECT_EQ(parent[1].as_packet(), child);
}

TEST(Packet, ConversionOfWhatIsNoPacketGivesTheEmptyPacket) {
  const std::vector<__val> not_packets = {
      __val(1, 7u),                   // not bytes at all
      __val(1, std::string()),        // the empty byte string
      __val(1, std::string("CEPK")),  // a truncated header
      __packet()[2],                  // holds nothing
  };
  for (const __val& v : not_packets) {
    EXPECT_EQ(static_cast<__packet>(v), __packet());
    EXPECT_EQ(v.as_packet(), std::nullopt);
  }
  // The empty packet's own bytes are a packet: as_packet tells it apart.
  EXPECT_EQ(__val(1, __packet().data()).as_packet(), __packet());
}

const unsigned char* Bytes(const std::string& s) {
  return reinterpret_cast<const unsigned char*>(s.data());
}

TEST(Packet, ReceiveReplacesKindAndValues) {
  __packet source;  // no kind
  source << __val(9, L"nine");
  const std::string bytes = source.data();

  __packet target(4);
  target << __val(1, 1u) << __val(2, 2u);
  EXPECT_TRUE(target.receive(Bytes(bytes), bytes.size()));
  EXPECT_EQ(target, source);
  EXPECT_FALSE(target.has_kind());
}

TEST(Packet, ReceiveOfNothingEmptiesAndSucceeds) {
  __packet p(4);
  p << __val(1, 1u);
  EXPECT_TRUE(p.receive(nullptr, 0));
  EXPECT_TRUE(p.empty());
}

TEST(Packet, ReceiveOfBadBytesLeavesTheEmptyPacket) {
  __packet good(2);
  good << __val(1, 1u) << __val(2, L"x");
  std::string damaged = good.data();
  damaged.pop_back();

  __packet p(4);
  p << __val(1, 1u);
  EXPECT_FALSE(p.receive(Bytes(damaged), damaged.size()));
  EXPECT_TRUE(p.empty());

  p << __val(1, 1u);
  EXPECT_FALSE(p.receive(nullptr, 5));
  EXPECT_TRUE(p.empty());
}

TEST(Packet, ReceiveFromItsOwnValueIsSafe) {
  __packet child(3);
  child << __val(1, 3u);
  __packet p;
  p << __val(1, child.data());
  const std::string* own = p.find(1)->bytes();
  EXPECT_TRUE(p.receive(Bytes(*own), own->size()));
  EXPECT_EQ(p, child);
}

}  // namespace
