// Reads fixed-size values from a fuzzer's bytes, front to back; what runs out reads as zero.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

class FuzzInput
{
public:
    FuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    template <class T>
    T Take()
    {
        T value{};
        const size_t n = m_size < sizeof(T) ? m_size : sizeof(T);
        if (n > 0)
            std::memcpy(&value, m_data, n);
        m_data += n;
        m_size -= n;
        return value;
    }
    // What is left, as text (not terminated).
    const char* Rest() const { return reinterpret_cast<const char*>(m_data); }
    size_t RestSize() const { return m_size; }

private:
    const uint8_t* m_data;
    size_t m_size;
};
