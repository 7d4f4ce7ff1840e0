// One user event of a script line, done to a window.
#include "script_event.h"

#include <string>

namespace tessmar {

void perform_event(LoadedWindow& window, const ScriptEvent& event)
{
    Form1& form = window.form;
    Control* target = form.controls().find(event.control);
    switch (event.kind) {
    case ScriptEvent::Kind::click:
    case ScriptEvent::Kind::double_click:
        if (auto* list = dynamic_cast<ListBox*>(target)) {
            if (event.kind == ScriptEvent::Kind::double_click) list->user_double_click(event.index);
            else list->user_click(event.index);
        } else if (auto* button = dynamic_cast<Button*>(target)) {
            button->click();
        }
        return;
    case ScriptEvent::Kind::type:
        dynamic_cast<TextBox&>(*target).type(event.text);
        return;
    case ScriptEvent::Kind::save:
        window.dialog.answer = std::string(event.text);
        form.SAVE.click();
        window.dialog.answer.clear();
        return;
    }
}

}  // namespace tessmar
