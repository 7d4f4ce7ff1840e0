// Buying a schematic: the rules in their order, with the Intelligence set
// straight into its boxes, and the discipline and schematic lists.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "magick_tech/catalogue.h"
#include "magick_tech/description_catalogue.h"
#include "purchase_invariants.h"
#include "purchase_state.h"

namespace tessmar {
namespace {

constexpr std::string_view bought = "";  // a purchase leaves message_window empty
constexpr std::string_view no_cps = "No CPs left!";
constexpr std::string_view owned = "you already have that one!";
constexpr std::string_view raise_int = "you must raise your Intelligence";
constexpr std::string_view previous = "Need previous Schematic in field";

struct SchematicCase {
    const char* what;
    int discipline, position;
    const char* adjusted_int;
    std::initializer_list<Cell> owned;
    int cps;
    std::string_view message;  // empty: the schematic is bought
    const char* base_int = "8";
};

const SchematicCase schematic_cases[] = {
    {"the pool comes before the owned test", 0, 0, "8", {{0, 0}}, 0, no_cps},
    {"owned, though the Intelligence has fallen since", 2, 3, "8", {{2, 0}, {2, 1}, {2, 2}, {2, 3}}, 5, owned},
    {"position 0 at Intelligence 7", 0, 0, "7", {}, 5, bought},
    {"position 0 at Intelligence 6", 0, 0, "6", {}, 5, raise_int},
    {"position 3 at 13 with position 2", 1, 3, "13", {{1, 0}, {1, 1}, {1, 2}}, 5, bought},
    {"position 3 at 12 with position 2", 1, 3, "12", {{1, 0}, {1, 1}, {1, 2}}, 5, raise_int},
    {"position 3 at 13 without position 2", 1, 3, "13", {{1, 0}, {1, 1}}, 5, previous},
    {"position 3 at 12 without position 2", 1, 3, "12", {{1, 0}, {1, 1}}, 5, raise_int},
    {"the first schematic of another discipline does not count", 1, 1, "9", {{0, 0}}, 5, previous},
    {"position 6 at 19", 6, 6, "19", {{6, 0}, {6, 1}, {6, 2}, {6, 3}, {6, 4}, {6, 5}}, 5, bought},
    {"position 6 at 18", 6, 6, "18", {{6, 0}, {6, 1}, {6, 2}, {6, 3}, {6, 4}, {6, 5}}, 5, raise_int},
    {"the last CP buys", 4, 0, "8", {}, 1, bought},
    {"the Adjusted Intelligence counts, not the Base", 5, 1, "9", {{5, 0}}, 5, bought, "5"},
    {"a high Base Intelligence does not help", 5, 1, "8", {{5, 0}}, 5, raise_int, "20"},
};

TEST(SchematicPurchase, RulesInTheirOrder)
{
    for (const SchematicCase& c : schematic_cases) {
        SCOPED_TRACE(c.what);
        LoadedWindow window;
        Form1& form = window.form;
        own_schematics(form, c.owned);
        set_pool(form, c.cps);
        form.Adjintelligence.text = c.adjusted_int;
        form.Intelligence.text = c.base_int;
        form.Tech_select.click();
        form.Tech_list.user_click(c.discipline);
        form.Schematic_list.user_click(c.position);
        form.message_window.text = "an earlier message";
        const PurchaseState before = PurchaseState::of(form);

        form.Schematic_list_DblClick();

        EXPECT_EQ(form.message_window.text, c.message);
        if (c.message.empty()) {
            PurchaseState expected =
                before.after_buying(std::string(schematic_names[c.discipline][c.position]), -5);
            expected.techpurchased[c.discipline][c.position] = flag_true;
            ++expected.techcount;
            expect_state(PurchaseState::of(form), expected);
        } else {
            expect_state(PurchaseState::of(form), before);
        }
        EXPECT_TRUE(purchase_invariants_hold(form));
    }
}

class SchematicPurchaseSteps : public FormFixture {
protected:
    SchematicPurchaseSteps() { form.Tech_select.click(); }
};

TEST_F(SchematicPurchaseSteps, AllSevenOfADisciplineAtIntelligence19AtLevel1)
{
    form.Adjintelligence.text = "19";
    set_pool(form, 7);
    ASSERT_EQ(form.Clevel.text, "1");
    form.Tech_list.user_click(7);
    for (int position = 0; position < schematic_positions; ++position) {
        form.Schematic_list.user_double_click(position);
        EXPECT_EQ(form.message_window.text, "") << position;
        EXPECT_TRUE(purchase_invariants_hold(form)) << position;
    }
    EXPECT_EQ(form.purchased.items(),
              (std::vector<std::string>{"Serum of Superior Intellect", "Elixer of Physical Prowess",
                                        "Liquid of Awareness", "Tonic of Increased Reflexes", "Mind Marvel",
                                        "Energizer", "Revitalizer"}));
    EXPECT_EQ(form.cpsleft, 0);
    EXPECT_EQ(form.aptitude.text, "35");
    EXPECT_EQ(form.aptitude.back_color, techcolor);
    form.Schematic_list.user_double_click(0);
    EXPECT_EQ(form.message_window.text, "No CPs left!");
}

TEST_F(SchematicPurchaseSteps, NoHighlightedSchematicBuysNothingAndWritesNothing)
{
    form.Tech_list.user_click(2);
    ASSERT_EQ(form.Schematic_list.list_index(), -1);
    const PurchaseState before = PurchaseState::of(form);
    form.Schematic_list_DblClick();
    EXPECT_EQ(form.message_window.text, "");
    expect_state(PurchaseState::of(form), before);

    set_pool(form, 0);
    form.Schematic_list_DblClick();
    EXPECT_EQ(form.message_window.text, "No CPs left!");
    EXPECT_TRUE(purchase_invariants_hold(form));
}

TEST_F(SchematicPurchaseSteps, EachDisciplineFillsTheSchematicListByIndex)
{
    form.background_explanations.text = "the last description";
    for (int discipline = 0; discipline < discipline_count; ++discipline) {
        form.message_window.text = "Need previous Schematic in field";
        form.Tech_list.user_click(discipline);
        EXPECT_EQ(form.message_window.text, "") << discipline;
        ASSERT_EQ(form.Schematic_list.count(), schematic_positions) << discipline;
        for (int position = 0; position < schematic_positions; ++position)
            EXPECT_EQ(form.Schematic_list.item(position), schematic_names[discipline][position]);
        EXPECT_EQ(form.Schematic_list.list_index(), -1) << discipline;
        EXPECT_EQ(form.background_explanations.text, "the last description") << discipline;
    }
}

TEST_F(SchematicPurchaseSteps, HighlightingASchematicShowsItsDescriptionOnly)
{
    for (int discipline = 0; discipline < discipline_count; ++discipline) {
        form.Tech_list.user_click(discipline);
        form.message_window.text = "you must raise your Intelligence";
        for (int position = 0; position < schematic_positions; ++position) {
            form.Schematic_list.user_click(position);
            EXPECT_EQ(form.background_explanations.text, schematic_description_table[discipline][position]);
            EXPECT_EQ(form.message_window.text, "you must raise your Intelligence");
        }
        form.background_explanations.text = "kept";
        form.Schematic_list.set_list_index(-1);  // no schematic: nothing shown
        EXPECT_EQ(form.background_explanations.text, "kept");
    }
}

}  // namespace
}  // namespace tessmar
