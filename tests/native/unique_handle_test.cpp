#include "toolkit/unique_handle.h"

#include <gtest/gtest.h>

#include <cstdint>
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

// An owner whose empty value is -1 (as INVALID_HANDLE_VALUE is for files): -1 owns nothing,
// every other value, null included, is a handle to release.
struct ReleaseValueInto {
    std::vector<std::intptr_t>* released = nullptr;
    void operator()(void* handle) const noexcept {
        released->push_back(reinterpret_cast<std::intptr_t>(handle));
    }
};
using UniqueFile = toolkit::UniqueHandle<void*, ReleaseValueInto, -1>;

void* HandleOf(std::intptr_t value) {
    return reinterpret_cast<void*>(value);
}

TEST(UniqueHandle, EmptyValueInTheTypeDecidesWhatIsOwned) {
    std::vector<std::intptr_t> released;
    {
        UniqueFile invalid(HandleOf(-1), ReleaseValueInto{&released});
        EXPECT_FALSE(invalid);
        UniqueFile defaulted;
        EXPECT_FALSE(defaulted);
        EXPECT_EQ(static_cast<void*>(defaulted.get()), HandleOf(-1));
        UniqueFile valid(HandleOf(5), ReleaseValueInto{&released});
        EXPECT_TRUE(valid);
        EXPECT_EQ(static_cast<void*>(valid.get()), HandleOf(5));
        UniqueFile moved = std::move(valid);
        EXPECT_FALSE(valid);
        moved.reset(HandleOf(6));
        EXPECT_EQ(released, std::vector<std::intptr_t>{5});
        UniqueFile zero(HandleOf(0), ReleaseValueInto{&released});
        EXPECT_TRUE(zero);
        void* given = UniqueFile(HandleOf(7), ReleaseValueInto{&released}).release();
        EXPECT_EQ(given, HandleOf(7));
    }
    EXPECT_EQ(released, (std::vector<std::intptr_t>{5, 0, 6}));
}
