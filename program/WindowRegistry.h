#pragma once

// Registers every main window and every action of the program with the hub.
void registerWindows();
