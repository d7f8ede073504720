#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// MD5 as published in RFC 1321.
class Md5Context
{
public:
    using Digest = std::array<std::uint8_t, 16>;

    Md5Context();
    void add(const void *data, std::size_t length);
    // Yields the digest and clears the whole context to zero.
    Digest finish();

private:
    void transform(const std::uint8_t *block);

    std::uint32_t m_state[4];
    std::uint32_t m_count[2]; // bits digested, low word first
    std::uint8_t m_buffer[64];
};
