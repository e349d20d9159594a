#include "toolkit/unique_handle.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct FakeObject {
    int id;
};

// Records which handles were released and by which owner context.
struct Ledger {
    std::vector<int> released;
};

struct ReleaseInto {
    Ledger* ledger = nullptr;
    void operator()(FakeObject* object) const noexcept { ledger->released.push_back(object->id); }
};

using UniqueFake = toolkit::UniqueHandle<FakeObject*, ReleaseInto>;

TEST(UniqueHandle, ReleasesExactlyOnceThroughMovesAndResets) {
    Ledger ledger;
    FakeObject a{1}, b{2}, c{3};
    {
        UniqueFake first(&a, ReleaseInto{&ledger});
        UniqueFake second = std::move(first); // moving hands over, never releases
        EXPECT_FALSE(first);
        EXPECT_TRUE(ledger.released.empty());
        second.reset(&b); // replacing releases the old handle
        EXPECT_EQ(ledger.released, std::vector<int>{1});
        UniqueFake third(&c, ReleaseInto{&ledger});
        FakeObject* given = third.release(); // released ownership: never released by us
        EXPECT_EQ(given, &c);
    }
    EXPECT_EQ(ledger.released, (std::vector<int>{1, 2}));
}

TEST(UniqueHandle, EmptyOwnerReleasesNothing) {
    Ledger ledger;
    { UniqueFake empty(nullptr, ReleaseInto{&ledger}); }
    EXPECT_TRUE(ledger.released.empty());
}

TEST(UniqueHandle, DeleterCarriesItsContext) {
    // The release context (the window a DC came from, the DC to select back into) travels
    // with the owner through moves.
    Ledger one, two;
    FakeObject a{7}, b{8};
    UniqueFake x(&a, ReleaseInto{&one});
    UniqueFake y(&b, ReleaseInto{&two});
    y = std::move(x);
    EXPECT_EQ(two.released, std::vector<int>{8});
    y.reset();
    EXPECT_EQ(one.released, std::vector<int>{7});
}

static_assert(!std::is_copy_constructible_v<UniqueFake>, "owners must not be copyable");

} // namespace
