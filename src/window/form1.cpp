// Building Form1 from the window description: its controls, its attribute and
// skill lines bound to them, and its events.
#include "window/form1.h"

#include <utility>

#include "sheet/attribute_lines.h"
#include "sheet/skill_lines.h"

namespace tessmar {

namespace {

// An array of N lines, line i made by bind(i).
template <class Line, std::size_t N, class Bind>
std::array<Line, N> bind_lines(Bind bind)
{
    return [&bind]<std::size_t... i>(std::index_sequence<i...>) {
        return std::array<Line, N>{bind(i)...};
    }(std::make_index_sequence<N>{});
}

}  // namespace

WindowControls::WindowControls() : controls_(form1_controls()) {}

Form1::Form1(SaveAsDialog& save_dialog, ProgramEnd& program_end)
    : save_dialog_(save_dialog),
      program_end_(program_end),
      attribute_lines_(bind_lines<AttributeLine, attribute_count>([this](std::size_t i) {
          const AttributeRow& row = attribute_rows[i];
          return AttributeLine{row, control<TextBox>(row.base), control<TextBox>(row.adjusted), this->*row.bought};
      })),
      skill_lines_(bind_lines<SkillLine, skill_count>([this](std::size_t i) {
          const SkillRow& row = skill_rows[i];
          return SkillLine{row, control<TextBox>(row.box), this->*row.counter, control<TextBox>(row.governing)};
      }))
{
    wire_events();
}

}  // namespace tessmar
