// Screenshots of the gallery's pages as PNG files.
#pragma once
#include "ZUZIVU70.h"

class CGalleryFrame;

// Saves the window (frame and all) as a PNG file; FALSE on failure.
BOOL SaveWindowPng(HWND hWnd, LPCSTR lpszPath);
// Shows every page in turn and saves it as "<nn>-<page>.png" in lpszDir;
// returns the number saved.
int SaveAllPages(CGalleryFrame& frame, LPCSTR lpszDir);
