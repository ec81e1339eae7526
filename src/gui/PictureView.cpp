#include "gui/PictureView.h"

#include "common/Error.h"

#include <QImageReader>
#include <QPainter>

namespace tessellon {

PictureView::PictureView(QWidget* parent) : QWidget(parent) {}

void PictureView::load(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true); // as the camera held it
    QImage picture = reader.read();
    if (picture.isNull())
        throw FileError(
            QStringLiteral("Cannot show the picture \"%1\": %2").arg(path, reader.errorString()));
    picture_ = std::move(picture);
    update();
}

QRect PictureView::pictureRect() const {
    if (picture_.isNull())
        return {};
    const QSize size = picture_.size().scaled(this->size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void PictureView::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureRect(), picture_);
}

} // namespace tessellon
