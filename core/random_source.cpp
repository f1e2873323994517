#include "core/random_source.h"

#include <QTime>
#include <random>

namespace {

class ClockSeededRandom final : public RandomSource {
public:
    void reseed() override {
        engine_.seed(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay()));
    }
    int R(int n) override {
        if (n <= 0)
            return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(engine_);
    }

private:
    std::mt19937 engine_{static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay())};
};

} // namespace

template <> std::unique_ptr<RandomSource> Seam<RandomSource>::makeDefault() {
    return std::make_unique<ClockSeededRandom>();
}
