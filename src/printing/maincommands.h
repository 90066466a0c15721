#pragma once

class MainWindowPort;

// The main window's print command; its handler of the same name calls it.
namespace printing {
void Command4_Click(MainWindowPort& main); // print
} // namespace printing
