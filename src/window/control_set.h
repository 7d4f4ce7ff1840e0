// The controls of a window, built from its description and found by name.
#pragma once

#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/controls.h"
#include "window/window_description.h"

namespace tessmar {

class ControlSet {
public:
    explicit ControlSet(std::span<const ControlDescription> description);

    // Controls in description order.
    const std::vector<Control*>& in_order() const { return order_; }
    Control* find(std::string_view name) const;

    // The control of that name and kind; a name the description lacks is a
    // programming error and throws.
    template <class T>
    T& get(std::string_view name) const
    {
        T* control = dynamic_cast<T*>(find(name));
        if (control == nullptr) throw std::logic_error("window has no control " + std::string(name) + " of that kind");
        return *control;
    }

private:
    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> order_;
    std::unordered_map<std::string_view, Control*> by_name_;
};

}  // namespace tessmar
