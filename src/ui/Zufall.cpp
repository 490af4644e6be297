#include "ui/Zufall.h"

#include <chrono>

Zufall::Zufall()
    : m_gen(static_cast<std::uint64_t>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

Zufall::Zufall(std::uint64_t saat) : m_gen(saat) {}

void Zufall::setzeSaat(std::uint64_t saat) {
    m_gen.seed(saat);
    m_vert.reset();
}

double Zufall::naechste() {
    return m_vert(m_gen);
}
