// The preview's picture view: the picture scaled to fit the view, its
// proportions kept, centred.
#pragma once

#include <QImage>
#include <QWidget>

namespace tessellon {

class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    // Reads the picture; throws Error when it cannot be read, and then keeps
    // showing the previous one.
    void load(const QString& path);
    // Where the picture is painted, in the view's coordinates.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace tessellon
