#pragma once

#include <QPointer>
#include <QProgressBar>

class QLineEdit;

// A small bar that shows how strong the password in a box is as it is typed: zxcvbn's score in
// five steps and in words (passwordstrength.h). It never holds the password; hidden while the box
// is empty. With a warning text, scores below StrongScore show that text after the words.
class StrengthBar final : public QProgressBar {
    Q_OBJECT
public:
    explicit StrengthBar(QWidget* parent, const QString& weakWarning = {});

    // Follows a box's text, or no box (and hides).
    void follow(QLineEdit* box);
    // The score shown; -1 while the box is empty.
    int score() const { return score_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void rate(const QString& text);
    // A text longer than the bar (a longer language, a larger font) is set smaller, down to two
    // thirds of the window's size; the tooltip always holds it whole.
    void fitText();
    QPointer<QLineEdit> box_;
    QMetaObject::Connection typing_;
    QString weakWarning_;
    int score_ = -1;
};
