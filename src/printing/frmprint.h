#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

// The print preview window: an HTML view that loads a printed page and hands it to the printer.
// It prints without ever appearing on screen, and stays loaded, hidden, for the next print.
class frmPrint final : public QDialog {
    Q_OBJECT
public:
    frmPrint();
    ~frmPrint() override;
    Q_DISABLE_COPY_MOVE(frmPrint)

    QPushButton* Command2; // "&CLOSE WINDOW"
    QPushButton* Command1; // "SEND TO &PRINTER"
    QTextBrowser* wb;      // the page to print

    void Form_Load();

    // Loads the page file into wb, also when it is the same file as last time.
    void Navigate(const QString& pageFile);

    // Prints the loaded page under the hourglass, then hides the window. Returns once the job
    // has been handed to the printer; answers whether it was (false when the person cancelled
    // the print dialog or printing failed).
    bool PrintPreviewPage();

    void Command1_Click();
    void Command2_Click();

    // Esc and the close box: the close button.
    void reject() override;
};
