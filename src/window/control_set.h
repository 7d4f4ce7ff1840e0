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

    // The control of that name and kind, writable only through a writable set;
    // a name the description lacks is a programming error and throws.
    template <class T>
    T& get(std::string_view name)
    {
        return checked<T>(find(name), name);
    }
    template <class T>
    const T& get(std::string_view name) const
    {
        return checked<const T>(find(name), name);
    }

private:
    template <class T>
    static T& checked(Control* found, std::string_view name)
    {
        T* control = dynamic_cast<T*>(found);
        if (control == nullptr) throw std::logic_error("window has no control " + std::string(name) + " of that kind");
        return *control;
    }

    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> order_;
    std::unordered_map<std::string_view, Control*> by_name_;
};

}  // namespace tessmar
