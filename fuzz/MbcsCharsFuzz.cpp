// Steps through arbitrary bytes in every encoding the text stepping knows. A character is never
// empty and never runs past the text; the start of any byte's character, any cut and the whole
// characters of a full buffer are boundaries that stepping from the start also reaches; two
// texts compare antisymmetrically, equal only when their bytes are.
#include "FuzzInput.h"
#include "MbcsChars.h"
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const unsigned kPages[] = { 1252, 932, 936, 949, 950, 65001 };
    FuzzInput in(data, size);
    unsigned codePage = kPages[in.Take<uint8_t>() % (sizeof kPages / sizeof kPages[0])];
    std::size_t nMax = in.Take<uint16_t>();
    mbcs_chars::Encoding enc = mbcs_chars::ForCodePage(codePage);
    std::vector<char> text(in.Rest(), in.Rest() + in.RestSize());  // exactly sized: ASan sees overreads
    const std::size_t n = text.size();

    std::vector<bool> boundary(n + 1, false);
    for (std::size_t pos = 0; pos < n;) {
        boundary[pos] = true;
        std::size_t step = enc.Length(text.data() + pos, n - pos);
        if (step < 1 || step > 4 || step > n - pos)
            std::abort();
        pos += step;
    }
    boundary[n] = true;
    for (std::size_t pos = 0; pos < n && pos < 512; ++pos) {  // each look reads from the start
        std::size_t start = mbcs_chars::CharStart(enc, text.data(), n, pos);
        if (start > pos || !boundary[start] || mbcs_chars::Next(enc, text.data(), n, start) <= pos)
            std::abort();
    }
    std::size_t cut = mbcs_chars::CutLength(enc, text.data(), n, nMax);
    if (cut > nMax || cut > n || !boundary[cut])
        std::abort();
    // A full buffer loses only a character cut short at its end.
    std::size_t whole = mbcs_chars::WholeLength(enc, text.data(), n);
    if (whole > n || !boundary[whole] || (whole < n && !enc.IsCutShort(text.data() + whole, n - whole)))
        std::abort();
    // Comparing the text's two halves: antisymmetric, and equal exactly when the bytes are.
    const std::size_t nHalf = n / 2;
    std::vector<char> first(text.begin(), text.begin() + nHalf), second(text.begin() + nHalf, text.end());
    const int forward = mbcs_chars::Compare(enc, first.data(), first.size(), second.data(), second.size());
    const int backward = mbcs_chars::Compare(enc, second.data(), second.size(), first.data(), first.size());
    if ((forward > 0) != (backward < 0) || (forward == 0) != (first == second))
        std::abort();
    return 0;
}
