#pragma once

#include "model/Control.h"

#include <memory>
#include <utility>
#include <vector>

namespace brelvon {

// A set of controls sharing one name, told apart by index. Element 1 always
// exists; elements 2 and up are created as copies of element 1 and destroyed
// again. Element references stay valid until that element is destroyed.
class ControlArray {
public:
    explicit ControlArray(Control first);
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // The element at index. Throws PlatformError when it does not exist.
    [[nodiscard]] Control& operator()(int index);
    [[nodiscard]] const Control& operator()(int index) const;

    [[nodiscard]] bool Exists(int index) const;
    // The highest index in use (1 when only element 1 exists).
    [[nodiscard]] int UpperBound() const;
    [[nodiscard]] const std::string& Name() const { return elements_[1]->Name; }

    // Element index as a copy of element 1 in its present state, hidden.
    // Throws PlatformError when index is below 2 or already in use.
    Control& Create(int index);
    // Adds an element that differs from element 1 (design-time elements).
    Control& Add(Control element);
    // Throws PlatformError when index is below 2 or not in use.
    void Destroy(int index);

    // Visits the existing elements in index order.
    template <typename Visit>
    void ForEach(Visit&& visit)
    {
        for (const auto& element : elements_) {
            if (element) visit(*element);
        }
    }
    template <typename Visit>
    void ForEach(Visit&& visit) const
    {
        for (const auto& element : elements_) {
            if (element) visit(std::as_const(*element));
        }
    }

private:
    std::vector<std::unique_ptr<Control>> elements_;  // slot i holds element i
};

}  // namespace brelvon
