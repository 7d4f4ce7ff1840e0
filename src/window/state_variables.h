// The window-level variables of Form1 by name, in order of declaration, for
// anything that shows or checks the window's state from outside (the scenario
// driver, tests).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "window/form1.h"

namespace tessmar {

struct StateVariable {
    std::string_view name;
    std::variant<std::int16_t Form1::*, float Form1::*, Color Form1::*> member;
};

std::span<const StateVariable> form1_state_variables();

// The value as the shortest decimal text, or as a colour "&H...&".
std::string state_variable_text(const Form1& form, const StateVariable& variable);

// A variable by name, or one ownership cell written "spells(C,K)" or
// "techpurchased(D,S)"; nothing when the key names neither.
std::optional<std::string> state_value_text(const Form1& form, std::string_view key);

}  // namespace tessmar
