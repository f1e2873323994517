#pragma once

#include <memory>
#include <utility>

// A replaceable service: the program uses the real implementation that
// makeDefault() builds; tests install a fake in its place.
template <class Interface> class Seam {
public:
    static Interface& get() {
        auto& s = slot();
        if (!s)
            s = makeDefault();
        return *s;
    }
    // Returns the one installed before, so a test can put it back.
    static std::unique_ptr<Interface> install(std::unique_ptr<Interface> replacement) {
        return std::exchange(slot(), std::move(replacement));
    }

private:
    static std::unique_ptr<Interface>& slot() {
        static std::unique_ptr<Interface> s;
        return s;
    }
    static std::unique_ptr<Interface> makeDefault();
};
