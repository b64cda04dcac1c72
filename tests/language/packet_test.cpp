// Semantics of __packet and __val: storing, ordering, typing, equality,
// nesting and receive().
#include "language/packet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <utility>
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

TEST(Packet, ReceiveOverOldValuesOfOtherTypes) {
  // receive() writes over the packet's old values; whatever stood at each
  // place before, the result is the sent packet and nothing more.
  __packet sent(7);
  sent << __val(1, std::string("bytes")) << __val(2, L"text") << __val(3, RECT{1, 2, 3, 4});
  const std::string bytes = sent.data();
  const std::vector<__packet> befores = [] {
    __packet longer(2);
    longer << __val(5, L"old") << __val(6, std::string(300, 'x')) << __val(7, 7u) << __val(8, -8)
           << __val(9, SIZE{1, 1});
    __packet shorter;
    shorter << __val(1, 1u);
    return std::vector<__packet>{__packet(), shorter, longer};
  }();
  for (__packet target : befores) {
    EXPECT_TRUE(target.receive(Bytes(bytes), bytes.size()));
    EXPECT_EQ(target, sent);
    EXPECT_EQ(target.data(), bytes);
  }
}

// The index that large packets keep must give exactly the answers of a plain
// search: the same order, the same first-insert and replace rules, through
// growth past the index's threshold and shrinking below it again.
TEST(Packet, LargePacketsFollowTheSameRulesAsSmallOnes) {
  std::vector<std::pair<int, unsigned>> model;  // the values in stored order
  const auto at = [&](int key) {
    return std::find_if(model.begin(), model.end(), [&](const auto& v) { return v.first == key; });
  };
  std::mt19937 random(12345);
  __packet packet(1);
  for (unsigned step = 0; step < 20000; ++step) {
    // Few keys at first, then many, then few again: the packet grows past
    // the threshold and falls back under it.
    const int span = step < 5000 ? 40 : step < 15000 ? 3000 : 60;
    const int key = static_cast<int>(random() % static_cast<unsigned>(span)) - 5;
    switch (random() % 4) {
      case 0:  // add: a present key moves last
        if (auto held = at(key); held != model.end()) model.erase(held);
        model.emplace_back(key, step);
        packet << __val(key, step);
        break;
      case 1:  // set: a present key keeps its place
        if (auto held = at(key); held != model.end()) {
          held->second = step;
        } else {
          model.emplace_back(key, step);
        }
        packet < __val(key, step);
        break;
      case 2:
        if (auto held = at(key); held != model.end()) model.erase(held);
        packet.remval(key);
        break;
      default:  // storing nothing (an absent key's value) removes the key
        if (auto held = at(key); held != model.end()) model.erase(held);
        if (step % 2 == 0) {
          packet << __packet()[key];
        } else {
          packet < __packet()[key];
        }
        break;
    }
    if (step % 997 == 0 || step == 19999) {
      ASSERT_EQ(packet.size(), model.size()) << "step " << step;
      for (std::size_t i = 0; i < model.size(); ++i) {
        ASSERT_EQ(packet.values()[i].key(), model[i].first) << "step " << step;
        ASSERT_EQ(packet.values()[i].u32(), model[i].second) << "step " << step;
        ASSERT_EQ(packet.find(model[i].first), &packet.values()[i]) << "step " << step;
      }
      ASSERT_EQ(packet.find(-6), nullptr);
      const std::string bytes = packet.data();
      __packet copy;
      ASSERT_TRUE(copy.receive(Bytes(bytes), bytes.size()));
      ASSERT_EQ(copy, packet);
      for (const auto& [key, value] : model) ASSERT_EQ(copy[key].u32(), value);
    }
  }
}

// A million values added, set and found: linear work per value would take
// hours, so the test's time limit (tests/CMakeLists.txt) catches it.
TEST(Packet, AMillionValuesAreAddedSetAndFound) {
  constexpr unsigned kCount = 1000000;
  const auto key_of = [](unsigned i) { return static_cast<int>(i * 2654435761u); };
  __packet packet;
  for (unsigned i = 0; i < kCount; ++i) packet << __val(key_of(i), i);
  for (unsigned i = 0; i < kCount; i += 2) packet < __val(key_of(i), i + 1);
  ASSERT_EQ(packet.size(), kCount);
  for (unsigned i = 0; i < kCount; ++i) {
    const __val* held = packet.find(key_of(i));
    ASSERT_NE(held, nullptr) << i;
    ASSERT_EQ(held->u32(), i % 2 == 0 ? i + 1 : i) << i;
    ASSERT_EQ(packet.values()[i].key(), key_of(i)) << i;  // setting kept every place
  }
  const std::string bytes = packet.data();
  __packet received;
  ASSERT_TRUE(received.receive(Bytes(bytes), bytes.size()));
  EXPECT_EQ(received, packet);
  EXPECT_EQ(received[key_of(kCount - 1)].u32(), kCount - 1);
}

}  // namespace
