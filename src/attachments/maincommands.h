#pragma once

class MainWindowPort;

// The main window's attachment command; its handlers call it.
namespace attachments {
void Command13_Click(MainWindowPort& main); // attachments (also the attachment indicator)
} // namespace attachments
