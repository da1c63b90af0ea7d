#pragma once
// The game's log: standard output, one line per call, flushed at once so that a crash
// loses nothing and end-to-end tests can read it while the game runs.
#include <functional>
#include <string>

void journal(const std::string& ligne);

// Tests (and tools that want a quiet log) may take the lines instead of standard output.
// Pass an empty function to write to standard output again.
void journalDetourner(std::function<void(const std::string&)> destination);
