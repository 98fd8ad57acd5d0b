// Random mouse and keyboard input for the gallery: clicks, double and right
// clicks, drags (toolbars by their grippers among them), typing into fields,
// keys, header clicks, menu commands and page switches; dialogs and menus the
// gallery opens are played with for a while and then answered. Every action
// is a message posted to one of the gallery's own windows, chosen by a seeded
// generator, so a run can be replayed from its seed.
#pragma once
#include "GalleryProcess.h"
#include <map>
#include <random>
#include <string>

class Monkey
{
public:
    Monkey(const GalleryProcess& gallery, unsigned nSeed) : m_gallery(gallery), m_rng(nSeed) {}

    // What Act returns when the main window is disabled and no dialog is there
    // to answer.
    static constexpr const char* kWaiting = "waiting for a dialog";

    // One action; returns what it was, for the log of a failure.
    std::string Act();

    long Actions() const { return m_nActions; }
    long DialogsAnswered() const { return m_nDialogsAnswered; }
    long MenusClosed() const { return m_nMenusClosed; }

private:
    int Pick(int n) { return n > 0 ? (int)(m_rng() % (unsigned)n) : 0; }
    // A window of the gallery the monkey may touch under hTop, or null.
    HWND PickTarget(HWND hTop, bool bKeyboard);
    bool MayTouch(HWND hWnd, bool bKeyboard) const;
    POINT PickPoint(HWND hWnd);

    std::string Click(HWND hWnd, bool bDouble);
    std::string RightClick(HWND hWnd);
    std::string Drag(HWND hWnd);
    std::string Type(HWND hWnd);
    std::string Key(HWND hWnd);
    std::string HeaderClick(HWND hTop);
    std::string Command();
    std::string AnswerDialog(HWND hDlg);

    const GalleryProcess& m_gallery;
    std::mt19937 m_rng;
    long m_nActions = 0;
    long m_nDialogsAnswered = 0;
    long m_nMenusClosed = 0;
    // Actions spent in each dialog so far, and when it is answered.
    std::map<HWND, int> m_dialogAge;
    std::map<HWND, int> m_dialogPatience;
};
