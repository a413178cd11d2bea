#pragma once
// SIGTERM, SIGINT and SIGHUP end the program the way closing its window does:
// the handler only records the request, and the window's event pump turns it
// into a Close message, so every owner saves through the ordinary Quit path.

void InstallQuitSignals();
// Answers true once per arrived signal.
bool TakeQuitSignal();
