// Buying a spell or a schematic: for each kind, the rules in their order with
// the level and the attribute set straight into their boxes, a whole group
// bought in order, and the group and item lists.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "magick_tech/item_kinds.h"
#include "platform/controls.h"
#include "purchase_invariants.h"
#include "purchase_state.h"

namespace tessmar {
namespace {

constexpr std::string_view bought = "";  // a purchase leaves message_window empty
constexpr std::string_view no_cps = "No CPs left!";
constexpr std::string_view owned = "you already have that one!";
constexpr std::string_view level5 = "min. requirement, level 5, not met";
constexpr std::string_view level10 = "min. requirement, level 10, not met";
constexpr std::string_view level15 = "min. requirement, level 15, not met";
constexpr std::string_view raise_will = "you must raise your Willpower";
constexpr std::string_view previuos = "need previuos spell in college";
constexpr std::string_view previous = "need previous spell in college";
constexpr std::string_view raise_int = "you must raise your Intelligence";
constexpr std::string_view previous_schematic = "Need previous Schematic in field";

struct PurchaseCase {
    const char* what;
    int group, position;
    const char* level;  // nullptr: the level is left as loaded
    const char* adjusted;
    std::initializer_list<Cell> owned;
    int cps;
    std::string_view message;  // empty: the item is bought
    const char* base = "8";
};

const PurchaseCase spell_cases[] = {
    {"the pool comes before the owned test", 0, 0, "1", "8", {{0, 0}}, 0, no_cps},
    {"the pool comes before the level gate", 0, 4, "1", "20", {}, 0, no_cps},
    {"level 4 fails the third spell", 2, 2, "4", "20", {{2, 0}, {2, 1}}, 5, level5},
    {"level 4 fails it whatever the Willpower and the second spell", 2, 2, "4", "5", {}, 5, level5},
    {"level 5 passes the gate", 2, 2, "5", "12", {{2, 0}, {2, 1}}, 5, bought},
    {"level 9 fails the fourth spell", 3, 3, "9", "20", {{3, 0}, {3, 1}, {3, 2}}, 5, level10},
    {"level 10 passes the gate", 3, 3, "10", "15", {{3, 0}, {3, 1}, {3, 2}}, 5, bought},
    {"level 14 fails the fifth spell", 4, 4, "14", "20", {{4, 0}, {4, 1}, {4, 2}, {4, 3}}, 5, level15},
    {"level 15 passes the gate", 4, 4, "15", "18", {{4, 0}, {4, 1}, {4, 2}, {4, 3}}, 5, bought},
    {"the level gate comes before the owned test", 6, 2, "4", "20", {{6, 0}, {6, 1}, {6, 2}}, 5, level5},
    {"an owned spell", 0, 0, "1", "8", {{0, 0}}, 5, owned},
    {"owned comes before the Willpower", 7, 1, "1", "5", {{7, 0}, {7, 1}}, 5, owned},
    {"first spell at Willpower 6", 0, 0, "1", "6", {}, 5, bought},
    {"first spell at Willpower 5", 0, 0, "1", "5", {}, 5, raise_will},
    {"second spell, Willpower 9, first missing", 1, 1, "1", "9", {}, 5, previuos},
    {"second spell, Willpower 8, first missing too", 1, 1, "1", "8", {}, 5, raise_will},
    {"second spell, Willpower 9, first owned", 1, 1, "1", "9", {{1, 0}}, 5, bought},
    {"second spell, Willpower 8, first owned", 1, 1, "1", "8", {{1, 0}}, 5, raise_will},
    {"the first spell of another college does not count", 3, 1, "1", "9", {{2, 0}}, 5, previuos},
    {"third spell without the second", 5, 2, "5", "12", {{5, 0}}, 5, previous},
    {"fourth spell without the third", 5, 3, "10", "15", {{5, 0}, {5, 1}}, 5, previous},
    {"fifth spell without the fourth", 5, 4, "15", "18", {{5, 0}, {5, 1}, {5, 2}}, 5, previous},
    {"third spell at Willpower 11", 5, 2, "5", "11", {{5, 0}, {5, 1}}, 5, raise_will},
    {"fifth spell at Willpower 17", 5, 4, "50", "17", {{5, 0}, {5, 1}, {5, 2}, {5, 3}}, 5, raise_will},
    {"the last CP buys", 0, 0, "1", "8", {}, 1, bought},
    {"the Adjusted Willpower counts, not the Base", 12, 0, "1", "6", {}, 5, bought, "5"},
    {"a high Base Willpower does not help", 12, 0, "1", "5", {}, 5, raise_will, "20"},};

const PurchaseCase schematic_cases[] = {
    {"the pool comes before the owned test", 0, 0, nullptr, "8", {{0, 0}}, 0, no_cps},
    {"owned, though the Intelligence has fallen since", 2, 3, nullptr, "8", {{2, 0}, {2, 1}, {2, 2}, {2, 3}}, 5, owned},
    {"position 0 at Intelligence 7", 0, 0, nullptr, "7", {}, 5, bought},
    {"position 0 at Intelligence 6", 0, 0, nullptr, "6", {}, 5, raise_int},
    {"position 3 at 13 with position 2", 1, 3, nullptr, "13", {{1, 0}, {1, 1}, {1, 2}}, 5, bought},
    {"position 3 at 12 with position 2", 1, 3, nullptr, "12", {{1, 0}, {1, 1}, {1, 2}}, 5, raise_int},
    {"position 3 at 13 without position 2", 1, 3, nullptr, "13", {{1, 0}, {1, 1}}, 5, previous_schematic},
    {"position 3 at 12 without position 2", 1, 3, nullptr, "12", {{1, 0}, {1, 1}}, 5, raise_int},
    {"the first schematic of another discipline does not count", 1, 1, nullptr, "9", {{0, 0}}, 5, previous_schematic},
    {"position 6 at 19", 6, 6, nullptr, "19", {{6, 0}, {6, 1}, {6, 2}, {6, 3}, {6, 4}, {6, 5}}, 5, bought},
    {"position 6 at 18", 6, 6, nullptr, "18", {{6, 0}, {6, 1}, {6, 2}, {6, 3}, {6, 4}, {6, 5}}, 5, raise_int},
    {"the last CP buys", 4, 0, nullptr, "8", {}, 1, bought},
    {"the Adjusted Intelligence counts, not the Base", 5, 1, nullptr, "9", {{5, 0}}, 5, bought, "5"},
    {"a high Base Intelligence does not help", 5, 1, nullptr, "8", {{5, 0}}, 5, raise_int, "20"},};

// What the tests need to know of a kind besides its description.
template <class Kind>
struct KindCase {
    const char* name;
    const Kind& kind;
    void (*show)(Form1&);  // brings the kind's lists forward, as a user would
    void (Form1::*double_click)();  // the item list's DblClick handler
    typename Kind::Owned PurchaseState::*owned;
    std::int16_t PurchaseState::*count;
    float aptitude_shift;  // per item bought
    std::span<const PurchaseCase> cases;
    // A whole group bought in order.
    const char* whole_group_level;
    const char* whole_group_attribute;
    int whole_group_pool;  // 0: the pool as loaded
    int whole_group;
    std::vector<std::string> whole_group_items;
    std::string whole_group_aptitude;
    Color whole_group_colour;
    int unhighlighted_group;  // a group clicked with no item highlighted after it
    std::string_view message_cleared_by_a_group_click;
    std::string_view message_kept_by_an_item_click;
};

const KindCase<SpellKind> spell_purchases{
    .name = "spells",
    .kind = spell_kind,
    .show = [](Form1&) {},
    .double_click = &Form1::Spell_list_DblClick,
    .owned = &PurchaseState::spells,
    .count = &PurchaseState::spellcount,
    .aptitude_shift = 5,
    .cases = spell_cases,
    .whole_group_level = "15",
    .whole_group_attribute = "18",
    .whole_group_pool = 0,
    .whole_group = 14,
    .whole_group_items = {"Plague of Insects", "Orc Champion", "Guardian Ogre", "Hellgate", "Familiar"},
    .whole_group_aptitude = "25",
    .whole_group_colour = magickcolor,
    .unhighlighted_group = 3,
    .message_cleared_by_a_group_click = owned,
    .message_kept_by_an_item_click = raise_will,
};

const KindCase<SchematicKind> schematic_purchases{
    .name = "schematics",
    .kind = schematic_kind,
    .show = [](Form1& form) { form.Tech_select.click(); },
    .double_click = &Form1::Schematic_list_DblClick,
    .owned = &PurchaseState::techpurchased,
    .count = &PurchaseState::techcount,
    .aptitude_shift = -5,
    .cases = schematic_cases,
    .whole_group_level = nullptr,  // the level plays no part: it stays 1
    .whole_group_attribute = "19",
    .whole_group_pool = 7,
    .whole_group = 7,
    .whole_group_items = {"Serum of Superior Intellect", "Elixer of Physical Prowess", "Liquid of Awareness",
                          "Tonic of Increased Reflexes", "Mind Marvel", "Energizer", "Revitalizer"},
    .whole_group_aptitude = "35",
    .whole_group_colour = techcolor,
    .unhighlighted_group = 2,
    .message_cleared_by_a_group_click = previous_schematic,
    .message_kept_by_an_item_click = raise_int,
};

template <class Kind>
void rules_in_their_order(const KindCase<Kind>& k)
{
    SCOPED_TRACE(k.name);
    for (const PurchaseCase& c : k.cases) {
        SCOPED_TRACE(c.what);
        LoadedWindow window;
        Form1& form = window.form;
        own(form, k.kind, c.owned);
        give_cps(form, c.cps);
        if (c.level != nullptr) form.Clevel.text = c.level;
        k.kind.attribute(form).text = c.adjusted;
        k.kind.base_attribute(form).text = c.base;
        k.show(form);
        k.kind.group_list(form).user_click(c.group);
        k.kind.item_list(form).user_click(c.position);
        form.message_window.text = "an earlier message";
        const PurchaseState before = PurchaseState::of(form);

        (form.*k.double_click)();

        EXPECT_EQ(form.message_window.text, c.message);
        if (c.message.empty()) {
            PurchaseState expected =
                before.after_buying(std::string(catalogue_item(k.kind, c.group, c.position).name), k.aptitude_shift);
            // The clicked list positions as the cell of the ownership table.
            auto& table = expected.*k.owned;
            const auto group = table_row(c.group, table.size());
            const auto position = table_row(c.position, table[0].size());
            ASSERT_TRUE(group && position) << "the case clicks past the tables";
            table[*group][*position] = flag_true;
            ++(expected.*k.count);
            expect_state(PurchaseState::of(form), expected);
        } else {
            expect_state(PurchaseState::of(form), before);
        }
        EXPECT_TRUE(purchase_invariants_hold(form));
    }
}

TEST(ItemPurchase, RulesInTheirOrder)
{
    rules_in_their_order(spell_purchases);
    rules_in_their_order(schematic_purchases);
}

// Runs check once per kind, on a freshly loaded window with the kind's lists in front.
template <class Check>
void for_each_kind(Check check)
{
    const auto run = [&check](const auto& k) {
        SCOPED_TRACE(k.name);
        LoadedWindow window;
        k.show(window.form);
        check(k, window.form);
    };
    run(spell_purchases);
    run(schematic_purchases);
}

TEST(ItemPurchase, AWholeGroupInOrder)
{
    for_each_kind([](const auto& k, Form1& form) {
        if (k.whole_group_level != nullptr) form.Clevel.text = k.whole_group_level;
        k.kind.attribute(form).text = k.whole_group_attribute;
        if (k.whole_group_pool > 0) give_cps(form, k.whole_group_pool);
        ASSERT_EQ(form.cpsleft, item_count(k.kind));
        if (k.whole_group_level == nullptr) {
            ASSERT_EQ(form.Clevel.text, "1");
        }
        k.kind.group_list(form).user_click(k.whole_group);
        for (int position = 0; position < item_count(k.kind); ++position) {
            k.kind.item_list(form).user_double_click(position);
            EXPECT_EQ(form.message_window.text, "") << position;
            EXPECT_TRUE(purchase_invariants_hold(form)) << position;
        }
        EXPECT_EQ(form.purchased.items(), k.whole_group_items);
        EXPECT_EQ(form.cpsleft, 0);
        EXPECT_EQ(form.aptitude.text, k.whole_group_aptitude);
        EXPECT_EQ(form.aptitude.back_color, k.whole_group_colour);
        k.kind.item_list(form).user_double_click(0);
        EXPECT_EQ(form.message_window.text, "No CPs left!");
    });
}

TEST(ItemPurchase, NoHighlightedItemBuysNothingAndWritesNothing)
{
    for_each_kind([](const auto& k, Form1& form) {
        k.kind.group_list(form).user_click(k.unhighlighted_group);
        ASSERT_EQ(k.kind.item_list(form).list_index(), -1);
        const PurchaseState before = PurchaseState::of(form);
        (form.*k.double_click)();
        EXPECT_EQ(form.message_window.text, "");
        expect_state(PurchaseState::of(form), before);

        give_cps(form, 0);
        (form.*k.double_click)();
        EXPECT_EQ(form.message_window.text, "No CPs left!");
        EXPECT_TRUE(purchase_invariants_hold(form));
    });
}

TEST(ItemPurchase, EachGroupFillsTheItemListByIndex)
{
    for_each_kind([](const auto& k, Form1& form) {
        ListBox& items = k.kind.item_list(form);
        form.background_explanations.text = "the last description";
        for (int group = 0; group < group_count(k.kind); ++group) {
            form.message_window.text = k.message_cleared_by_a_group_click;
            k.kind.group_list(form).user_click(group);
            EXPECT_EQ(form.message_window.text, "") << group;
            ASSERT_EQ(items.count(), item_count(k.kind)) << group;
            for (int position = 0; position < item_count(k.kind); ++position)
                EXPECT_EQ(items.item(position), catalogue_item(k.kind, group, position).name);
            EXPECT_EQ(items.list_index(), -1) << group;
            EXPECT_EQ(form.background_explanations.text, "the last description") << group;
        }
    });
}

TEST(ItemPurchase, HighlightingAnItemShowsItsDescriptionOnly)
{
    for_each_kind([](const auto& k, Form1& form) {
        ListBox& items = k.kind.item_list(form);
        for (int group = 0; group < group_count(k.kind); ++group) {
            k.kind.group_list(form).user_click(group);
            form.message_window.text = k.message_kept_by_an_item_click;
            for (int position = 0; position < item_count(k.kind); ++position) {
                items.user_click(position);
                EXPECT_EQ(form.background_explanations.text, catalogue_item(k.kind, group, position).description);
                EXPECT_EQ(form.message_window.text, k.message_kept_by_an_item_click);
            }
            form.background_explanations.text = "kept";
            items.set_list_index(-1);  // no item: nothing shown
            EXPECT_EQ(form.background_explanations.text, "kept");
        }
    });
}

}  // namespace
}  // namespace tessmar
