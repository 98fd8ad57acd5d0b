// Screenshots of the gallery's pages as PNG files (each taken with
// QELGUIUtils::SaveWindowPng).
#pragma once
#include "ZUZIVU70.h"

class CGalleryFrame;

// Shows every page in turn and saves it as "<nn>-<page>.png" in lpszDir;
// returns the number saved.
int SaveAllPages(CGalleryFrame& frame, LPCSTR lpszDir);
// Saves the toolbars docked at the top, docked at the left and floating, as
// "toolbars-top.png", "toolbars-left.png" and "toolbars-floating.png";
// returns the number saved (3) and leaves them docked at the top again.
int SaveToolbarStates(CGalleryFrame& frame, LPCSTR lpszDir);
// Saves the toolbars with labels below large icons ("toolbars-labels.png")
// and the navigation bar's customize dialog with its options panel
// ("toolbar-customize.png"); returns the number saved (2) and leaves the
// toolbars' options as they were.
int SaveToolbarOptions(CGalleryFrame& frame, LPCSTR lpszDir);
