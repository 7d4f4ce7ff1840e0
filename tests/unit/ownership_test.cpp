// The lowering guards: Base value minus one against the threshold of every owned item.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>

#include "form_fixture.h"

namespace tessmar {
namespace {

class Guards : public FormFixture {};

TEST_F(Guards, NothingOwnedAllowsAnyValue)
{
    for (const char* value : {"8", "1", "20"}) {
        okflag = 0;
        form.spellprecheck(value, okflag);
        EXPECT_EQ(okflag, flag_true);
        okflag = 0;
        form.techprecheck(value, okflag);
        EXPECT_EQ(okflag, flag_true);
    }
}

TEST_F(Guards, SpellRankThresholds)
{
    struct Case {
        std::size_t college, rank;
        const char* will;
        std::int16_t verdict;
    };
    const std::array<Case, 7> cases{{
        {0, 0, "7", flag_true},    // 6 is not below 6
        {0, 0, "6", flag_false},
        {3, 1, "10", flag_true},   // rank 1 needs 9
        {3, 1, "9", flag_false},
        {15, 4, "19", flag_true},  // rank 4 needs 18
        {15, 4, "18", flag_false},
        {7, 2, "12", flag_false},  // rank 2 needs 12
    }};
    for (const Case& c : cases) {
        form.reset_spells();
        form.spells[c.college][c.rank] = flag_true;
        okflag = 0;
        form.spellprecheck(c.will, okflag);
        EXPECT_EQ(okflag, c.verdict) << c.college << ',' << c.rank << " at " << c.will;
    }
}

TEST_F(Guards, SchematicPositionThresholds)
{
    for (std::size_t position = 0; position < schematic_positions; ++position) {
        const std::size_t needed = 7 + 2 * position;
        for (const std::size_t discipline : {std::size_t{0}, std::size_t{7}}) {
            form.reset_tech();
            form.techpurchased[discipline][position] = flag_true;
            okflag = 0;
            form.techprecheck(std::to_string(needed + 1), okflag);
            EXPECT_EQ(okflag, flag_true) << position;
            form.techprecheck(std::to_string(needed), okflag);
            EXPECT_EQ(okflag, flag_false) << position;
        }
    }
}

TEST_F(Guards, ResetsClearOnlyTheirTable)
{
    form.spells[2][0] = flag_true;
    form.techpurchased[1][0] = flag_true;
    form.spellcount = 1;
    form.reset_spells();
    EXPECT_EQ(form.spells[2][0], flag_false);
    EXPECT_EQ(form.techpurchased[1][0], flag_true);
    EXPECT_EQ(form.spellcount, 1);
    form.reset_tech();
    EXPECT_EQ(form.techpurchased[1][0], flag_false);
}

}  // namespace
}  // namespace tessmar
