#include "ui/click_label.h"

#include <QMouseEvent>

namespace rigscope {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  // Accepting the press is what brings the matching release here.
  event->setAccepted(event->button() == Qt::LeftButton);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace rigscope
