#include "layout.h"

#include <cmath>

namespace mainlayout {

namespace {

// A size assignment the window system would refuse (negative) leaves the value in force.
void setSize(int& target, int value) {
    if (value >= 0) target = value;
}

// Fractional twips (a factor, a half) go to the nearest whole twip, ties to the even one.
int whole(double twips) {
    return int(std::nearbyint(twips));
}

} // namespace

int wholeRowHeight(int requested, int rowHeight, int frame) {
    if (rowHeight <= 0 || requested < frame) return requested;
    return (requested - frame) / rowHeight * rowHeight + frame;
}

MainLayout designLayout(int listRowHeight, int listFrame) {
    const LayoutInput atDesign{design::ClientWidth,  design::ClientHeight, design::ClientWidth,
                               design::ClientHeight, listRowHeight,        listFrame};
    return layOutMainWindow(atDesign, MainLayout{});
}

MainLayout layOutMainWindow(const LayoutInput& in, const MainLayout& inForce) {
    using namespace design;
    MainLayout l = inForce;
    const int W = in.outerWidth;
    const int H = in.outerHeight;

    setSize(l.shape1Width, W + 1000);
    l.combo1Left = W - Combo1Width - 300;
    l.label12Left = l.combo1Left - 1000;
    // Title-bar height, to whole twips with ties to the even number.
    l.titleBar = whole(double(H - in.innerHeight) - double(W - in.innerWidth));

    l.commandTop = H - 640 - l.titleBar;
    l.command22Left = W - 760;
    l.command3Left = l.command22Left - CommandSpacing;
    l.command4Left = l.command3Left - CommandSpacing;
    l.command1Left = l.command4Left - CommandSpacing;
    l.command13Left = l.command1Left - CommandSpacing;

    setSize(l.picture1Height, l.commandTop - Picture1Top - 75);
    setSize(l.picture1Width, W - 280);
    setSize(l.picture4Width, whole(l.picture1Width * 0.31));
    l.picture5Left = Picture4Left + l.picture4Width + 75;
    setSize(l.picture5Width, l.picture1Width - 125 - l.picture5Left);
    l.picture7Left = Picture4Left + l.picture4Width + 75;
    setSize(l.picture7Width, l.picture1Width - 125 - l.picture5Left);
    setSize(l.picture4Height, l.picture1Height - 900 - FindRowHeight);
    setSize(l.list1Width, l.picture4Width - 30);
    // The list keeps whole rows only; the pane then ends 20 twips below the last one.
    setSize(l.list1Height, wholeRowHeight(l.picture4Height, in.listRowHeight, in.listFrame));
    setSize(l.picture4Height, l.list1Height + 20);
    setSize(l.picture5Height, l.picture1Height - 900);
    setSize(l.picture7Height, l.picture1Height - 900);
    setSize(l.text5Height, l.picture5Height - 165 - Text5Top);
    setSize(l.text5Width, l.picture5Width - 165 - Text5Left);
    setSize(l.textWidth, l.text5Width);

    l.check1Top = Picture5Top + l.picture5Height + 50;
    l.check2Top = l.check1Top;
    l.check1Left = l.picture5Left;
    l.check2Left = l.check1Left + 2565;
    l.picture9Top = l.check1Top + 20;
    l.picture9Left = l.picture1Width - 1855;
    l.picture17Top = l.check1Top + 10;
    l.picture17Left = l.picture1Width - 405;
    l.label35Top = l.check1Top;
    l.label29Top = l.check1Top + 30;

    l.picture6Left = l.picture5Width - 965;
    l.label10Left = Label3Left;
    setSize(l.label10Width, l.picture6Left + Picture6Width - 100);
    l.picture8Top = whole(l.picture7Height / 2.0 - 1000);
    l.picture8Left = whole(l.picture7Width / 2.0 - Picture8Width / 2.0 + 150);
    l.picTitle1Left = whole((List1Left + l.list1Width) / 2.0 - TitlePictureWidth / 2.0 + 150);
    l.picTitle2Left = whole(l.picture5Width / 2.0 + l.picture5Left - TitlePictureWidth / 2.0 - 50);

    l.webLeft = l.picture5Width - 530;
    setSize(l.webTextWidth, l.text5Width - 450);
    return l;
}

} // namespace mainlayout
