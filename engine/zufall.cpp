#include "engine/zufall.h"

#include <atomic>
#include <chrono>

namespace {

uint32_t rotl(uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

uint64_t splitmix64(uint64_t& z)
{
    uint64_t r = (z += 0x9E3779B97F4A7C15ull);
    r = (r ^ (r >> 30)) * 0xBF58476D1CE4E5B9ull;
    r = (r ^ (r >> 27)) * 0x94D049BB133111EBull;
    return r ^ (r >> 31);
}

}  // namespace

void Zufallsgenerator::saeen(uint64_t saat)
{
    uint64_t z = saat;
    const uint64_t a = splitmix64(z), b = splitmix64(z);
    s_[0] = uint32_t(a);
    s_[1] = uint32_t(a >> 32);
    s_[2] = uint32_t(b);
    s_[3] = uint32_t(b >> 32);
    if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0)
        s_[0] = 1;  // the all-zero state would stay zero forever
}

uint32_t Zufallsgenerator::naechste()
{
    const uint32_t ergebnis = rotl(s_[0] + s_[3], 7) + s_[0];
    const uint32_t t = s_[1] << 9;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 11);
    return ergebnis;
}

int32_t Zufallsgenerator::ziehe(int32_t n)
{
    if (n <= 1)
        return 0;
    const uint32_t grenze = uint32_t(n);
    uint64_t m = uint64_t(naechste()) * grenze;
    uint32_t unten = uint32_t(m);
    if (unten < grenze) {
        const uint32_t schwelle = uint32_t(-grenze) % grenze;
        while (unten < schwelle) {
            m = uint64_t(naechste()) * grenze;
            unten = uint32_t(m);
        }
    }
    return int32_t(m >> 32);
}

uint64_t uhrSaat()
{
    static std::atomic<uint64_t> zaehler{0};
    const auto jetzt = std::chrono::system_clock::now().time_since_epoch().count();
    const auto takt = std::chrono::steady_clock::now().time_since_epoch().count();
    return uint64_t(jetzt) ^ (uint64_t(takt) << 17) ^ (++zaehler * 0x9E3779B97F4A7C15ull);
}
