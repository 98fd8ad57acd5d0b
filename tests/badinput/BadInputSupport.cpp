#include "BadInputSupport.h"
#include <cstdio>
#include <map>

namespace {
std::map<std::string, int>& Tally()
{
    static std::map<std::string, int> tally;
    return tally;
}

// The counts for the report, once every test has run.
class TallyPrinter : public testing::Environment
{
public:
    void TearDown() override
    {
        int nTotal = 0;
        for (const auto& entry : Tally()) {
            std::printf("bad inputs: %-18s %5d cases\n", entry.first.c_str(), entry.second);
            nTotal += entry.second;
        }
        std::printf("bad inputs: %-18s %5d cases\n", "all classes", nTotal);
    }
};
testing::Environment* const g_printer = testing::AddGlobalTestEnvironment(new TallyPrinter);
}

const char* NameOf(WindowState state)
{
    switch (state) {
    case WindowState::NeverCreated:
        return "never created";
    case WindowState::Live:
        return "live";
    default:
        return "destroyed";
    }
}

const std::string& OddTexts::Megabyte()
{
    static const std::string text = [] {
        std::string s(1 << 20, 'x');
        for (size_t i = 0; i < s.size(); ++i)
            s[i] = "abcdefghijklmnopqrstuvwxyz0123456789"[i % 36];
        return s;
    }();
    return text;
}

const char* OddTexts::DoubleByte() { return "\x82\xa0\x82\xa2 \xc4\xe3\xba\xc3 \x81\x40\x82"; }

const char* OddTexts::Controls() { return "a\tb\r\nc\x07\xff"; }

void RunTable(const char* cls, WindowState state, const std::vector<BadInput>& table)
{
    for (const BadInput& c : table) {
        SCOPED_TRACE(testing::Message() << cls << ", " << NameOf(state) << ": " << c.name);
        c.run();
        ++Tally()[cls];
    }
}

int TalliedCases(const char* cls) { return Tally()[cls]; }

void Settle(DWORD nMs) { PumpMessages(nMs); }
