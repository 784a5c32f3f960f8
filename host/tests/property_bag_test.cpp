#include "host/property_bag.h"

#include <gtest/gtest.h>

#include <optional>

namespace vorlane {
namespace {

TEST(PropertyBag, ValueEqualToItsDefaultIsLeftOut) {
  PropertyBag bag;
  bag.writeInt("ButtonType", 3, 3);
  EXPECT_FALSE(bag.contains("ButtonType"));
  bag.writeInt("ButtonType", 5, 3);
  EXPECT_EQ(bag.read("ButtonType"), "5");
  bag.writeInt("ButtonType", 3, 3);  // back to the default: the key goes again
  EXPECT_FALSE(bag.contains("ButtonType"));
}

TEST(PropertyBag, AbsentKeysReadAsTheDefault) {
  const PropertyBag bag;
  EXPECT_TRUE(bag.readBool("Enabled", true));
  EXPECT_EQ(bag.readInt("Min", -7), -7);
  EXPECT_EQ(bag.readUnsigned("BackColor", 0x8000000Fu), 0x8000000Fu);
  EXPECT_DOUBLE_EQ(bag.readDouble("Size", 8.25), 8.25);
  EXPECT_EQ(bag.readString("Caption", "Ap&ply"), "Ap&ply");
}

TEST(PropertyBag, RoundTripsEveryType) {
  PropertyBag bag;
  bag.writeBool("Value", true, false);
  bag.writeInt("Min", -40, 0);
  bag.writeUnsigned("BackColor", 0xFFFF00u, 0);
  bag.writeDouble("Size", 9.75, 8.25);
  bag.writeString("Caption", "Stealth ", "");
  EXPECT_TRUE(bag.readBool("Value", false));
  EXPECT_EQ(bag.readInt("Min", 0), -40);
  EXPECT_EQ(bag.readUnsigned("BackColor", 0), 0xFFFF00u);
  EXPECT_DOUBLE_EQ(bag.readDouble("Size", 8.25), 9.75);
  EXPECT_EQ(bag.readString("Caption", ""), "Stealth ");  // trailing blank kept
}

TEST(PropertyBag, StoredTextReadsAsItsValueOrBadTextAsTheDefault) {
  struct Case {
    const char* stored;
    std::optional<bool> truth;            // as readBool reads it; unset: the default
    std::optional<std::int32_t> integer;  // as readInt reads it; unset: the default
  };
  const Case cases[] = {
      {"False", false, std::nullopt},
      {"true", true, std::nullopt},
      {"0", false, 0},
      {"-1", true, -1},
      {"maybe", std::nullopt, std::nullopt},
      {"12abc", std::nullopt, std::nullopt},
      {"99999999999", true, std::nullopt},  // beyond 32 bits
      {"", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    PropertyBag bag;
    bag.write("Key", c.stored);
    EXPECT_EQ(bag.readBool("Key", true), c.truth.value_or(true)) << c.stored;
    EXPECT_EQ(bag.readBool("Key", false), c.truth.value_or(false)) << c.stored;
    EXPECT_EQ(bag.readInt("Key", 7), c.integer.value_or(7)) << c.stored;
  }
  PropertyBag bag;
  bag.write("Color", "-1");
  bag.write("Size", "8.25pt");
  EXPECT_EQ(bag.readUnsigned("Color", 3), 3u);
  EXPECT_DOUBLE_EQ(bag.readDouble("Size", 4.0), 4.0);
}

}  // namespace
}  // namespace vorlane
