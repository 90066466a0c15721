#pragma once

// The main window's arrangement, in twips. The design values are the window at its design size
// (client area 9930 x 7515); layOutMainWindow gives every position and size that changes with the
// window's size, as a pure function of the size and of the values in force before.
namespace mainlayout {

// Design arrangement: the values the layout reads but never changes.
namespace design {
inline constexpr int ClientWidth = 9930;
inline constexpr int ClientHeight = 7515;
inline constexpr int Combo1Width = 3660;
inline constexpr int Combo1Top = 315;
inline constexpr int Label12Top = 360;
inline constexpr int Picture1Left = 110;
inline constexpr int Picture1Top = 1080;
inline constexpr int Picture4Left = 90;
inline constexpr int Picture4Top = 495;
// The find row above the list: its box and the every-value toggle; the list pane starts below it.
inline constexpr int FindRowHeight = 420;
inline constexpr int FindToggleWidth = 1300;
// How long the find waits for the next keystroke before it narrows the list.
inline constexpr int FindDelayMs = 40;
inline constexpr int Picture5Top = 490;
inline constexpr int Picture7Top = 495;
inline constexpr int List1Left = -10;
inline constexpr int List1Top = -10;
inline constexpr int TitlePictureWidth = 2745;
inline constexpr int TitlePictureTop = 120;
inline constexpr int Label3Left = 90;
inline constexpr int Label3Top = 90;
inline constexpr int Picture6Width = 870;
inline constexpr int Text5Left = 90;
inline constexpr int Text5Top = 3285;
inline constexpr int Picture8Width = 4020;
inline constexpr int Picture8Height = 1350;
inline constexpr int CommandWidth = 580;
inline constexpr int CommandHeight = 480;
inline constexpr int CommandSpacing = 675;
inline constexpr int FirstCommandLeft = 110;
inline constexpr int WebWidth = 375;
inline constexpr int WebHeight = 315;
} // namespace design

// What the layout is computed from: the window's outer size (border and title bar included),
// the size of its client area, and the entry list's row height and the height its frame takes.
struct LayoutInput {
    int outerWidth = 0;
    int outerHeight = 0;
    int innerWidth = 0;
    int innerHeight = 0;
    int listRowHeight = 0;
    int listFrame = 0;
};

// Every value the layout sets. Positions are relative to the control's parent.
struct MainLayout {
    int titleBar = 0; // T: (H - inner height) - (W - inner width)
    int shape1Width = 0;
    int combo1Left = 0;
    int label12Left = 0;
    int commandTop = 0;    // every command button
    int command22Left = 0; // Help
    int command3Left = 0;  // Search
    int command4Left = 0;  // Print
    int command1Left = 0;  // Copy
    int command13Left = 0; // Attachments
    int picture1Width = 0; // main panel
    int picture1Height = 0;
    int picture4Width = 0; // list pane
    int picture4Height = 0;
    int list1Width = 0;
    int list1Height = 0;
    int picture5Left = 0; // detail pane
    int picture5Width = 0;
    int picture5Height = 0;
    int picture7Left = 0; // empty-category panel
    int picture7Width = 0;
    int picture7Height = 0;
    int text5Width = 0; // notes
    int text5Height = 0;
    int textWidth = 0; // Text1 .. Text4
    int check1Left = 0;
    int check1Top = 0;
    int check2Left = 0;
    int check2Top = 0;
    int picture9Left = 0; // busy indicator
    int picture9Top = 0;
    int picture17Left = 0; // attachment indicator
    int picture17Top = 0;
    int label35Top = 0;   // entry count
    int label29Top = 0;   // last-update date
    int picture6Left = 0; // category icon
    int label10Left = 0;
    int label10Width = 0;
    int picture8Left = 0; // the empty-category picture
    int picture8Top = 0;
    int picTitle1Left = 0;
    int picTitle2Left = 0;
    int webLeft = 0;      // a shown launch button
    int webTextWidth = 0; // the box beside a shown launch button

    bool operator==(const MainLayout&) const = default;
};

// The arrangement at design size.
MainLayout designLayout(int listRowHeight, int listFrame);

// Lays the window out for its size. A width or height that would be negative (a minimised
// window) is not applied: the value in force stays, and later steps read that value.
MainLayout layOutMainWindow(const LayoutInput& input, const MainLayout& inForce);

// The list's height for a requested height: whole rows only, plus its frame.
int wholeRowHeight(int requested, int rowHeight, int frame);

} // namespace mainlayout
