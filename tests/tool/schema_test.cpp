// `ctrlelem schema`: the reference must name every key the descriptions carry,
// with the type `dump --json` shows for it, so that a host written from it
// reads every value.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>

#include "commands.h"

namespace ctrlelem_tool {
namespace {

using nlohmann::json;

json RunJson(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = Run(args, out, err);
  EXPECT_EQ(status, 0) << err.str();
  return json::parse(out.str());
}

// Walks the dump of every description and looks each value up in the schema:
// a packet with a kind by its kind (a button by the layout its key 2 selects),
// a packet without kind by the role of the key it stands under.
class SchemaWalk {
 public:
  explicit SchemaWalk(const json& schema) {
    for (const json& kind : schema["kinds"]) {
      kinds_[kind["kind"].get<int>()] = kind;
    }
    for (const json& record : schema["packets_without_kind"]) {
      records_[record["role"].get<std::string>()] = record;
    }
  }

  // Where the walk found something the schema does not say, one line each.
  std::set<std::string> misses;
  std::set<int> kinds_seen;
  std::set<std::string> records_seen;

  void Packet(const json& packet, const std::string& path, const std::string& role) {
    if (!packet["kind"].is_null()) {
      Kinded(packet, path);
      return;
    }
    // A hint may stand as its six keys without kind; containers, item lists,
    // submenus and texts have no kind.
    const std::string record = role == "input_hint" ? "hint" : role;
    const auto found = records_.find(record);
    if (found == records_.end()) {
      misses.insert(path + ": a packet without kind where the schema expects " + role);
      return;
    }
    Unkinded(packet, found->second, path);
  }

 private:
  void Kinded(const json& packet, const std::string& path) {
    const int kind = packet["kind"].get<int>();
    kinds_seen.insert(kind);
    const auto found = kinds_.find(kind);
    if (found == kinds_.end()) {
      misses.insert(path + ": kind " + std::to_string(kind) + " is not in the schema");
      return;
    }
    const json* keys = &found->second["keys"];
    if (found->second.contains("layouts")) {
      for (const json& value : packet["values"]) {
        if (value["key"] == 2 && value["type"] == "wstr") {
          keys = &found->second["layouts"][0]["keys"];
        }
      }
    }
    Values(packet, *keys, 0, path, "kind " + std::to_string(kind));
  }

  void Unkinded(const json& packet, const json& record, const std::string& path) {
    records_seen.insert(record["role"].get<std::string>());
    if (record.contains("every_key")) {
      const std::string holds = record["every_key"]["nested"].get<std::string>();
      for (const json& value : packet["values"]) {
        const std::string at = path + "." + value["key"].dump();
        if (value["type"] != "packet") {
          misses.insert(at + ": " + value["type"].get<std::string>() + " in a " +
                        record["role"].get<std::string>());
        } else if (holds == "element" || holds == "image") {
          if (value["value"]["kind"].is_null()) misses.insert(at + ": an element without kind");
          if (holds == "image" && value["value"]["kind"] != 2) misses.insert(at + ": not an image");
          Packet(value["value"], at, holds);
        } else {
          Packet(value["value"], at, holds);
        }
      }
      return;
    }
    Values(packet, record["keys"], record.value("keys_per_item", 0), path,
           record["role"].get<std::string>());
  }

  void Values(const json& packet, const json& keys, int keys_per_item, const std::string& path,
              const std::string& owner) {
    for (const json& value : packet["values"]) {
      const std::string at = path + "." + value["key"].dump();
      int key = value["key"].get<int>();
      if (keys_per_item > 0) key = (key - 1) % keys_per_item + 1;
      const auto field =
          std::find_if(keys.begin(), keys.end(), [key](const json& k) { return k["key"] == key; });
      const std::string type = value["type"].get<std::string>();
      if (field == keys.end()) {
        misses.insert(owner + " key " + std::to_string(key) + " (" + at + ") is not in the schema");
        continue;
      }
      const json& types = (*field)["types"];
      if (std::find(types.begin(), types.end(), type) == types.end()) {
        misses.insert(owner + " key " + std::to_string(key) + " (" + at + ") holds " + type +
                      ", the schema says " + types.dump());
        continue;
      }
      if (type == "packet") {
        Packet(value["value"], at, field->value("nested", std::string("none")));
      }
    }
  }

  std::map<int, json> kinds_;
  std::map<std::string, json> records_;
};

// Under two screens, since some keys' values (not their types) follow it.
TEST(SchemaTest, EveryKeyOfEveryDescriptionIsInTheSchemaWithItsType) {
  const json schema = RunJson({"schema", "--json"});
  ASSERT_EQ(schema["kinds"].size(), 24u);
  for (const char* dpi : {"96", "144x120"}) {
    const json dump = RunJson({"dump", "--json", "--dpi", dpi});
    ASSERT_EQ(dump["descriptions"].size(), 69u);
    SchemaWalk walk(schema);
    for (const json& description : dump["descriptions"]) {
      walk.Packet(description["packet"], description["id"].dump(), "description");
    }
    EXPECT_TRUE(walk.misses.empty()) << [&] {
      std::string lines;
      for (const std::string& miss : walk.misses) lines += miss + "\n";
      return lines;
    }();
    // Every kind of the schema is used, and every packet without kind is
    // reached: the walk went all the way down.
    EXPECT_EQ(walk.kinds_seen.size(), 24u);
    EXPECT_EQ(walk.records_seen.size(), schema["packets_without_kind"].size());
  }
}

// The walk above would pass a schema that says nothing: it must catch a key
// the schema leaves out and a type it does not list.
TEST(SchemaTest, TheWalkFindsAMissingKeyAndAWrongType) {
  json schema = RunJson({"schema", "--json"});
  json& image = schema["kinds"][1];
  ASSERT_EQ(image["kind"], 2);
  image["keys"].erase(image["keys"].begin() + 2);  // key 3, the image flag
  image["keys"][0]["types"] = json::array({"wstr"});
  const json dump = RunJson({"dump", "--json", "102"});
  SchemaWalk walk(schema);
  walk.Packet(dump["descriptions"][0]["packet"], "102", "description");
  const auto mentions = [&walk](const std::string& text) {
    return std::any_of(walk.misses.begin(), walk.misses.end(), [&](const std::string& miss) {
      return miss.find(text) != std::string::npos;
    });
  };
  EXPECT_TRUE(mentions("kind 2 key 3")) << walk.misses.size();
  EXPECT_TRUE(mentions("kind 2 key 1")) << walk.misses.size();
}

// The three forms share their facts: the text and the page name the domains
// the JSON lists, and a colour is documented with its byte order.
TEST(SchemaTest, TheFormsAgreeAndNameTheDomains) {
  const json schema = RunJson({"schema", "--json"});
  std::ostringstream text;
  std::ostringstream markdown;
  std::ostringstream err;
  ASSERT_EQ(ctrlelem_tool::Run({"schema"}, text, err), 0);
  ASSERT_EQ(ctrlelem_tool::Run({"schema", "--markdown"}, markdown, err), 0);
  for (const json& domain : schema["domains"]) {
    const std::string name = domain["name"].get<std::string>();
    EXPECT_NE(text.str().find(name + ": "), std::string::npos) << name;
    EXPECT_NE(markdown.str().find("### " + name + "\n"), std::string::npos) << name;
  }
  EXPECT_NE(markdown.str().find("0x00BBGGRR"), std::string::npos);
  std::ostringstream both;
  EXPECT_EQ(ctrlelem_tool::Run({"schema", "--json", "--markdown"}, both, err), 2);
}

}  // namespace
}  // namespace ctrlelem_tool
