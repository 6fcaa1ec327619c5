#pragma once

#include <QLabel>

class QMouseEvent;

namespace rigscope {

// A label that reports a left click released over it, as a link or picture does.
class ClickLabel final : public QLabel {
  Q_OBJECT

 public:
  explicit ClickLabel(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace rigscope
