// The gallery under random input for a while (ZUZ_MONKEY_SECONDS, 30 by
// default; scripts/monkey runs it for minutes), from a seed that is printed
// (ZUZ_MONKEY_SEED, 777 by default, replays a run). Fails when the gallery crashes, exits, or
// does not answer its main window within a few seconds.
#include "Monkey.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <deque>
#include <vector>

namespace {
unsigned long EnvNumber(const char* name, unsigned long nDefault)
{
    char value[32] = {};
    if (::GetEnvironmentVariableA(name, value, sizeof(value)) == 0)
        return nDefault;
    return std::strtoul(value, nullptr, 10);
}

const DWORD kHangMs = 5000;
// How long a gallery that missed kHangMs is given to show it was only slow.
const DWORD kLateAnswerMs = 60000;

// A long run samples the gallery every minute (ZUZ_MONKEY_SAMPLE_SECONDS).
// What is open varies with the random input, so a sample alone says little;
// a growth trend is the least of the last third of the samples above the most
// of the first third, both taken after the first minutes, by more than what
// one page or dialog more or less holds.
const size_t kSettleSamples = 2;
const size_t kTrendSamples = 6;

template <class T, class Field>
void ExpectNoGrowth(const std::vector<GallerySample>& samples, Field field, T slack, const char* what)
{
    const size_t nFrom = kSettleSamples, nThird = (samples.size() - nFrom) / 3;
    T earlyMost = 0, lateLeast = 0;
    for (size_t i = nFrom; i < nFrom + nThird; ++i)
        earlyMost = std::max(earlyMost, (T)field(samples[i]));
    for (size_t i = samples.size() - nThird; i < samples.size(); ++i)
        lateLeast = i == samples.size() - nThird ? (T)field(samples[i]) : std::min(lateLeast, (T)field(samples[i]));
    EXPECT_LE(lateLeast, earlyMost + slack)
        << what << " grew: at least " << lateLeast << " in the last third of the run, at most " << earlyMost
        << " in the first";
}

// The gallery's top-level windows, for the report of a hang.
std::string Windows(const GalleryProcess& gallery)
{
    std::string s;
    // Hidden ones too: a modal loop may run for a window nobody can see.
    for (HWND hWnd : gallery.TopLevelWindows(true)) {
        char szTitle[64] = {};
        ::GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
        s += "\n  window " + ClassOf(hWnd) + " \"" + szTitle + "\"" + (::IsWindowEnabled(hWnd) ? "" : " (disabled)") +
             (::IsWindowVisible(hWnd) ? "" : " (hidden)");
    }
    return s;
}
}

TEST(Monkey, GalleryUnderRandomInput)
{
    const unsigned long nSeconds = EnvNumber("ZUZ_MONKEY_SECONDS", 30);
    // CI replays one seed (a failure there is a change's doing); scripts/monkey
    // gives a new one each run.
    const unsigned nSeed = (unsigned)EnvNumber("ZUZ_MONKEY_SEED", 777);
    std::printf("monkey: seed %u (ZUZ_MONKEY_SEED=%u replays this run), %lu s\n", nSeed, nSeed, nSeconds);
    std::fflush(stdout);

    GalleryProcess gallery;
    std::string strError;
    ASSERT_TRUE(gallery.Start(strError)) << strError;
    Monkey monkey(gallery, nSeed);
    // The last actions, for the report of a failure.
    std::deque<std::string> recent;
    auto history = [&recent] {
        std::string s;
        for (const std::string& a : recent)
            s += "\n  " + a;
        return s;
    };

    const DWORD dwStart = ::GetTickCount();
    const DWORD dwSampleMs = EnvNumber("ZUZ_MONKEY_SAMPLE_SECONDS", 60) * 1000;
    std::vector<GallerySample> samples;
    auto sample = [&] {
        GallerySample s;
        if (!gallery.Sample(s, kHangMs))
            return false;
        samples.push_back(s);
        std::printf("monkey: minute %.1f: %lu KB private, %ld GDI objects, %ld windows\n",
                    (::GetTickCount() - dwStart) / 60000.0, (unsigned long)s.nPrivateKb, s.nGdi, s.nUser);
        std::fflush(stdout);
        return true;
    };
    ASSERT_TRUE(sample()) << "the gallery did not tell what it holds";
    // Since when the main window has been disabled with no dialog to answer.
    DWORD dwWaitingSince = 0;
    std::string strBeforeWaiting;
    while (::GetTickCount() - dwStart < nSeconds * 1000) {
        recent.push_back(monkey.Act());
        // A main window left disabled when no dialog is open any more is a
        // gallery no user can reach again.
        if (recent.back() != Monkey::kWaiting)
            dwWaitingSince = 0;
        else if (dwWaitingSince == 0) {
            dwWaitingSince = ::GetTickCount();
            strBeforeWaiting = history();
        } else if (::GetTickCount() - dwWaitingSince > kHangMs) {
            FAIL() << "the gallery's main window stayed disabled with no dialog for " << kHangMs / 1000 << " s after "
                   << monkey.Actions() << " actions, seed " << nSeed
                   << "; the actions before it waited:" << strBeforeWaiting << "\nits windows:" << Windows(gallery);
        }
        if (recent.size() > 12)
            recent.pop_front();
        gallery.WaitIdle(kHangMs);
        DWORD dwExit = 0;
        if (gallery.HasEnded(dwExit)) {
            FAIL() << "the gallery ended (exit code 0x" << std::hex << dwExit << std::dec << ") after "
                   << monkey.Actions() << " actions, seed " << nSeed << "; last actions:" << history();
        }
        if (!::IsWindow(gallery.MainWindow())) {
            FAIL() << "the gallery's main window went after " << monkey.Actions() << " actions, seed " << nSeed
                   << "; last actions:" << history();
        }
        if (!gallery.Responds(kHangMs)) {
            // Whether it was slow or stuck: how long it took in the end. Said
            // at once, so that a debugger can be attached while it waits.
            std::printf("monkey: no answer for %lu s, waiting up to %lu s more\n", kHangMs / 1000,
                        kLateAnswerMs / 1000);
            std::fflush(stdout);
            const DWORD dwSince = ::GetTickCount();
            const bool bLater = gallery.Responds(kLateAnswerMs);
            const std::string strLater =
                bLater ? "answered after " + std::to_string((::GetTickCount() - dwSince + kHangMs) / 1000) + " s"
                       : "still no answer after " + std::to_string((kHangMs + kLateAnswerMs) / 1000) + " s";
            FAIL() << "the gallery did not answer for " << kHangMs / 1000 << " s (" << strLater << ") after "
                   << monkey.Actions() << " actions, seed " << nSeed << "; last actions:" << history()
                   << "\nits windows:" << Windows(gallery);
        }
        if (::GetTickCount() - dwStart >= samples.size() * dwSampleMs && !sample()) {
            FAIL() << "the gallery did not tell what it holds within " << kHangMs / 1000 << " s after "
                   << monkey.Actions() << " actions, seed " << nSeed << "; last actions:" << history();
        }
    }
    if (samples.size() >= kSettleSamples + kTrendSamples) {
        ExpectNoGrowth<SIZE_T>(
            samples, [](const GallerySample& s) { return s.nPrivateKb; },
            samples[kSettleSamples].nPrivateKb / 10 + 1024, "the private bytes (KB)");
        ExpectNoGrowth<long>(
            samples, [](const GallerySample& s) { return s.nGdi; }, 16, "the GDI objects");
        ExpectNoGrowth<long>(
            samples, [](const GallerySample& s) { return s.nUser; }, 8, "the windows");
    }
    const double dMinutes = (::GetTickCount() - dwStart) / 60000.0;
    std::printf("monkey: %.2f minutes, %ld actions, %ld dialogs answered, %ld menus closed, seed %u\n", dMinutes,
                monkey.Actions(), monkey.DialogsAnswered(), monkey.MenusClosed(), nSeed);
    EXPECT_GT(monkey.Actions(), 0);
}
