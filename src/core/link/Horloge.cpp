#include "core/link/Horloge.h"

#include <QTime>

#include <chrono>
#include <thread>

namespace zyv {

std::int32_t HorlogeSysteme::MillisecondesDepuisMinuit() const {
    return QTime::currentTime().msecsSinceStartOfDay();
}

std::int64_t HorlogeSysteme::Monotone() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void HorlogeSysteme::Attends(std::int64_t ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::int32_t HorlogeManuelle::MillisecondesDepuisMinuit() const {
    return static_cast<std::int32_t>(heure_);
}

void HorlogeManuelle::Avance(std::int64_t ms) {
    if (ms <= 0) return;
    monotone_ += ms;
    heure_ = (heure_ + ms) % MillisecondesParJour;
}

} // namespace zyv
