#include <gtest/gtest.h>

#include "platform/store/tests/store_fixture.h"

namespace vx::store::testing {
namespace {

TEST(Schema, NamesAreFoundWithoutCaseAndWithPrefix) {
    const FileDef& def = itemDef();
    EXPECT_EQ(def.fieldIndex("sum"), F_SUM);
    EXPECT_EQ(def.fieldIndex("NOPE"), -1);
    EXPECT_EQ(def.keyIndex("k2"), ById);
    EXPECT_EQ(def.keyIndex("itm:K3"), ByKindSum);
    EXPECT_EQ(def.keyIndex("PAS:K1"), -1);
    EXPECT_EQ(def.memoIndex(), F_PRIM);
}

TEST(Schema, StoringConvertsAsAnAssignment) {
    const FileDef& def = itemDef();
    Item r;
    setField(def.fields[F_SUM], &r, Value(Decimal::fromMantissa(1005, 3)));  // 1.005
    EXPECT_EQ(r.SUM.mantissa(), 101);                                        // halves away from zero
    setField(def.fields[F_SUM], &r, Value("-2.345"));
    EXPECT_EQ(r.SUM.mantissa(), -235);
    setField(def.fields[F_ID], &r, Value(Decimal::fromMantissa(-27, 1)));  // -2.7
    EXPECT_EQ(r.ID, -2);
    setField(def.fields[F_KIND], &r, Value(Decimal::fromMantissa(39, 1)));  // 3.9
    EXPECT_EQ(r.KIND, 3);
    setField(def.fields[F_NAME], &r, Value("Ёлка зелёная у дома и ещё дальше  "));
    EXPECT_EQ(getField(def.fields[F_NAME], &r).text(), "Ёлка зелёная у дома");  // 20 characters, clipped
    EXPECT_EQ(getField(def.fields[F_SUM], &r).number(), Decimal::fromMantissa(-235, 2));
}

TEST(Schema, BlankKeysAndRecordComparison) {
    const FileDef& def = itemDef();
    Item a, b;
    clearRecord(def, &a);
    EXPECT_TRUE(keyIsBlank(def, def.keys[ByKindSum], &a));
    a.SUM = Decimal::fromMantissa(1, 2);
    EXPECT_FALSE(keyIsBlank(def, def.keys[ByKindSum], &a));
    EXPECT_TRUE(keyIsBlank(def, def.keys[ByName], &a));

    a.NAME = "Берёза";
    b = a;
    b.NAME = "Берёза   ";
    EXPECT_TRUE(sameRecord(def, &a, &b));
    b.NAME = "берёза";
    EXPECT_FALSE(sameRecord(def, &a, &b));  // records compare with case, keys without
    b = a;
    b.PRIM = "заметка";
    EXPECT_FALSE(sameRecord(def, &a, &b));
}

}  // namespace
}  // namespace vx::store::testing
