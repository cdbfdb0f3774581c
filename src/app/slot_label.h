// The clickable "SLOT 1" to "SLOT 5" labels beside the field slots.
#pragma once

#include <QLabel>

namespace grim::app {

class SlotLabel final : public QLabel {
    Q_OBJECT
  public:
    SlotLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace grim::app
