// Cost of QELToolbar's layout: CalcDynamicLayout with and without a commit,
// for 20, 200 and 2,000 buttons, docked along the top and floating (wrapped
// to a width by the bisection), per call and per button.
#include "BenchSupport.h"
#include <cstdio>
#include <string>
#include <vector>

namespace {
CBenchApp theApp("ZUZIVU70 toolbar benchmark");

// Buttons with a separator after every fifth; images repeat over 16 commands.
std::vector<UINT> ButtonIds(int nButtons)
{
    std::vector<UINT> ids;
    for (int i = 0; i < nButtons; i++)
        ids.push_back(i % 6 == 5 ? ID_SEPARATOR : 1000 + (UINT)i);
    return ids;
}

HBITMAP ImageWell(int nImages)
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hbm = ::CreateCompatibleBitmap(hScreen, 16 * nImages, 15);
    ::ReleaseDC(nullptr, hScreen);
    return hbm;
}

// Seconds per call of fn, over at least nMinCalls calls and 0.3 s.
template <class Fn>
double PerCall(Fn fn, int nMinCalls)
{
    fn();  // the first call may commit wraps; time the steady state
    int nCalls = 0;
    double start = Seconds();
    double elapsed = 0;
    while (nCalls < nMinCalls || elapsed < 0.3) {
        fn();
        nCalls++;
        elapsed = Seconds() - start;
    }
    return elapsed / nCalls;
}

void Run(CFrameWnd& frame, int nButtons, bool bQuick)
{
    QELToolbar bar;
    bar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC);
    std::vector<UINT> ids = ButtonIds(nButtons);
    bar.SetButtons(ids.data(), (int)ids.size());
    bar.SetBitmap(ImageWell(nButtons));
    int nMin = bQuick ? 2 : (nButtons >= 2000 ? 5 : 50);

    double docked = PerCall([&] { bar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK); }, nMin);
    double dockedCommit = PerCall([&] { bar.CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK | LM_COMMIT); }, nMin);
    // Floating, 400 pixels wide: several rows, chosen by the width search.
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_FLOATING);
    bar.m_nMRUWidth = 400;
    double floating = PerCall([&] { bar.CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH); }, nMin);
    double floatingCommit = PerCall([&] { bar.CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT); }, nMin);
    // Resizing the floating bar by its height (the other bisection).
    double byHeight = PerCall([&] { bar.CalcDynamicLayout(200, LM_HORZ | LM_LENGTHY); }, nMin);

    std::printf("%6d buttons  docked %9.1f us (commit %9.1f)  floating %9.1f us (commit %9.1f)  by height %9.1f us"
                "   per button: docked %.2f us, floating %.2f us\n",
                nButtons, docked * 1e6, dockedCommit * 1e6, floating * 1e6, floatingCommit * 1e6, byHeight * 1e6,
                docked * 1e6 / nButtons, floating * 1e6 / nButtons);
    bar.DestroyWindow();
}
}

int main(int argc, char** argv)
{
    if (!StartBenchmark())
        return 1;
    const bool bQuick = argc > 1 && std::string(argv[1]) == "quick";
    CFrameWnd frame;
    frame.Create(nullptr, "Toolbar benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600));
    std::printf("%s build\n", sizeof(void*) == 8 ? "x86_64" : "i686");
    for (int nButtons : { 20, 200, 2000 })
        Run(frame, nButtons, bQuick);
    frame.DestroyWindow();
    AfxWinTerm();
    return 0;
}
