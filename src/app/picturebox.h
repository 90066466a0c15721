#pragma once

#include <QMargins>
#include <QWidget>
#include <functional>

// The program's SVG picture of that name with the words it draws in the user's language (a word
// too long for its place is set smaller); empty when there is no such picture.
QByteArray pictureInLanguage(const QString& name);
// The words pictures may draw, in English; each has its translations.
QStringList pictureWords();

// A picture control: draws one of the program's SVG pictures, crisp at any size, keeping its
// proportions and centred. Clicking it emits clicked().
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr, const QString& picture = {});

    // The picture's name (":/pictures/<name>.svg"); empty shows nothing.
    void setPicture(const QString& name);
    QString picture() const { return picture_; }

    // Makes the picture a command: Tab reaches it (a frame shows that it has the focus), Space
    // and Enter click it, and assistive technology sees a button named by name() (its tooltip's
    // words when no name is given). A plain picture is an image to assistive technology.
    void makeCommand(std::function<QString()> name = {});
    bool isCommand() const { return command_; }
    // A picture that carries information is named for assistive technology by name().
    void nameBy(std::function<QString()> name) { name_ = std::move(name); }
    // The picture drawn inside the box less margins: the box answers clicks on more than the
    // picture (a hit target larger than a small picture).
    void setPictureMargins(const QMargins& margins);
    // The name assistive technology reads.
    QString commandName() const;

    // What a click does: emits clicked().
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString picture_;
    bool command_ = false;
    std::function<QString()> name_;
    QMargins margins_;
};
