#pragma once

// Makes the main window the one the other windows reach (mainWindow()) and wires the folders
// that cannot call each other directly. Called once, before start-up.
void registerMainWindow();
