// Time sources of the link: the local time of day (the load cycle's recorded start) and a
// monotonic clock for read time-outs and the cycle's elapsed time. Injectable so that time
// arithmetic is tested without waiting.
#pragma once

#include <cstdint>

namespace zyv {

constexpr std::int32_t MillisecondesParJour = 86400000;

class Horloge {
public:
    virtual ~Horloge() = default;
    // Local time of day, whole milliseconds since midnight (0 .. 86399999).
    virtual std::int32_t MillisecondesDepuisMinuit() const = 0;
    // Milliseconds on a clock that never goes back.
    virtual std::int64_t Monotone() const = 0;
    // Blocks for ms milliseconds (or lets that much time pass).
    virtual void Attends(std::int64_t ms) = 0;
};

// The computer's clocks.
class HorlogeSysteme final : public Horloge {
public:
    std::int32_t MillisecondesDepuisMinuit() const override;
    std::int64_t Monotone() const override;
    void Attends(std::int64_t ms) override;
};

// A clock that only moves when told: waiting advances it at once.
class HorlogeManuelle final : public Horloge {
public:
    std::int32_t MillisecondesDepuisMinuit() const override;
    std::int64_t Monotone() const override { return monotone_; }
    void Attends(std::int64_t ms) override { Avance(ms); }

    // Moves both clocks forward; the time of day wraps at midnight.
    void Avance(std::int64_t ms);
    void RegleHeure(std::int32_t msDepuisMinuit) { heure_ = msDepuisMinuit; }

private:
    std::int64_t monotone_ = 0;
    std::int64_t heure_ = 0;
};

} // namespace zyv
