#pragma once

#include <QWidget>

// A picture control: draws one of the program's SVG pictures, crisp at any size, keeping its
// proportions and centred. Clicking it emits clicked().
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr, const QString& picture = {});

    // The picture's name (":/pictures/<name>.svg"); empty shows nothing.
    void setPicture(const QString& name);
    QString picture() const { return picture_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString picture_;
};
