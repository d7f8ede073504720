#include "settings/md5_context.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t RotateLeft(std::uint32_t x, int n)
{
    return (x << n) | (x >> (32 - n));
}

constexpr std::uint32_t F(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return (x & y) | (~x & z); }
constexpr std::uint32_t G(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return (x & z) | (y & ~z); }
constexpr std::uint32_t H(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return x ^ y ^ z; }
constexpr std::uint32_t I(std::uint32_t x, std::uint32_t y, std::uint32_t z) { return y ^ (x | ~z); }

// Shift amounts and additive constants of the 64 steps.
constexpr int kShift[64] = {
    7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
    5, 9, 14, 20, 5, 9, 14, 20, 5, 9, 14, 20, 5, 9, 14, 20,
    4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
    6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};

constexpr std::uint32_t kConstant[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

std::uint32_t ReadLittleEndian(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

void WriteLittleEndian(std::uint32_t value, std::uint8_t *p)
{
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(value >> (8 * i));
}

} // namespace

Md5Context::Md5Context()
    : m_state{0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476}, m_count{0, 0}, m_buffer{}
{
}

void Md5Context::transform(const std::uint8_t *block)
{
    std::uint32_t x[16];
    for (int i = 0; i < 16; ++i)
        x[i] = ReadLittleEndian(block + 4 * i);

    std::uint32_t a = m_state[0], b = m_state[1], c = m_state[2], d = m_state[3];
    for (int step = 0; step < 64; ++step) {
        std::uint32_t f;
        int index;
        switch (step / 16) {
        case 0: f = F(b, c, d); index = step; break;
        case 1: f = G(b, c, d); index = (5 * step + 1) % 16; break;
        case 2: f = H(b, c, d); index = (3 * step + 5) % 16; break;
        default: f = I(b, c, d); index = (7 * step) % 16; break;
        }
        const std::uint32_t rotated = b + RotateLeft(a + f + x[index] + kConstant[step], kShift[step]);
        a = d;
        d = c;
        c = b;
        b = rotated;
    }
    m_state[0] += a;
    m_state[1] += b;
    m_state[2] += c;
    m_state[3] += d;
}

void Md5Context::add(const void *data, std::size_t length)
{
    const auto *input = static_cast<const std::uint8_t *>(data);
    std::size_t used = (m_count[0] >> 3) & 0x3F;

    const std::uint64_t bits = std::uint64_t(length) << 3;
    const std::uint32_t low = m_count[0] + std::uint32_t(bits);
    if (low < m_count[0])
        ++m_count[1];
    m_count[0] = low;
    m_count[1] += std::uint32_t(bits >> 32);

    std::size_t offset = 0;
    if (used > 0) {
        const std::size_t take = std::min(length, 64 - used);
        std::memcpy(m_buffer + used, input, take);
        offset = take;
        used += take;
        if (used < 64)
            return;
        transform(m_buffer);
    }
    for (; offset + 64 <= length; offset += 64)
        transform(input + offset);
    if (offset < length)
        std::memcpy(m_buffer, input + offset, length - offset);
}

Md5Context::Digest Md5Context::finish()
{
    std::uint8_t bitCount[8];
    WriteLittleEndian(m_count[0], bitCount);
    WriteLittleEndian(m_count[1], bitCount + 4);

    const std::size_t used = (m_count[0] >> 3) & 0x3F;
    const std::size_t padding = used < 56 ? 56 - used : 120 - used;
    static const std::uint8_t kPadding[64] = {0x80};
    add(kPadding, padding);
    add(bitCount, 8);

    Digest digest;
    for (int i = 0; i < 4; ++i)
        WriteLittleEndian(m_state[i], digest.data() + 4 * i);
    std::memset(m_state, 0, sizeof m_state);
    std::memset(m_count, 0, sizeof m_count);
    std::memset(m_buffer, 0, sizeof m_buffer);
    return digest;
}
