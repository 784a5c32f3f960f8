#include "host/property_bag.h"

#include <gtest/gtest.h>

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

TEST(PropertyBag, BadTextFallsBackToTheDefault) {
  PropertyBag bag;
  bag.write("Min", "12abc");
  bag.write("Max", "99999999999");  // beyond 32 bits
  bag.write("Color", "-1");
  bag.write("Size", "8.25pt");
  bag.write("Flag", "maybe");
  EXPECT_EQ(bag.readInt("Min", 1), 1);
  EXPECT_EQ(bag.readInt("Max", 2), 2);
  EXPECT_EQ(bag.readUnsigned("Color", 3), 3u);
  EXPECT_DOUBLE_EQ(bag.readDouble("Size", 4.0), 4.0);
  EXPECT_TRUE(bag.readBool("Flag", true));
}

TEST(PropertyBag, TruthWordsAndNumbers) {
  PropertyBag bag;
  bag.write("a", "False");
  bag.write("b", "true");
  bag.write("c", "0");
  bag.write("d", "-1");
  EXPECT_FALSE(bag.readBool("a", true));
  EXPECT_TRUE(bag.readBool("b", false));
  EXPECT_FALSE(bag.readBool("c", true));
  EXPECT_TRUE(bag.readBool("d", false));
}

}  // namespace
}  // namespace vorlane
