#include "funtzioak.h"

#include <climits>

namespace {
constexpr int64_t kSaturate = INT32_MAX;

int32_t saturate(int64_t v) { return v > kSaturate ? INT32_MAX : static_cast<int32_t>(v); }
}  // namespace

int32_t Hamaseitarretik_Hamartarrera(const std::string& hex)
{
    int64_t value = 0;
    for (char c : hex) {
        int digit = 0;
        if (c >= 'A' && c <= 'F')
            digit = 10 + (c - 'A');
        else if (c >= '0' && c <= '9')
            digit = c - '0';
        value = value * 16 + digit;
        if (value > kSaturate)
            return INT32_MAX;
    }
    return saturate(value);
}

int32_t Bitarretik_Hamartarrera(const std::string& bits)
{
    int64_t value = 0;
    for (char c : bits) {
        value = value * 2 + (c == '1' ? 1 : 0);
        if (value > kSaturate)
            return INT32_MAX;
    }
    return saturate(value);
}

std::string Hamartarretik_Bitarrera(int32_t n)
{
    const uint32_t v = static_cast<uint32_t>(n) & 0xFFFFu;
    std::string word(16, '0');
    for (int bit = 0; bit < 16; ++bit)
        if (v & (1u << bit))
            word[15 - bit] = '1';
    return word;
}

std::string hexText(int32_t n)
{
    if (n <= 0)
        return "0";
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (uint32_t v = static_cast<uint32_t>(n); v != 0; v /= 16)
        text.insert(text.begin(), digits[v % 16]);
    return text;
}

std::string Bitarretik_Hamaseitarrera(const std::string& bits)
{
    return hexText(Bitarretik_Hamartarrera(bits));
}

std::string Bitarrak_Batu(const std::string& a, const std::string& b)
{
    // Two's-complement addition of 16-bit words is plain unsigned addition modulo
    // 65536; only the low 16 bits of each operand take part.
    auto low16 = [](const std::string& w) {
        uint32_t v = 0;
        for (char c : w)
            v = ((v << 1) | (c == '1' ? 1u : 0u)) & 0xFFFFu;
        return v;
    };
    return Hamartarretik_Bitarrera(static_cast<int32_t>((low16(a) + low16(b)) & 0xFFFFu));
}
