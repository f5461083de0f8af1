#pragma once

// Folder program/: start-up: main() and the registration of every window and action with
// the hub.

// Registers every main window and every action of the program with the hub.
void registerWindows();
